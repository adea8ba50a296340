// The scope's toolbars on a real scope driven through its pointer
// (offscreen): geometry and packing, button states read back from the
// painted glyph frames, presses that reach the data view, hold and resume
// with data arriving meanwhile, the zoom buttons and the axis toolbars, and
// copy, print and save producing real images without the toolbar in them.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <set>

#include "buffers/simple_data_buffer.h"
#include "draw/basic_bitmap.h"
#include "draw/message_service.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "platform/jpeg_codec.h"
#include "scope/paint/export_services.h"
#include "scope/scope.h"
#include "scope/toolbars/toolbar_glyphs.h"

#include <gtest/gtest.h>

namespace {

using TB = TSLDisplayToolBar;

const QColor kBorder(0, 0, 200), kOverBorder(0, 200, 0), kDownBorder(200, 0, 0), kDisabled(100, 100, 100);

struct ToolBar : ::testing::Test {
  TLPComponent owner;
  TSLOWRealSourcePin source{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  TSLScope scope;
  TSLDisplayToolBar* bar = scope.ToolBar();

  void SetUp() override {
    scope.resize(640, 320);
    for (TSLBasicDisplayToolBar* b : std::initializer_list<TSLBasicDisplayToolBar*>{
             bar, scope.XAxis()->ToolBar(), scope.YAxis()->ToolBar()}) {
      b->SetBorderColor(kBorder);
      b->SetMouseOverBorderColor(kOverBorder);
      b->SetMouseDownBorderColor(kDownBorder);
      b->SetDisabledColor(kDisabled);
    }
    scope.YAxis()->AutoScaling()->SetEnabled(false);
    scope.YAxis()->Min()->SetValue(-1);
    scope.YAxis()->Max()->SetValue(1);
    ASSERT_TRUE(scope.InputPins()->GetPin(0)->Connect(&source));
    source.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
    scope.show();
    Paint();
  }
  void TearDown() override { scope.InputPins()->GetPin(0)->Disconnect(); }

  void Send(int count) {
    std::vector<double> samples(count);
    for (int i = 0; i < count; ++i) samples[i] = (i % 50) / 50.0 - 0.5;
    TRef<ISLRealBuffer> b(new TSLRealBuffer(samples.data(), count));
    source.SendBuffer(b.get());
  }
  QImage Paint() {
    scope.RedrawBackBuffer();
    return scope.BackBuffer().copy();
  }
  QPoint Centre(TSLBasicDisplayToolBar* b, int i) { return b->ButtonSquare(i).center(); }
  // A hover move as the window system delivers it (QTest only moves the
  // pointer when no button is held, which reaches no widget offscreen).
  void Move(const QPoint& p, Qt::MouseButtons held = Qt::NoButton) {
    QCursor::setPos(scope.mapToGlobal(p));
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(scope.mapToGlobal(p)), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(&scope, &move);
  }
  void Press(const QPoint& p) {
    Move(p);
    QTest::mousePress(&scope, Qt::LeftButton, Qt::NoModifier, p);
  }
  void Release(const QPoint& p) { QTest::mouseRelease(&scope, Qt::LeftButton, Qt::NoModifier, p); }
  void Click(TSLBasicDisplayToolBar* b, int i) {
    const QPoint p = Centre(b, i);
    ASSERT_FALSE(p.isNull()) << "button " << i << " is not drawn";
    Press(p);
    Release(p);
  }
  // The frame colour of a drawn glyph tells its state.
  QColor Frame(const QImage& image, TSLBasicDisplayToolBar* b, int i) {
    const QRect square = b->ButtonSquare(i);
    return image.pixelColor(square.left() + 5, square.top());
  }
};

TEST(GlyphStrip, EighteenGlyphsInFiveKeyColoursRecolouredIntoFourSets) {
  const QImage& strip = SLGlyphStrip();
  ASSERT_EQ(strip.size(), QSize(18 * 16, 16));
  const std::set<QRgb> keys{0xFFFFFFFF, 0xFF808080, 0xFFC0C0C0, 0xFF000000, 0xFF0000FF, 0xFFFF0000};
  for (int g = 0; g < 18; ++g) {
    int white = 0, blue = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = g * 16; x < g * 16 + 16; ++x) {
        const QRgb p = strip.pixel(x, y);
        ASSERT_TRUE(keys.count(p)) << "glyph " << g;
        white += p == 0xFFFFFFFF;
        blue += p == 0xFF0000FF;
      }
    EXPECT_GT(white, 10) << "glyph " << g;
    EXPECT_EQ(blue > 0, g == SLGlyph::HorizontalArrows || g == SLGlyph::VerticalArrows) << "glyph " << g;
  }
  TSLGlyphSets sets;
  const QColor glyph(250, 250, 0), face(10, 20, 30), overFace(0, 60, 0), downFace(60, 0, 0);
  sets.Build({glyph, kBorder, face, kOverBorder, overFace, kDownBorder, downFace, kDisabled});
  const auto at = [&](TSLGlyphSets::TSet s, int g, int x, int y) {
    return QColor::fromRgba(sets.Image(s).pixel(g * 16 + x, y));
  };
  // Find a blue (arrow head) and a white pixel of glyph 16.
  QPoint head, stroke;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const QRgb p = strip.pixel(SLGlyph::HorizontalArrows * 16 + x, y);
      if (p == 0xFF0000FF) head = QPoint(x, y);
      if (p == 0xFFFFFFFF) stroke = QPoint(x, y);
    }
  const int g = SLGlyph::HorizontalArrows;
  EXPECT_EQ(at(TSLGlyphSets::Normal, g, head.x(), head.y()), kBorder);
  EXPECT_EQ(at(TSLGlyphSets::Over, g, head.x(), head.y()), kOverBorder);
  EXPECT_EQ(at(TSLGlyphSets::Pressed, g, head.x(), head.y()), kDownBorder);
  EXPECT_EQ(at(TSLGlyphSets::Disabled, g, head.x(), head.y()).alpha(), 0);
  EXPECT_EQ(at(TSLGlyphSets::Normal, g, stroke.x(), stroke.y()), glyph);
  EXPECT_EQ(at(TSLGlyphSets::Disabled, g, stroke.x(), stroke.y()), kDisabled);
  // Frame, silver inner corner (half-tone, rounded down), face, red corner.
  EXPECT_EQ(at(TSLGlyphSets::Over, g, 5, 0), kOverBorder);
  EXPECT_EQ(at(TSLGlyphSets::Normal, g, 1, 1), QColor(130, 135, 15));
  EXPECT_EQ(at(TSLGlyphSets::Pressed, g, 1, 1), SLHalfTone(glyph, downFace));
  EXPECT_EQ(at(TSLGlyphSets::Disabled, g, 1, 1), SLHalfTone(kDisabled, face));
  EXPECT_EQ(at(TSLGlyphSets::Over, g, 1, 2), overFace);
  for (int s = 0; s < TSLGlyphSets::SetCount; ++s) EXPECT_EQ(at(TSLGlyphSets::TSet(s), g, 0, 0).alpha(), 0);
}

