// The legend and the title on a real scope (offscreen, pointer events on
// the widget): widths down to an empty legend of 0 pixels, hidden items,
// scrolling a legend taller than the control, highlighting and clicking
// entries, and the title's alignments read back from its pixels.

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "scope/axes/legend_custom_groups.h"
#include "scope/scope.h"

#include <gtest/gtest.h>

namespace {

struct Legend : ::testing::Test {
  TSLScope scope;
  TSLScopeLegendView* legend = scope.Legend();

  void SetUp() override {
    scope.resize(640, 300);
    scope.show();
    Paint();
  }
  QImage Paint() {
    scope.RedrawBackBuffer();
    return scope.BackBuffer().copy();
  }
  void Move(const QPoint& p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(scope.mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&scope, &move);
  }
  void Click(const QPoint& p) {
    Move(p);
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, p);
  }
  int EntryWidth(const QString& name) { return QFontMetrics(legend->Font()->ToQFont()).horizontalAdvance(name) + 30; }
  TSLDisplayCursor* AddCursor(const QString& name) {
    auto* c = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
    c->SetName(name);
    return c;
  }
};

TEST_F(Legend, WidthFollowsTheListedEntriesDownToZero) {
  const QRect withLegend = scope.DataViewRect();
  const int captionWidth =
      QFontMetrics(legend->Channels()->Caption()->Font()->ToQFont()).horizontalAdvance("Channels") + 23;
  EXPECT_EQ(legend->ViewRect().width(), std::max(captionWidth, EntryWidth("Channel0")));

  // A long name widens it; hiding that channel takes its entry away again.
  auto* second = static_cast<TSLScopeChannel*>(scope.Channels()->Add());
  second->SetName("A channel with a rather long name");
  Paint();
  EXPECT_EQ(legend->ViewRect().width(), EntryWidth("A channel with a rather long name"));
  ASSERT_EQ(legend->Entries().size(), 2);
  second->SetVisible(false);
  Paint();
  EXPECT_EQ(legend->Entries().size(), 1);
  EXPECT_EQ(legend->ViewRect().width(), std::max(captionWidth, EntryWidth("Channel0")));

  // Every group empty or hidden: 0 pixels, and the data view takes the room.
  legend->Channels()->SetVisible(false);
  Paint();
  EXPECT_EQ(legend->ViewRect().width(), 0);
  const QRect without = scope.DataViewRect();
  EXPECT_GT(without.width(), withLegend.width());
  legend->SetVisible(false);
  Paint();
  EXPECT_EQ(scope.DataViewRect(), without);
}

TEST_F(Legend, TallLegendScrollsUntilTheLastEntryIsInside) {
  for (int i = 0; i < 30; ++i) AddCursor(QStringLiteral("Cursor %1").arg(i));
  Paint();
  const QList<TSLScopeLegendView::TEntry> entries = legend->Entries();
  ASSERT_EQ(entries.size(), 31);
  EXPECT_GT(legend->EntryRect(entries.last()).bottom(), scope.height());
  // Each group after the first starts a row (and its caption) further down.
  EXPECT_GT(entries[1].centre - entries[0].centre, 2 * legend->RowHeight());

  // The buttons appear only while the pointer is over the legend.
  const QRect down = legend->DownButtonRect(), up = legend->UpButtonRect();
  EXPECT_EQ(down.right(), legend->ViewRect().right() - 3);
  EXPECT_EQ(down.bottom(), legend->ViewRect().bottom() - 3);
  EXPECT_FALSE(legend->ScrollButtonsShown());
  Move(legend->ViewRect().center());
  ASSERT_TRUE(legend->ScrollButtonsShown());
  QImage image = Paint();
  const TSLLegendViewButtonSettings* b = legend->Buttons();
  EXPECT_EQ(image.pixelColor(down.left() + 5, down.top()), b->BorderColor());
  EXPECT_EQ(image.pixelColor(up.left() + 5, up.top()), b->DisabledColor());  // at the top already
  EXPECT_FALSE(legend->CanScrollUp());

  // Wheel and buttons move by 10 pixels.
  scope.WheelStep(true, Qt::NoModifier, legend->ViewRect().center());
  EXPECT_EQ(legend->ScrollOffset(), 10);
  EXPECT_EQ(legend->Entries().first().centre, entries.first().centre - 10);
  scope.WheelStep(false, Qt::NoModifier, legend->ViewRect().center());
  EXPECT_EQ(legend->ScrollOffset(), 0);
  int clicks = 0;
  while (legend->CanScrollDown() && clicks < 200) {
    Click(down.center());
    ++clicks;
  }
  ASSERT_LT(clicks, 200);
  const int last = legend->ScrollOffset();
  EXPECT_EQ(last, clicks * 10);
  EXPECT_LT(legend->EntryRect(legend->Entries().last()).bottom(), scope.height());
  Click(down.center());
  EXPECT_EQ(legend->ScrollOffset(), last);  // stops there
  image = Paint();
  EXPECT_EQ(image.pixelColor(down.left() + 5, down.top()), b->DisabledColor());

  // Holding the up button repeats until released.
  Move(up.center());
  QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, up.center());
  EXPECT_EQ(legend->ScrollOffset(), last - 10);
  EXPECT_TRUE(legend->ScrollRepeating());
  ASSERT_TRUE(QTest::qWaitFor([&] { return legend->ScrollOffset() <= last - 40; }, 5000));
  QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, up.center());
  EXPECT_FALSE(legend->ScrollRepeating());
  const int released = legend->ScrollOffset();
  QTest::qWait(150);
  EXPECT_EQ(legend->ScrollOffset(), released);
}

