// The standard-control adapters: their properties and events as window
// descriptions and handlers use them.
#include "forms/class_registry.h"
#include "forms/controls/components.h"
#include "forms/controls/form.h"
#include "draw/message_service.h"
#include "forms/controls/register_controls.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QtTest/QTest>
#include <gmock/gmock.h>
#include <filesystem>
#include <stdexcept>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// A counter of events, and a handler that fails when asked to.
struct TEvents : QObject {
  int count = 0;
  bool fail = false;
  void Handle(QObject*) {
    ++count;
    if (fail) throw std::runtime_error("handler failed");
  }
};

TEST(Messages, HandlerErrorsAreShownAndTheProgramGoesOn) {
  TMessageRecorder recorder;
  RunEventHandler([] { throw std::runtime_error("'x' is not a valid integer value"); });
  RunEventHandler([] { throw 42; });
  RunEventHandler([] {});
  EXPECT_EQ(recorder.Messages(), QStringList({"'x' is not a valid integer value", "Unknown error"}));
  ShowMessage("hello");
  EXPECT_EQ(recorder.Messages().last(), "hello");
  {
    TMessageRecorder inner;
    ShowMessage("inner");
    EXPECT_EQ(inner.Messages(), QStringList{"inner"});
  }
  ShowMessage("outer again");
  EXPECT_EQ(recorder.Messages().last(), "outer again");
}

TEST(ScrollBar, PositionIsClampedAndChangesRaiseOnChange) {
  TScrollBar bar;
  TEvents events;
  QObject::connect(&bar, &TScrollBar::OnChange, &events, &TEvents::Handle);
  bar.SetMax(1000);
  bar.SetLargeChange(10);
  bar.SetPosition(15);
  EXPECT_EQ(events.count, 1);
  bar.SetPosition(15);
  EXPECT_EQ(events.count, 1);  // no change, no event
  bar.SetPosition(-5);
  EXPECT_EQ(bar.Position(), 0);
  bar.SetPosition(5000);
  EXPECT_EQ(bar.Position(), 1000);
  EXPECT_EQ(bar.Bar()->value(), 1000);
  EXPECT_EQ(events.count, 3);
  bar.SetMax(500);  // shrinking the range moves the position with it
  EXPECT_EQ(bar.Position(), 500);
  EXPECT_EQ(events.count, 4);
  EXPECT_EQ(bar.Bar()->pageStep(), 10);

  // A change made by code passes a handler's error back to that code...
  events.fail = true;
  EXPECT_THROW(bar.SetPosition(7), std::runtime_error);
  // ...while the user's change has it shown.
  TMessageRecorder recorder;
  bar.Bar()->setValue(9);
  EXPECT_EQ(bar.Position(), 9);
  EXPECT_EQ(recorder.Messages(), QStringList{"handler failed"});
}

TEST(TrackBar, PositionRangeAndTicks) {
  TTrackBar track;
  TEvents events;
  QObject::connect(&track, &TTrackBar::OnChange, &events, &TEvents::Handle);
  track.SetMax(2);
  track.SetPosition(1);
  EXPECT_EQ(events.count, 1);
  track.SetPosition(7);
  EXPECT_EQ(track.Position(), 2);
  track.SetTickMarks(Vcl::tmBoth);
  EXPECT_EQ(track.Slider()->tickPosition(), QSlider::TicksBothSides);
  track.SetTickStyle(Vcl::tsNone);
  EXPECT_EQ(track.Slider()->tickPosition(), QSlider::NoTicks);
  track.Slider()->setValue(0);  // the user drags
  EXPECT_EQ(track.Position(), 0);
  EXPECT_EQ(events.count, 3);
}

TEST(CheckBox, ChangesRaiseOnClickOnce) {
  TCheckBox box;
  TEvents events;
  QObject::connect(&box, &TCheckBox::OnClick, &events, &TEvents::Handle);
  box.SetChecked(true);
  box.SetChecked(true);
  EXPECT_EQ(events.count, 1);
  box.SetCaption("Show circles of trilateration");
  EXPECT_EQ(box.Box()->text(), "Show circles of trilateration");
  QTest::mouseClick(box.Box(), Qt::LeftButton);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(events.count, 2);
}