TEST_F(ToolBar, GeometryPacksThePublishedButtonsAndFreezesUnderThePointer) {
  QRect b = bar->GetBounds();
  EXPECT_EQ(b, QRect(640 - 3 - 102 + 1, 3, 102, 35));
  EXPECT_EQ(bar->ButtonSquare(TB::kPause), QRect(b.left(), 3, 16, 16));
  EXPECT_TRUE(bar->ButtonSquare(TB::kPlay).isEmpty());  // one of each pair
  EXPECT_EQ(bar->ButtonSquare(TB::kSetup), QRect(b.left() + 5 * 17, 3, 16, 16));
  EXPECT_EQ(bar->ButtonSquare(TB::kZoomIn), QRect(b.left(), 20, 16, 16));
  EXPECT_EQ(bar->ButtonSquare(TB::kXYZoomOn), QRect(b.left() + 5 * 17, 20, 16, 16));

  // Auto-hidden until the pointer is over the control.
  EXPECT_NE(Frame(Paint(), bar, TB::kZoomIn), kBorder);
  Move(QPoint(20, 200));
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomIn), kBorder);

  // The acquisition window's toolbar: three buttons at the data view's top right.
  TSLDisplayToolBarButtons* s = bar->Buttons();
  for (TSLDisplayToolBarButton* hidden : {s->Setup(), s->Hold(), s->ZoomPrevious(), s->ZoomNext(), s->ZoomMode(),
                                          s->XYZoomOn(), s->Copy(), s->Print(), s->Save()})
    hidden->SetVisible(false);
  bar->Position()->SetCX(-48);
  bar->Position()->SetHostView(SL::thvDataView);
  const QImage image = Paint();
  const QRect view = scope.DataViewRect();
  const int right = view.left() + view.width() - 1;  // data view left + width
  b = bar->GetBounds();
  EXPECT_EQ(b, QRect(right - 53, view.top() + 3, 102, 35));
  EXPECT_EQ(bar->ButtonSquare(TB::kZoomIn), QRect(b.left(), b.top(), 16, 16));
  EXPECT_EQ(bar->ButtonSquare(TB::kZoomOut), QRect(b.left() + 17, b.top(), 16, 16));
  EXPECT_EQ(bar->ButtonSquare(TB::kZoomOff).right() + 1, right - 3);
  EXPECT_TRUE(bar->ButtonSquare(TB::kCopy).isEmpty());
  EXPECT_EQ(Frame(image, bar, TB::kZoomIn), kBorder);
  EXPECT_EQ(Frame(image, bar, TB::kZoomOff), kDisabled);  // nothing zoomed yet
  // Nothing else of the toolbar is drawn (the other buttons would be enabled).
  for (int x = b.left(); x <= b.right(); ++x)
    for (int y = b.top(); y <= b.bottom(); ++y)
      if (!QRect(b.topLeft(), QSize(50, 16)).contains(x, y)) {
        ASSERT_NE(image.pixelColor(x, y), kBorder) << "drawn at " << x - b.left() << "," << y - b.top();
      }

  // While the pointer is over it, a layout change does not move it.
  Move(Centre(bar, TB::kZoomIn));
  EXPECT_TRUE(bar->Frozen());
  scope.Title()->Font()->SetSize(30);
  Paint();
  EXPECT_EQ(bar->GetBounds(), b);
  Move(QPoint(20, 200));
  EXPECT_FALSE(bar->Frozen());
  EXPECT_NE(bar->GetBounds(), b);
}