struct LegendEntries : Legend {
  TLPComponent owner;
  TSLOWRealSourcePin source{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  int page = -1, item = -1;

  void SetUp() override {
    Legend::SetUp();
    scope.YAxis()->AutoScaling()->SetEnabled(false);
    scope.YAxis()->Min()->SetValue(-1);
    scope.YAxis()->Max()->SetValue(1);
    scope.XAxis()->DataView()->Lines()->SetVisible(false);
    scope.YAxis()->DataView()->Lines()->SetVisible(false);
    scope.YAxis()->DataView()->ZeroLine()->SetVisible(false);
    ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
    source.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
    std::vector<double> samples(500, 0.5);
    TRef<ISLRealBuffer> block(new TSLRealBuffer(samples.data(), int(samples.size())));
    source.SendBuffer(block.get());
    scope.RefreshTimerTick();
    TSLDataChart::SetPropertiesDialogOpener([this](TSLDataChart*, int p, int i) {
      page = p;
      item = i;
    });
    Paint();
  }
  void TearDown() override {
    TSLDataChart::SetPropertiesDialogOpener({});
    scope.InputPins()->GetPin(0)->Disconnect();
  }
  // Lime just above the red trace: the highlight pass ran.
  bool TraceHighlighted(const QImage& image) {
    const int row = scope.YAxis()->TickToScreen(0.5);
    return image.pixelColor(scope.DataViewRect().center().x(), row - 1) == scope.Highlighting()->Channels()->Color();
  }
};

TEST_F(LegendEntries, HoverHighlightsAndClickOpensThePropertyPage) {
  const QRect entry = legend->EntryRect(legend->Entries().first());
  EXPECT_FALSE(TraceHighlighted(Paint()));
  Move(entry.center());
  QImage image = Paint();
  EXPECT_EQ(image.pixelColor(entry.left() + 2, entry.top() + 2), legend->Buttons()->MouseOverColor());
  EXPECT_EQ(image.pixelColor(entry.left(), entry.center().y()), legend->Buttons()->MouseOverBorderColor());
  EXPECT_TRUE(TraceHighlighted(image));
  // A printed image has no entry button, but the highlighted trace is part
  // of the picture.
  QImage printed(scope.size(), QImage::Format_RGB32);
  scope.PaintTo(printed);
  EXPECT_NE(printed.pixelColor(entry.left() + 2, entry.top() + 2), legend->Buttons()->MouseOverColor());
  EXPECT_TRUE(TraceHighlighted(printed));

  // Off the highlight-from-legend setting, the button stays but not the trace.
  scope.Highlighting()->Channels()->SetHiglightFromLegend(false);
  EXPECT_FALSE(TraceHighlighted(Paint()));
  scope.Highlighting()->Channels()->SetHiglightFromLegend(true);

  // A click: the group's event first; unless handled, the property dialog
  // on the group's page at that item.
  auto* second = static_cast<TSLScopeChannel*>(scope.Channels()->Add());
  second->SetName("Second");
  Paint();
  const QRect secondEntry = legend->EntryRect(legend->Entries()[1]);
  int clicked = -1;
  bool handle = true;
  QObject::connect(legend->Channels(), &TSLLegendGroup::OnItemClick, [&](QObject* sender, int index, bool& handled) {
    EXPECT_EQ(sender, legend->Channels());
    clicked = index;
    handled = handle;
  });
  Click(secondEntry.center());
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(page, -1);
  handle = false;
  Click(secondEntry.center());
  EXPECT_EQ(page, TSLDataChart::kChannelsPage);
  EXPECT_EQ(item, 1);

  // Buttons off: no highlight, clicks do nothing.
  legend->Buttons()->SetEnabled(false);
  clicked = -1;
  page = -1;
  Move(entry.center());
  image = Paint();
  EXPECT_NE(image.pixelColor(entry.left() + 2, entry.top() + 2), legend->Buttons()->MouseOverColor());
  EXPECT_FALSE(TraceHighlighted(image));
  Click(entry.center());
  EXPECT_EQ(clicked, -1);
  EXPECT_EQ(page, -1);
}

TEST_F(LegendEntries, ACursorUnderThePointerLightsItsEntry) {
  TSLDisplayCursor* cursor = AddCursor("tA");
  cursor->Position()->SetX(250);
  Paint();
  const QList<TSLScopeLegendView::TEntry> entries = legend->Entries();
  ASSERT_EQ(entries.size(), 2);
  const QRect entry = legend->EntryRect(entries[1]);
  EXPECT_NE(Paint().pixelColor(entry.left() + 2, entry.top() + 2), legend->Buttons()->MouseOverColor());
  const QPoint onLine(scope.CursorColumn(cursor, 250), scope.DataViewRect().top() + 20);
  Move(onLine);
  ASSERT_EQ(scope.ElementUnderPointer(), cursor);
  EXPECT_EQ(Paint().pixelColor(entry.left() + 2, entry.top() + 2), legend->Buttons()->MouseOverColor());
}

TEST_F(LegendEntries, CustomGroupsFollowTheScopesOwnAndOnlyRaiseTheirEvent) {
  auto* group = static_cast<TSLLegendGroupItem*>(legend->CustomGroups()->Add());
  group->LegendGroup()->Caption()->SetText("Stations");
  auto* station = static_cast<TSLLegendCustomItem*>(group->Items()->Add());
  station->Brush()->SetColor(QColor(0, 0, 255));
  station->Pen()->SetColor(QColor(0, 0, 255));
  station->SetName("Station A, north of the lab");
  const QImage image = Paint();
  const QList<TSLScopeLegendView::TEntry> entries = legend->Entries();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[1].group, 8);  // after the eight groups of the scope
  EXPECT_GT(entries[1].centre, entries[0].centre);
  EXPECT_EQ(legend->ViewRect().width(), EntryWidth("Station A, north of the lab"));
  EXPECT_EQ(image.pixelColor(legend->ViewRect().left() + 12, entries[1].centre), QColor(0, 0, 255));