TEST(RadioButton, SiblingsAreExclusiveAndAClickDoesNotUncheck) {
  QWidget parent;
  auto* a = new TRadioButton(&parent);
  auto* b = new TRadioButton(&parent);
  QWidget other;
  auto* elsewhere = new TRadioButton(&other);
  for (auto* r : {a, b}) r->SetBounds(0, 0, 19, 24);
  TEvents events;
  QObject::connect(a, &TRadioButton::OnClick, &events, &TEvents::Handle);
  elsewhere->SetChecked(true);
  a->SetChecked(true);
  EXPECT_EQ(events.count, 1);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(elsewhere->Checked());  // another parent, another group
  EXPECT_EQ(events.count, 1);         // unchecking raises nothing
  QTest::mouseClick(a->Radio(), Qt::LeftButton);
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
  EXPECT_EQ(events.count, 2);
  QTest::mouseClick(a->Radio(), Qt::LeftButton);
  EXPECT_TRUE(a->Checked());
  EXPECT_EQ(events.count, 2);
}

TEST(Edit, TextAndChangeEvents) {
  TEdit edit;
  TEvents events;
  QObject::connect(&edit, &TEdit::OnChange, &events, &TEvents::Handle);
  edit.SetText("120");
  EXPECT_EQ(events.count, 1);
  QTest::keyClicks(edit.Editor(), "5");
  EXPECT_EQ(edit.Text(), "1205");
  EXPECT_EQ(events.count, 2);
  edit.SetMaxLength(3);
  EXPECT_EQ(edit.Editor()->maxLength(), 3);
}

TEST(ComboBox, EditableListKeepsTypedText) {
  TComboBox combo;
  combo.SetText("8000");
  combo.SetItems({"8000", "11025", "22050", "44100"});
  EXPECT_EQ(combo.Text(), "8000");
  EXPECT_EQ(combo.Items().size(), 4);
  combo.SetText("12000");
  EXPECT_EQ(combo.Text(), "12000");
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(3);
  EXPECT_EQ(combo.Text(), "44100");
  EXPECT_EQ(combo.ItemIndex(), 3);
}

TEST(Label, AutoSizeAndWordWrap) {
  TLabel label;
  label.SetCaption("Increse Radius");
  const int oneLine = label.Height();
  const int width = label.Width();
  EXPECT_GT(width, 40);
  label.SetCaption("Increse Radius and more words");
  EXPECT_GT(label.Width(), width);
  EXPECT_EQ(label.Height(), oneLine);

  TLabel wrapped;
  wrapped.SetWidth(143);
  wrapped.SetCaption("Select a station and click on map to capture coordenates. ");
  wrapped.SetWordWrap(true);
  EXPECT_EQ(wrapped.Width(), 143);  // keeps the width it was given
  EXPECT_GE(wrapped.Height(), 2 * oneLine);
}

TEST(PageControl, PagesTabsAndActivePage) {
  TPageControl pages;
  pages.SetBounds(0, 0, 400, 204);
  pages.SetStyle(Vcl::tsButtons);
  auto* one = new TTabSheet;
  auto* two = new TTabSheet;
  pages.InsertControl(one);
  pages.InsertControl(two);
  one->SetCaption("Station Position");
  two->SetCaption("View");
  ASSERT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(pages.ActivePage(), one);
  EXPECT_EQ(pages.TabButton(1)->text(), "View");
  EXPECT_FALSE(one->isHidden());
  EXPECT_TRUE(two->isHidden());
  EXPECT_EQ(one->geometry(), pages.PageRect());
  EXPECT_GE(pages.PageRect().width(), 390);
  // The buttons fit their captions in any font, and the page takes the
  // rest of the control below them.
  const QRect tab = pages.TabButton(0)->geometry();
  EXPECT_GE(tab.height(), QFontMetrics(pages.font()).height());
  EXPECT_LT(tab.bottom(), pages.PageRect().top());
  EXPECT_LT(pages.PageRect().bottom(), pages.height());
  EXPECT_GE(pages.PageRect().height(), pages.height() - tab.height() - 12);

  TEvents events;
  QObject::connect(&pages, &TPageControl::OnChange, &events, &TEvents::Handle);
  QTest::mouseClick(pages.TabButton(1), Qt::LeftButton);
  EXPECT_EQ(pages.ActivePage(), two);
  EXPECT_TRUE(one->isHidden());
  EXPECT_EQ(events.count, 1);
  delete two;
  EXPECT_EQ(pages.PageCount(), 1);
  EXPECT_EQ(pages.ActivePage(), one);
}