TEST_F(ToolBar, StatesFollowThePointerAndADisabledPressReachesTheDataView) {
  bar->Position()->SetHostView(SL::thvDataView);  // over the data view
  Paint();
  Move(Centre(bar, TB::kZoomIn));
  QImage image = Paint();
  EXPECT_EQ(Frame(image, bar, TB::kZoomIn), kOverBorder);
  EXPECT_EQ(Frame(image, bar, TB::kZoomOut), kBorder);
  EXPECT_EQ(Frame(image, bar, TB::kZoomNext), kDisabled);
  EXPECT_EQ(scope.cursor().shape(), Qt::PointingHandCursor);

  // The action runs on the press; pressed lasts until the left release,
  // drawn pressed while the pointer is on it.
  Press(Centre(bar, TB::kZoomIn));
  EXPECT_TRUE(scope.IsZoomed());
  EXPECT_FALSE(scope.ViewDragging());
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomIn), kDownBorder);
  Move(Centre(bar, TB::kZoomOut));
  image = Paint();
  EXPECT_EQ(Frame(image, bar, TB::kZoomIn), kBorder);
  EXPECT_EQ(Frame(image, bar, TB::kZoomOut), kOverBorder);
  Move(Centre(bar, TB::kZoomIn));
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomIn), kDownBorder);
  Release(Centre(bar, TB::kZoomIn));
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomIn), kOverBorder);

  // A disabled button does not take the press: the data view beneath does.
  ASSERT_FALSE(bar->IntButton(TB::kZoomNext).enabled);
  Press(Centre(bar, TB::kZoomNext));
  EXPECT_TRUE(scope.ViewDragging());
  Release(Centre(bar, TB::kZoomNext));
  EXPECT_FALSE(scope.ViewDragging());

  // Leaving the toolbar gives the display its own pointer shape back.
  Move(QPoint(scope.DataViewRect().center().x(), scope.DataViewRect().bottom() - 5));
  EXPECT_NE(scope.cursor().shape(), Qt::PointingHandCursor);
}