  int clicked = -1;
  QObject::connect(group->LegendGroup(), &TSLLegendGroup::OnItemClick, [&](QObject*, int index, bool&) {
    clicked = index;
  });
  Click(legend->EntryRect(entries[1]).center());
  EXPECT_EQ(clicked, 0);
  EXPECT_EQ(page, -1);  // no property page for custom entries

  // An empty custom group takes no room.
  group->Items()->Clear();
  Paint();
  EXPECT_EQ(legend->Entries().size(), 1);
}

// The title's text found by its pixels (white on black).
QRect TitlePixels(const QImage& image, const QRect& band) {
  QRect box;
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x)
      if (qGray(image.pixel(x, y)) > 128) box |= QRect(x, y, 1, 1);
  return box;
}

// How much more ink lies in the first half of the box than in the second,
// along the given direction (the text starts with a bold "H", then dots).
int InkAtStart(const QImage& image, const QRect& box, bool vertical, bool fromBottom) {
  int first = 0, second = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) {
      if (qGray(image.pixel(x, y)) <= 128) continue;
      const bool firstHalf = vertical ? (fromBottom ? y > box.center().y() : y < box.center().y()) : x < box.center().x();
      (firstHalf ? first : second)++;
    }
  return first - second;
}

TEST_F(Legend, TitleAlignmentsAndUpwardText) {
  legend->SetVisible(false);
  scope.Title()->SetText("H.........");
  const QFontMetrics metrics(scope.Title()->Font()->ToQFont());
  const int textWidth = metrics.horizontalAdvance("H.........");
  QImage image = Paint();
  QRect band = scope.Title()->ViewRect();
  EXPECT_EQ(band.height(), metrics.height() + 16);
  // (The top tick label of the Y axis reaches into the band's lowest rows.)
  QRect box = TitlePixels(image, band.adjusted(0, 0, 0, -8));
  EXPECT_GE(box.top(), band.top() + 4);
  EXPECT_NEAR(box.center().x(), scope.width() / 2, 3);  // the whole control, not the band
  EXPECT_GT(InkAtStart(image, box, false, false), 0);

  scope.Title()->SetAlign(SL::vaLeft);
  image = Paint();
  band = scope.Title()->ViewRect();
  EXPECT_EQ(band.width(), metrics.height() + 16);
  EXPECT_EQ(band.left(), 0);
  box = TitlePixels(image, band);
  ASSERT_FALSE(box.isEmpty());
  EXPECT_NEAR(box.height(), textWidth, 4);
  EXPECT_NEAR(box.center().y(), scope.height() / 2, 3);
  EXPECT_GE(box.left(), band.left() + 4);
  EXPECT_GT(InkAtStart(image, box, true, true), 0);  // reads upwards

  scope.Title()->SetAlign(SL::vaRight);
  image = Paint();
  band = scope.Title()->ViewRect();
  EXPECT_EQ(band.right(), scope.width() - 1);
  box = TitlePixels(image, band);
  ASSERT_FALSE(box.isEmpty());
  EXPECT_NEAR(box.center().y(), scope.height() / 2, 3);
  EXPECT_LE(box.right(), band.right() - 4);
  EXPECT_GT(InkAtStart(image, box, true, false), 0);  // reads downwards
}

}  // namespace