TEST(PageControl, TheActivePagesButtonIsDrawnPressed) {
  TPageControl pages;
  pages.SetBounds(0, 0, 400, 204);
  pages.SetStyle(Vcl::tsButtons);
  auto* one = new TTabSheet;
  auto* two = new TTabSheet;
  pages.InsertControl(one);
  pages.InsertControl(two);
  one->SetCaption("View");
  two->SetCaption("Data");
  // A pressed button has the dark outer edge on its top-left corner.
  const auto pressed = [&](int i) { return pages.TabButton(i)->grab().toImage().pixelColor(0, 0) == QColor(64, 64, 64); };
  EXPECT_TRUE(pressed(0));
  EXPECT_FALSE(pressed(1));
  QTest::mouseClick(pages.TabButton(1), Qt::LeftButton);
  EXPECT_FALSE(pressed(0));
  EXPECT_TRUE(pressed(1));
  // Clicking the active page's button keeps it pressed.
  QTest::mouseClick(pages.TabButton(1), Qt::LeftButton);
  EXPECT_TRUE(pressed(1));
  pages.SetStyle(Vcl::tsFlatButtons);
  EXPECT_TRUE(pressed(1));
  EXPECT_FALSE(pressed(0));
}

TEST(Shape, PenBrushAndMouseTransparency) {
  QWidget parent;
  parent.resize(100, 100);
  auto* shape = new TShape(&parent);
  shape->SetShape(Vcl::stCircle);
  shape->SetBounds(10, 10, 40, 40);
  shape->Pen()->SetColor(Qt::red);
  shape->Pen()->SetStyle(Vcl::psDot);
  shape->Brush()->SetStyle(Vcl::bsClear);
  EXPECT_EQ(shape->Pen()->ToQPen().style(), Qt::DotLine);
  EXPECT_EQ(shape->Brush()->ToQBrush().style(), Qt::NoBrush);
  // Decorations let clicks through to the map below them.
  EXPECT_TRUE(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
  const QImage shot = parent.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(30, 30)), QColor(parent.palette().window().color()));  // no fill
  bool redOnOutline = false;
  for (int x = 8; x <= 14 && !redOnOutline; ++x)
    redOnOutline = qRed(shot.pixel(x, 30)) > 150 && qGreen(shot.pixel(x, 30)) < 100;
  EXPECT_TRUE(redOnOutline);

  TImage image;
  EXPECT_TRUE(image.testAttribute(Qt::WA_TransparentForMouseEvents));
  TEvents events;
  QObject::connect(&image, &TImage::OnClick, &events, &TEvents::Handle);
  EXPECT_FALSE(image.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(Control, MouseDownReportsButtonAndPosition) {
  TPanel panel;
  panel.SetBounds(0, 0, 100, 80);
  QPoint seen;
  Qt::MouseButton button = Qt::NoButton;
  int clicks = 0;
  QObject::connect(&panel, &TControl::OnMouseDown,
                   [&](QObject*, Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                     button = b;
                     seen = QPoint(x, y);
                   });
  QObject::connect(&panel, &TControl::OnClick, [&](QObject*) { ++clicks; });
  QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(7, 9));
  EXPECT_EQ(button, Qt::RightButton);
  EXPECT_EQ(seen, QPoint(7, 9));
  EXPECT_EQ(clicks, 0);  // only the left button clicks
  QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(3, 4));
  EXPECT_EQ(seen, QPoint(3, 4));
  EXPECT_EQ(clicks, 1);
}

TEST(Control, DisabledControlsGreyTheirTextThoughTheFormSetsAFontColour) {
  // As the experiment windows' descriptions do: black text on silver.
  TForm form;
  form.SetColor(QColor(192, 192, 192));
  form.SetFontColor(Qt::black);
  form.resize(300, 200);
  auto* button = new TButton(&form);
  button->SetCaption("Start");
  auto* check = new TCheckBox(&form);
  check->SetCaption("Visible");
  check->SetTop(40);
  auto* panel = new TPanel(&form);
  panel->SetCaption("Ready");
  panel->SetBevelOuter(Vcl::bvNone);
  panel->SetTop(70);
  auto* edit = new TEdit(&form);
  edit->SetText("2.5");
  edit->SetTop(120);
  form.show();
  // The darkest pixel of a control: its text, on these controls.
  const auto darkest = [](QWidget* w) {
    const QImage image = w->grab().toImage();
    int least = 255;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) least = std::min(least, image.pixelColor(x, y).lightness());
    return least;
  };
  const QList<TControl*> controls{button, check, panel, edit};
  for (TControl* c : controls) EXPECT_LT(darkest(c), 60) << c->metaObject()->className();
  for (TControl* c : controls) c->SetEnabled(false);
  // Grey, yet still readable on the silver background.
  for (TControl* c : controls) {
    EXPECT_GT(darkest(c), 100) << c->metaObject()->className();
    EXPECT_LT(darkest(c), 160) << c->metaObject()->className();
  }
  // The font colour still reaches the enabled controls.
  form.SetFontColor(QColor(0, 0, 200));
  button->SetEnabled(true);
  EXPECT_EQ(button->Button()->palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 200));
  EXPECT_NE(button->Button()->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(0, 0, 200));
}