// The pointer goes straight from a legend entry onto a toolbar button: the
// legend's leave must not take the hand the toolbar has just shown.
TEST_F(ToolBar, TheHandStaysFromALegendEntryOntoAButtonAndGoesOverEmptySpace) {
  bar->SetAutoHide(false);
  const QRect entry = scope.Legend()->EntryRect(scope.Legend()->Entries().first());
  const QPoint empty(scope.DataViewRect().center().x(), scope.DataViewRect().bottom() - 5);
  for (int round = 0; round < 2; ++round) {
    Move(entry.center());
    EXPECT_EQ(scope.cursor().shape(), Qt::PointingHandCursor);
    Move(Centre(bar, TB::kZoomIn));
    EXPECT_EQ(scope.cursor().shape(), Qt::PointingHandCursor) << "round " << round;
    Move(entry.center());
    EXPECT_EQ(scope.cursor().shape(), Qt::PointingHandCursor) << "round " << round;
    Move(empty);
    EXPECT_EQ(scope.cursor().shape(), Qt::ArrowCursor);
  }
}

// A drag that leaves the scope: the moves outside do not bring the pointer
// back in, so the auto-hidden toolbar hides once and stays hidden.
TEST_F(ToolBar, ADragOutsideTheScopeLeavesItOnceAndEntersOnlyOnComingBack) {
  int enters = 0, leaves = 0;
  QObject::connect(&scope, &TLPCustomControl::OnMouseEnter, [&](QObject*) { ++enters; });
  QObject::connect(&scope, &TLPCustomControl::OnMouseLeave, [&](QObject*) { ++leaves; });
  const QPoint inside = scope.DataViewRect().center();
  Press(inside);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomIn), kBorder);
  Move(QPoint(-30, 40), Qt::LeftButton);
  QElapsedTimer waited;
  waited.start();
  while (leaves == 0 && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 10);
  ASSERT_EQ(leaves, 1);
  for (int i = 0; i < 12; ++i) {
    Move(QPoint(-30 - 5 * i, 40 + i), Qt::LeftButton);
    EXPECT_FALSE(scope.MouseInside()) << "move " << i;
    EXPECT_NE(Frame(Paint(), bar, TB::kZoomIn), kBorder) << "move " << i;
  }
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  Move(inside, Qt::LeftButton);
  EXPECT_EQ(enters, 2);
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomIn), kBorder);
  Release(inside);
}

TEST_F(ToolBar, PausePlayAndDataThatArrivedMeanwhile) {
  Send(100);
  scope.RefreshTimerTick();
  ASSERT_EQ(scope.Channels()->Channel(0)->DisplayCount(), 100);
  const QRect square = bar->ButtonSquare(TB::kPause);
  Press(square.center());
  EXPECT_TRUE(scope.Hold());
  // The play button takes the pause button's place, pressed until release.
  QImage image = Paint();
  EXPECT_EQ(bar->ButtonSquare(TB::kPlay), square);
  EXPECT_EQ(Frame(image, bar, TB::kPlay), kDownBorder);
  Release(square.center());
  EXPECT_EQ(Frame(Paint(), bar, TB::kPlay), kOverBorder);

  Send(300);
  scope.RefreshTimerTick();
  EXPECT_EQ(scope.Channels()->Channel(0)->DisplayCount(), 100);  // held
  Click(bar, TB::kPlay);
  EXPECT_FALSE(scope.Hold());
  EXPECT_EQ(scope.Channels()->Channel(0)->DisplayCount(), 300);  // at once, no tick
  Paint();
  EXPECT_EQ(bar->ButtonSquare(TB::kPause), square);
}

TEST_F(ToolBar, ZoomAndModeButtonsFollowTheirStates) {
  bar->SetAutoHide(false);
  Paint();
  const auto enabled = [&](int i) {
    Paint();
    return bar->IntButton(i).enabled;
  };
  EXPECT_FALSE(enabled(TB::kZoomOff));
  EXPECT_FALSE(enabled(TB::kZoomPrevious));
  EXPECT_FALSE(enabled(TB::kXYZoomOn));
  Click(bar, TB::kZoomIn);
  EXPECT_TRUE(scope.IsZoomed());
  EXPECT_TRUE(enabled(TB::kZoomOff));
  EXPECT_TRUE(enabled(TB::kZoomPrevious));
  EXPECT_FALSE(enabled(TB::kZoomNext));
  Click(bar, TB::kZoomPrevious);
  EXPECT_FALSE(scope.IsZoomed());
  EXPECT_TRUE(enabled(TB::kZoomNext));
  Click(bar, TB::kZoomNext);
  EXPECT_TRUE(scope.IsZoomed());
  Click(bar, TB::kZoomOff);
  EXPECT_FALSE(scope.IsZoomed());

  // Zoom in is disabled exactly when no axis may zoom in further.
  for (TSLDisplayAxis* axis : scope.Axes()) {
    axis->Zooming()->Range()->Low()->SetValue(1e9);
    axis->Zooming()->Range()->Low()->SetEnabled(true);
  }
  EXPECT_FALSE(scope.CanZoomIn());
  EXPECT_FALSE(enabled(TB::kZoomIn));
  const int undo = scope.UndoCount();
  Click(bar, TB::kZoomIn);
  EXPECT_EQ(scope.UndoCount(), undo);

  // A handler that sets Handled stops the action; the button still shows
  // pressed until the release.
  int clicks = 0;
  QObject::connect(bar->Buttons()->ZoomOut(), &TSLDisplayToolBarButton::OnClick, [&](QObject* sender, bool& handled) {
    EXPECT_EQ(sender, bar->Buttons()->ZoomOut());
    ++clicks;
    handled = true;
  });
  Press(Centre(bar, TB::kZoomOut));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(scope.IsZoomed());
  EXPECT_EQ(Frame(Paint(), bar, TB::kZoomOut), kDownBorder);
  Release(Centre(bar, TB::kZoomOut));
  EXPECT_FALSE(bar->IntButton(TB::kZoomOut).pressed);

  // Navigation mode: the hand is shown while zooming, the magnifier while panning.
  const QRect square = bar->ButtonSquare(TB::kPanMode);
  ASSERT_FALSE(square.isEmpty());
  Click(bar, TB::kPanMode);
  EXPECT_EQ(scope.NavigateMode(), SL::nmPan);
  Paint();
  EXPECT_EQ(bar->ButtonSquare(TB::kZoomMode), square);
  EXPECT_TRUE(bar->ButtonSquare(TB::kPanMode).isEmpty());
}

TEST_F(ToolBar, AxisToolBarsZoomTheirOwnAxis) {
  TSLAxisToolBar* ybar = scope.YAxis()->ToolBar();
  TSLAxisToolBar* xbar = scope.XAxis()->ToolBar();
  const QRect view = scope.DataViewRect(), yband = scope.YAxis()->ViewRect(), xband = scope.XAxis()->ViewRect();
  EXPECT_EQ(ybar->GetBounds(), QRect(yband.left() + 3, view.top(), 17, 4 * 17 + 1));
  EXPECT_EQ(xbar->GetBounds(), QRect(view.left(), xband.bottom() + 1 - 19, 4 * 17, 18));
  EXPECT_EQ(xbar->ButtonSquare(TSLAxisToolBar::kZoomOneDir).topLeft(), QPoint(view.left() + 51, xband.bottom() - 18));
  EXPECT_EQ(ybar->ButtonSquare(TSLAxisToolBar::kZoomOneDir).topLeft(), QPoint(yband.left() + 3, view.top() + 51));

  // Drawn only while the pointer is over its axis band or itself.
  Move(QPoint(yband.center().x(), yband.bottom() - 5));
  EXPECT_EQ(Frame(Paint(), ybar, TSLAxisToolBar::kZoomIn), kBorder);
  Move(view.center());
  EXPECT_NE(Frame(Paint(), ybar, TSLAxisToolBar::kZoomIn), kBorder);

  QList<SL::TSLZoomOperation> ops;
  QObject::connect(&scope, &TSLDataDisplay::OnZoomChanged,
                   [&](QObject*, SL::TSLZoomOperation op, TSLRealRanges&) { ops.append(op); });
  Click(ybar, TSLAxisToolBar::kZoomIn);
  EXPECT_TRUE(scope.YAxis()->IsZoomed());
  EXPECT_FALSE(scope.XAxis()->IsZoomed());
  EXPECT_DOUBLE_EQ(scope.YAxis()->ShownMax() - scope.YAxis()->ShownMin(), 1.0);
  EXPECT_EQ(ops, QList<SL::TSLZoomOperation>{SL::zoZoom});
  EXPECT_EQ(scope.UndoCount(), 1);
  Click(ybar, TSLAxisToolBar::kZoomOff);
  EXPECT_FALSE(scope.YAxis()->IsZoomed());
  EXPECT_EQ(ops.size(), 1);  // zoom off raises nothing, but is recorded
  EXPECT_EQ(scope.UndoCount(), 2);

  Paint();
  EXPECT_EQ(ybar->IntButton(TSLAxisToolBar::kZoomOneDir).glyph, SLGlyph::VerticalArrows);
  EXPECT_EQ(xbar->IntButton(TSLAxisToolBar::kZoomOneDir).glyph, SLGlyph::HorizontalArrows);
  Click(ybar, TSLAxisToolBar::kZoomOneDir);
  EXPECT_EQ(scope.Zooming()->Mode(), SL::zmYAxis);
  Paint();
  EXPECT_FALSE(ybar->IntButton(TSLAxisToolBar::kZoomOneDir).enabled);
  EXPECT_TRUE(xbar->IntButton(TSLAxisToolBar::kZoomOneDir).enabled);
  // The main toolbar's XY button returns to both directions.
  Click(bar, TB::kXYZoomOn);
  EXPECT_EQ(scope.Zooming()->Mode(), SL::zmBoth);
}