TEST(Control, HintShownFromOwnOrParentFlag) {
  TPanel parent;
  auto* child = new TImage(&parent);
  child->SetHint("x: 0 mm, y: 0 mm");
  EXPECT_FALSE(child->EffectiveShowHint());
  parent.SetShowHint(true);
  EXPECT_TRUE(child->EffectiveShowHint());
  child->SetShowHint(false);
  EXPECT_FALSE(child->EffectiveShowHint());
}

TEST(PopupMenu, ItemsRunTheirHandlerAfterTheMenuCloses) {
  TPopupMenu menu;
  auto* item = new TMenuItem(&menu);
  item->SetCaption("Load Image");
  auto* hidden = new TMenuItem(&menu);
  hidden->SetVisible(false);
  TEvents events;
  QObject::connect(item, &TMenuItem::OnClick, &events, &TEvents::Handle);
  menu.Popup(10, 10);
  ASSERT_NE(menu.ShownMenu(), nullptr);
  ASSERT_EQ(menu.ShownMenu()->actions().size(), 1);
  events.fail = true;
  TMessageRecorder recorder;
  menu.ShownMenu()->actions()[0]->trigger();
  EXPECT_EQ(events.count, 0);  // queued
  QApplication::processEvents();
  EXPECT_EQ(events.count, 1);
  EXPECT_EQ(recorder.Messages(), QStringList{"handler failed"});
  menu.ShownMenu()->close();
}

TEST(Timer, RunsOnlyWithAHandlerWhileEnabled) {
  TTimer timer;
  timer.SetInterval(5);
  EXPECT_FALSE(timer.Running());
  TEvents events;
  QObject::connect(&timer, &TTimer::OnTimer, &events, &TEvents::Handle);
  EXPECT_TRUE(timer.Running());
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  timer.SetEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return events.count >= 2; }, 30000));
}

// The folder dialog as the user works it: a new folder's name typed and
// Enter pressed makes that folder and chooses it. Whatever modal window
// shows up instead (the dialog still open, a "not found" message) is
// closed after a while, so that a failure ends the test rather than hangs it.
TEST(FolderDialog, ATypedNewFolderIsMadeAndChosen) {
  testsupport::TempDir dir;
  TFolderDialog dialog;
  dialog.SetTitle(QStringLiteral("Save Run"));
  dialog.SetDirectory(QString::fromStdString(dir.path().string()));
  bool typed = false;
  int polls = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (++polls > 400) {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* shown = qobject_cast<QDialog*>(window); shown && shown->isVisible()) shown->reject();
      return;
    }
    auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!files || typed || !files->isVisible()) return;
    auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) return;
    typed = true;
    // Typed outside this handler, so that the poll goes on should Enter
    // open another modal window.
    QTimer::singleShot(0, name, [name] {
      name->setFocus();
      QTest::keyClicks(name, QStringLiteral("group 3"));
      QTest::keyClick(name, Qt::Key_Return);
    });
  });
  poll.start(25);
  ASSERT_TRUE(dialog.Execute());
  poll.stop();
  EXPECT_TRUE(typed);
  const std::filesystem::path made = dir.path() / "group 3";
  EXPECT_TRUE(std::filesystem::is_directory(made));
  EXPECT_EQ(std::filesystem::path(dialog.Directory().toStdString()), made);
}

// A form class as the windows of the program declare them.
class TFormUnderTest : public TForm {
  Q_OBJECT
public:
  int created = 0;
  int clicks = 0;
public slots:
  void FormCreate(QObject*) { ++created; }
  void Button1Click(QObject*) { ++clicks; }
};

const char* kDescription = R"(object FormUnderTest: TFormUnderTest
  BorderStyle = bsDialog
  Caption = 'Under Test'
  ClientHeight = 120
  ClientWidth = 300
  Color = clSilver
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poMainFormCenter
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 2
    Top = 3
    Width = 200
    Height = 100
    BevelOuter = bvLowered
    Color = clGray
    object Label1: TLabel
      Left = 5
      Top = 6
      Caption = 'Increse Radius'
      Font.Color = clWhite
      Font.Height = -11
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Shape1: TShape
      Left = 10
      Top = 30
      Width = 20
      Height = 20
      Brush.Style = bsClear
      Pen.Color = clAqua
      Pen.Style = psDot
      Shape = stCircle
      Visible = False
    end
  end
  object Button1: TButton
    Left = 210
    Top = 90
    Width = 80
    Height = 25
    Caption = 'Apply and Save'
    OnClick = Button1Click
  end
  object Combo1: TComboBox
    Left = 210
    Top = 10
    Text = '1'
    Items.Strings = (
      '1'
      '2'
      '20')
  end
  object Bar1: TScrollBar
    Left = 210
    Top = 40
    LargeChange = 10
    Max = 1000
    Hint = 'Move the cursor'
    ShowHint = True
  end
  object Menu1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Load Image'
    end
  end
end
)";

TEST(Description, ReadsTheControlsPropertiesAndEvents) {
  RegisterStandardControls();
  TFormUnderTest form;
  ReadDescription(&form, QString::fromUtf8(kDescription));
  form.DoCreate();
  EXPECT_EQ(form.created, 1);
  EXPECT_EQ(form.Caption(), "Under Test");
  EXPECT_EQ(form.size(), QSize(300, 120));
  EXPECT_EQ(form.BorderStyle(), Vcl::bsDialog);
  EXPECT_EQ(form.Position(), Vcl::poMainFormCenter);
  EXPECT_EQ(form.Color(), QColor(0xC0, 0xC0, 0xC0));

  auto* panel = form.Component<TPanel>("Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->geometry(), QRect(2, 3, 200, 100));
  EXPECT_EQ(panel->BevelOuter(), Vcl::bvLowered);
  EXPECT_EQ(panel->Color(), QColor(0x80, 0x80, 0x80));
  auto* label = form.Component<TLabel>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->parentWidget(), panel);
  EXPECT_TRUE(label->Font().bold());
  EXPECT_EQ(label->Font().pixelSize(), 11);
  EXPECT_EQ(label->FontColor(), QColor(Qt::white));
  auto* shape = form.Component<TShape>("Shape1");
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Pen()->Color(), QColor(0, 255, 255));
  EXPECT_EQ(shape->Pen()->Style(), Vcl::psDot);
  EXPECT_EQ(shape->Brush()->Style(), Vcl::bsClear);
  EXPECT_FALSE(shape->Visible());
  auto* combo = form.Component<TComboBox>("Combo1");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->Items(), QStringList({"1", "2", "20"}));
  EXPECT_EQ(combo->Text(), "1");
  auto* bar = form.Component<TScrollBar>("Bar1");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Max(), 1000);
  EXPECT_EQ(bar->LargeChange(), 10);
  EXPECT_TRUE(bar->EffectiveShowHint());
  EXPECT_NE(form.Component<TMenuItem>("Item1"), nullptr);

  auto* button = form.Component<TButton>("Button1");
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button->Button(), Qt::LeftButton);
  EXPECT_EQ(form.clicks, 1);
}

TEST(Form, CloseHidesOtherFormsAndCentresOnTheMainForm) {
  TForm main;
  main.SetClientWidth(600);
  main.SetClientHeight(400);
  main.SetBorderStyle(Vcl::bsSingle);
  TForm::SetMainForm(&main);
  TForm dialog;
  dialog.SetBorderStyle(Vcl::bsDialog);
  dialog.SetClientWidth(200);
  dialog.SetClientHeight(100);
  dialog.SetPosition(Vcl::poMainFormCenter);
  EXPECT_EQ(dialog.minimumSize(), QSize(200, 100));
  EXPECT_EQ(dialog.maximumSize(), QSize(200, 100));
  main.Show();
  dialog.Show();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NEAR(dialog.frameGeometry().center().x(), main.frameGeometry().center().x(), 2);
  int closes = 0;
  QObject::connect(&dialog, &TForm::OnClose, [&](QObject*, Vcl::TCloseAction& action) {
    ++closes;
    EXPECT_EQ(action, Vcl::caHide);
  });
  dialog.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(dialog.isVisible());
  // Shown again after the main form moved: centred on it again.
  main.move(main.pos() + QPoint(150, 90));
  dialog.Show();
  EXPECT_NEAR(dialog.frameGeometry().center().x(), main.frameGeometry().center().x(), 2);
  EXPECT_NEAR(dialog.frameGeometry().center().y(), main.frameGeometry().center().y(), 2);
  // A form placed by its designer stays where it was moved to.
  dialog.Close();
  dialog.SetPosition(Vcl::poDesigned);
  dialog.move(10, 20);
  dialog.Show();
  EXPECT_EQ(dialog.pos(), QPoint(10, 20));
  TForm::SetMainForm(nullptr);
}

}  // namespace

#include "controls_standard_test.moc"