// The exported images: real files decoded back, never showing the toolbar.
struct Export : ToolBar {
  QTemporaryDir dir;
  QString answer;  // empty: the user cancels
  bool heldInDialog = false;
  TSLSaveChooser previousSave;
  TSLPrintChooser previousPrint;
  TSLClipboardSink previousClipboard;
  QImage clipboard;

  void SetUp() override {
    ToolBar::SetUp();
    ASSERT_TRUE(dir.isValid());
    previousSave = SetSaveChooser([this](QString& name, const QStringList& filters, const QString& suffix, QWidget*) {
      EXPECT_EQ(filters, QStringList({"Bitmap (*.bmp)", "JPEG File Interchange Format (*.jpg)"}));
      EXPECT_EQ(suffix, "bmp");
      heldInDialog = scope.Hold();
      name = answer;
      return !answer.isEmpty();
    });
    previousPrint = SetPrintChooser([this](QPrinter& printer, QWidget*) {
      heldInDialog = scope.Hold();
      if (answer.isEmpty()) return false;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(answer);
      return true;
    });
    previousClipboard = SetClipboardSink([this](const QImage& image) { clipboard = image; });
    Send(2000);
    scope.RefreshTimerTick();
    Move(Centre(bar, TB::kSave));
  }
  void TearDown() override {
    SetSaveChooser(previousSave);
    SetPrintChooser(previousPrint);
    SetClipboardSink(previousClipboard);
    ToolBar::TearDown();
  }
  QImage Printed() {
    QImage image(scope.size(), QImage::Format_RGB32);
    scope.PaintTo(image);
    return image;
  }
  QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(Export, SaveChoosesJpegOrBitmapByExtension) {
  // The toolbar is on screen while saving, and must not be in the file.
  const QRect square = bar->ButtonSquare(TB::kSave);
  EXPECT_EQ(Frame(Paint(), bar, TB::kSave), kOverBorder);
  const QImage expected = Printed();
  EXPECT_NE(expected.pixelColor(square.left() + 5, square.top()), kOverBorder);

  struct Case {
    QString typed, written;
    bool jpeg;
  };
  for (const Case& c : {Case{"a.JPG", "a.JPG", true}, Case{"b.jpeg", "b.jpeg", true}, Case{"c.JpEg", "c.JpEg", true},
                        Case{"d.bmp", "d.bmp", false}, Case{"e.png", "e.png", false}, Case{"f", "f.bmp", false}}) {
    SCOPED_TRACE(c.typed.toStdString());
    answer = dir.filePath(c.typed);
    heldInDialog = false;
    Click(bar, TB::kSave);
    EXPECT_TRUE(heldInDialog);
    EXPECT_FALSE(scope.Hold());
    const QByteArray bytes = Read(dir.filePath(c.written));
    ASSERT_FALSE(bytes.isEmpty());
    if (c.jpeg) {
      const jpeg::TRgbImage image =
          jpeg::DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
      ASSERT_EQ(QSize(image.width, image.height), scope.size());
      // Lossy, but close to the printed image everywhere we look.
      for (const QPoint p : {scope.DataViewRect().center(), QPoint(5, 5), square.topLeft() + QPoint(5, 0)}) {
        const uint8_t* px = &image.rgb[(size_t(p.y()) * image.width + p.x()) * 3];
        const QColor want = expected.pixelColor(p);
        EXPECT_NEAR(px[0], want.red(), 40);
        EXPECT_NEAR(px[1], want.green(), 40);
        EXPECT_NEAR(px[2], want.blue(), 40);
      }
    } else {
      ASSERT_TRUE(bytes.startsWith("BM"));
      TVLBasicBitmap bitmap;
      bitmap.LoadFromFile(dir.filePath(c.written));
      const QImage image = bitmap.Image().convertToFormat(QImage::Format_RGB32);
      EXPECT_EQ(image, expected);
    }
  }
}

TEST_F(Export, CancelledOrFailedSaveKeepsHoldAndReports) {
  answer.clear();
  scope.SetHold(true);
  Click(bar, TB::kSave);
  EXPECT_TRUE(heldInDialog);
  EXPECT_TRUE(scope.Hold());
  scope.SetHold(false);
  Click(bar, TB::kSave);
  EXPECT_FALSE(scope.Hold());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());

  TMessageRecorder messages;
  answer = dir.filePath("missing/folder/x.bmp");
  Click(bar, TB::kSave);
  ASSERT_EQ(messages.Messages().size(), 1);
  EXPECT_TRUE(messages.Messages().first().contains("missing")) << messages.Messages().first().toStdString();
  EXPECT_FALSE(scope.Hold());
}

TEST_F(Export, PrintPutsTheDisplayOnAPdfPage) {
  answer = dir.filePath("page.pdf");
  Click(bar, TB::kPrint);
  EXPECT_TRUE(heldInDialog);
  EXPECT_FALSE(scope.Hold());
  const QByteArray pdf = Read(answer);
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  // The page carries the rendered image, which Qt embeds as JPEG data.
  const int image = pdf.indexOf("/Subtype /Image");
  ASSERT_GE(image, 0);
  const int begin = pdf.indexOf('\n', pdf.indexOf("stream", image)) + 1;
  ASSERT_TRUE(pdf.mid(image, begin - image).contains("/DCTDecode"));
  const jpeg::TRgbImage decoded = jpeg::DecodeJpeg(reinterpret_cast<const uint8_t*>(pdf.constData() + begin),
                                                   size_t(pdf.indexOf("endstream", begin) - begin));
  const QImage page(decoded.rgb.data(), decoded.width, decoded.height, decoded.width * 3, QImage::Format_RGB888);
  ASSERT_GT(page.width(), 500);
  // Not blank: the channel's red trace and the green frame are on it.
  int red = 0, green = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
      green += c.green() > 100 && c.red() < 60 && c.blue() < 60;
    }
  EXPECT_GT(red, 50);
  EXPECT_GT(green, 50);

  // Cancelled: nothing printed, Hold as it was.
  answer.clear();
  scope.SetHold(true);
  Click(bar, TB::kPrint);
  EXPECT_TRUE(scope.Hold());
}

TEST_F(Export, CopyPutsThePrintedImageOnTheClipboardAndSetupOpensTheDialog) {
  Click(bar, TB::kCopy);
  EXPECT_EQ(clipboard, Printed());

  int page = -1, item = -1;
  bool visibleDuring = true;
  TSLDataChart::SetPropertiesDialogOpener([&](TSLDataChart* chart, int p, int i) {
    EXPECT_EQ(chart, &scope);
    page = p;
    item = i;
    visibleDuring = bar->Visible();
  });
  Click(bar, TB::kSetup);
  TSLDataChart::SetPropertiesDialogOpener({});
  EXPECT_EQ(page, TSLDataChart::kChannelsPage);
  EXPECT_EQ(item, 0);
  EXPECT_FALSE(visibleDuring);
  EXPECT_TRUE(bar->Visible());
}

}  // namespace
