// The scope's property dialog, opened as the user opens it (the scope's
// setup and axis entry points) and edited through its controls; the checks
// look at the scope afterwards.

#include "dialogs/axes_pages.h"
#include "dialogs/channel_links_page.h"
#include "dialogs/channels_page.h"
#include "dialogs/collection_page.h"
#include "dialogs/common_properties_form.h"
#include "dialogs/cursor_links_page.h"
#include "dialogs/zones_pages.h"
#include "dialogs/cursor_channel_link_page.h"
#include "dialogs/cursors_page.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/pen_brush_forms.h"
#include "dialogs/scope_properties_form.h"
#include "dialogs/standard_dialogs.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "forms/controls/form.h"
#include "forms/controls/register_controls.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"
#include "forms/register_scope.h"
#include "scope/axes/additional_axes.h"
#include "scope/scope.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A scope set up like the experiment's: two channels, cursors from the
// description, one cursor link, fixed ranges.
const char* kScope = R"(object F: TForm
  object Scp: TSLScope
    Left = 0
    Top = 0
    Width = 800
    Height = 230
    XAxis.Min.AutoScale = False
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 5.0
    XAxis.Max.DataValue = 40000.0
    XAxis.AxisLabel.Text = 'Time (s)'
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.AxisLabel.Text = 'Normalized Amplitude'
    Channels = <
      item
        Name = 'A'
        AxisIndex_ = (0 0)
      end
      item
        Name = 'B'
        Color = clYellow
        AxisIndex_ = (0 0)
      end>
    Cursors = <
      item
        Name = 'tA'
        AxisIndex_ = (0 0)
      end
      item
        Name = 'tB'
        Color = clYellow
        AxisIndex_ = (0 0)
      end
      item
        Name = 'tC'
        Color = clAqua
        AxisIndex_ = (0 0)
      end>
    CursorLinks = <
      item
        Name = '| tA - tB |'
        CursorIndex_ = (0 1)
      end>
  end
end
)";

class ScopeDialog : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardControls();
    RegisterScopeClasses();
    RegisterScopePropertiesDialog();
    ReadDescription(&form_, QString::fromUtf8(kScope));
    scope_ = form_.Component<TSLScope>("Scp");
    ASSERT_NE(scope_, nullptr);
    form_.move(100, 100);
    form_.Show();
  }
  void TearDown() override {
    SetScopeDialogHook({});
    SetColorChooser({});
    SetStyleEditHook({});
  }

  // Runs `body` on the dialog the scope opens, shown as the user sees it.
  void WithDialog(const std::function<void()>& open, const std::function<void(TSLScopePropertiesForm*)>& body) {
    bool opened = false;
    SetScopeDialogHook([&](TSLScopePropertiesForm* dialog) {
      opened = true;
      dialog->Show();
      QApplication::processEvents();
      body(dialog);
    });
    open();
    EXPECT_TRUE(opened);
  }
  void WithCursorsPage(const std::function<void(TSLScopePropertiesForm*, TSLScopeCursorsForm*)>& body) {
    WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kCursorsPage, 0); },
               [&](TSLScopePropertiesForm* d) {
                 auto* page = qobject_cast<TSLScopeCursorsForm*>(d->ActivePage());
                 ASSERT_NE(page, nullptr);
                 body(d, page);
               });
  }

  static void Click(TButton* button) {
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button->Button(), Qt::LeftButton);
  }
  static void Type(TEdit* edit, const QString& text) {
    edit->Editor()->setFocus();
    edit->Editor()->selectAll();
    QTest::keyClicks(edit->Editor(), text);
  }
  static void Key(TEdit* edit, Qt::Key key) { QTest::keyClick(edit->Editor(), key); }
  // A click (or double click) on a list entry, where the user's pointer
  // lands: on the entry's rectangle in the list's viewport.
  static void ClickEntry(TListBox* list, int row, bool twice = false) {
    QListWidget* view = list->List();
    ASSERT_LT(row, view->count());
    const QRect r = view->visualItemRect(view->item(row));
    ASSERT_TRUE(view->viewport()->rect().contains(r.center())) << row;
    // Right of a check box, on the entry's text.
    const QPoint at(r.left() + r.width() / 2, r.center().y());
    if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    else QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }
  // The shown entry of a drop-down list fits the field the style draws it in.
  static bool TextFits(TComboBox* combo) {
    QComboBox* box = combo->Combo();
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    return box->fontMetrics().horizontalAdvance(box->currentText()) <= field.width() - 2;
  }
  // A click where the pointer is over `top` at `p`: it reaches the widget
  // that shows there, as a real click would.
  static void ClickAt(QWidget* top, const QPoint& p) {
    QWidget* target = top->childAt(p);
    if (!target) target = top;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(top, p));
  }
  // A repaint of the scope happened after the last change.
  bool Repaints() {
    const int before = scope_->RedrawCount();
    scope_->grab();
    return scope_->RedrawCount() > before;
  }

  TForm form_;
  TSLScope* scope_ = nullptr;
};

TEST_F(ScopeDialog, AxisButtonOfAScopeWithoutMarkerGroupsOpensTheYAxesPageOnePlaceEarlier) {
  bool toolBarDuringDialog = true;
  // The user clicks the Y axis label.
  WithDialog([&] {
               scope_->RedrawBackBuffer();
               const QRect label = scope_->YAxis()->ButtonRect();
               ASSERT_FALSE(label.isEmpty());
               QTest::mouseClick(scope_, Qt::LeftButton, Qt::NoModifier, label.center());
             },
             [&](TSLScopePropertiesForm* d) {
               toolBarDuringDialog = scope_->ToolBar()->Visible();
               EXPECT_EQ(d->Caption(), QStringLiteral("Settings"));
               EXPECT_EQ(d->PageCount(), 8);
               EXPECT_EQ(d->PageControl->ActivePageIndex(), 7);
               auto* page = qobject_cast<TSLScopeYAxesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               EXPECT_EQ(d->PageControl->ActivePage()->Caption(), QStringLiteral("Y Axes"));
               EXPECT_EQ(page->AxisListBox->ItemIndex(), 0);
               EXPECT_EQ(page->AxisListBox->Item(0), QStringLiteral("Normalized Amplitude"));
               EXPECT_EQ(page->LabelEdit->Text(), QStringLiteral("Normalized Amplitude"));
               // The axes pages add and remove nothing.
               EXPECT_FALSE(d->AddButton->isEnabled());
               EXPECT_FALSE(d->RemoveButton->isEnabled());
               // The dialog grew to its largest page and sits 20 pixels in
               // from the scope's top right corner.
               const QSize sheet = d->PageControl->PageRect().size();
               EXPECT_EQ(sheet.width(), 545);  // the widest page: Ellipses
               EXPECT_EQ(sheet.height(), 262);  // the tallest page: Cursors
               EXPECT_EQ(d->ClientHeight() - d->PageControl->height(), 41);
               // The bottom bar's bevel runs round it, behind OK too: its
               // shadow lines on the right edge, OK in line with Add.
               const QImage bar = d->Panel1->grab().toImage();
               for (int x : {bar.width() - 1, bar.width() - 2})
                 EXPECT_EQ(bar.pixelColor(x, bar.height() / 2), QColor(128, 128, 128)) << x;
               EXPECT_EQ(d->OkButton->mapTo(d, QPoint()).y(), d->AddButton->mapTo(d, QPoint()).y());
               const QPoint corner = scope_->mapToGlobal(QPoint(scope_->width(), 0));
               EXPECT_EQ(d->pos(), QPoint(corner.x() - d->width() - 20, corner.y() + 20));
             });
  EXPECT_FALSE(toolBarDuringDialog);
  EXPECT_TRUE(scope_->ToolBar()->Visible());

  // With a marker group every page keeps its own place.
  scope_->MarkerGroups()->Add();
  WithDialog([&] { scope_->ShowAxisProperties(1); },
             [&](TSLScopePropertiesForm* d) {
               EXPECT_EQ(d->PageCount(), 9);
               EXPECT_EQ(d->PageControl->ActivePageIndex(), 8);
               EXPECT_NE(qobject_cast<TSLScopeYAxesForm*>(d->ActivePage()), nullptr);
             });
  // The X axis button opens the X axes page.
  WithDialog([&] { scope_->ShowAxisProperties(0); },
             [&](TSLScopePropertiesForm* d) {
               EXPECT_NE(qobject_cast<TSLScopeXAxesForm*>(d->ActivePage()), nullptr);
             });
}

TEST_F(ScopeDialog, ARangeTypedIntoTheYAxesPageMovesTheTracesAndABadNumberIsRefused) {
  WithDialog([&] { scope_->ShowAxisProperties(1); },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLScopeYAxesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               Repaints();  // start from a clean back buffer
               Type(page->MinEdit, QStringLiteral("-0.5"));
               EXPECT_FALSE(d->OkButton->Default());
               Type(page->MaxEdit, QStringLiteral("0.25"));  // leaving Min stores it
               Key(page->MaxEdit, Qt::Key_Return);
               EXPECT_TRUE(d->isVisible());
               EXPECT_TRUE(d->OkButton->Default());
               TSLDisplayAxis* y = scope_->YAxis();
               EXPECT_DOUBLE_EQ(y->Min()->Value(), -0.5);
               EXPECT_DOUBLE_EQ(y->Max()->Value(), 0.25);
               // Data values keep their relation to the shown values.
               EXPECT_DOUBLE_EQ(y->Min()->DataValue(), -500.0);
               EXPECT_DOUBLE_EQ(y->Max()->DataValue(), 250.0);
               EXPECT_TRUE(Repaints());

               TMessageRecorder messages;
               Type(page->MaxEdit, QStringLiteral("1,5x"));
               Key(page->MaxEdit, Qt::Key_Return);
               ASSERT_EQ(messages.Messages().size(), 1);
               EXPECT_TRUE(messages.Messages()[0].contains(QStringLiteral("'1,5x' is not a valid number")));
               EXPECT_DOUBLE_EQ(y->Max()->Value(), 0.25);
               EXPECT_EQ(page->MaxEdit->Text(), QStringLiteral("0.25"));
               // An empty range is refused too.
               Type(page->MinEdit, QStringLiteral("3"));
               Key(page->MinEdit, Qt::Key_Return);
               ASSERT_EQ(messages.Messages().size(), 2);
               EXPECT_DOUBLE_EQ(y->Min()->Value(), -0.5);
               EXPECT_FALSE(Repaints());
               // So are values that are no finite number, and ranges whose
               // data values would not be.
               for (const char* typed : {"inf", "-nan", "1e309", "1e308", "-1e306"}) {
                 TEdit* edit = typed[0] == '-' ? page->MinEdit : page->MaxEdit;
                 const auto before = messages.Messages().size();
                 Type(edit, QString::fromLatin1(typed));
                 Key(edit, Qt::Key_Return);
                 ASSERT_EQ(messages.Messages().size(), before + 1) << typed;
                 EXPECT_DOUBLE_EQ(y->Min()->Value(), -0.5) << typed;
                 EXPECT_DOUBLE_EQ(y->Max()->Value(), 0.25) << typed;
                 EXPECT_DOUBLE_EQ(y->Min()->DataValue(), -500.0) << typed;
                 EXPECT_DOUBLE_EQ(y->Max()->DataValue(), 250.0) << typed;
                 EXPECT_EQ(edit->Text(), edit == page->MinEdit ? QStringLiteral("-0.5") : QStringLiteral("0.25"));
               }
               EXPECT_TRUE(messages.Messages().last().contains(QStringLiteral("The range -1e+306 to 0.25")))
                   << messages.Messages().last().toStdString();
               // A wide range that the data values can still follow is taken.
               Type(page->MinEdit, QStringLiteral("-1e300"));
               Key(page->MinEdit, Qt::Key_Return);
               EXPECT_DOUBLE_EQ(y->Min()->Value(), -1e300);
               EXPECT_DOUBLE_EQ(y->Min()->DataValue(), -1e303);
               EXPECT_TRUE(Repaints());
             });
}

TEST_F(ScopeDialog, AxesPageEditsVisibilityScaleModeAndLabel) {
  WithDialog([&] { scope_->ShowAxisProperties(0); },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLScopeXAxesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               TSLDisplayAxis* x = scope_->XAxis();
               QTest::mouseClick(page->VisibleCheckBox->Box(), Qt::LeftButton);
               EXPECT_FALSE(x->Visible());
               EXPECT_FALSE(page->AxisListBox->Checked(0));
               page->AxisListBox->List()->item(0)->setCheckState(Qt::Checked);
               EXPECT_TRUE(x->Visible());
               EXPECT_TRUE(page->VisibleCheckBox->Checked());
               page->ScaleModeComboBox->Combo()->setCurrentIndex(2);
               EXPECT_EQ(x->ScaleMode(), SL::smLogDecascale);
               QTest::mouseClick(page->LabelVisibleCheckBox->Box(), Qt::LeftButton);
               EXPECT_FALSE(x->AxisLabel()->Visible());
               // The label follows the typing; Escape keeps it and closes
               // only at the second press.
               // An empty label lists the title the axis shows itself.
               Type(page->LabelEdit, QStringLiteral("x"));
               Key(page->LabelEdit, Qt::Key_Backspace);
               ASSERT_TRUE(x->AxisLabel()->Text().isEmpty());
               EXPECT_EQ(page->AxisListBox->Item(0), x->TitleText());
               EXPECT_NE(x->TitleText(), QStringLiteral("X Axis"));
               Type(page->LabelEdit, QStringLiteral("Seconds"));
               EXPECT_EQ(x->AxisLabel()->Text(), QStringLiteral("Seconds"));
               EXPECT_EQ(page->AxisListBox->Item(0), QStringLiteral("Seconds"));
               Key(page->LabelEdit, Qt::Key_Escape);
               EXPECT_TRUE(d->isVisible());
               EXPECT_EQ(x->AxisLabel()->Text(), QStringLiteral("Seconds"));
               Key(page->LabelEdit, Qt::Key_Escape);
               EXPECT_FALSE(d->isVisible());
             });
}

TEST_F(ScopeDialog, CursorsFromTheDescriptionStayAndAddedOnesCanBeRemoved) {
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    EXPECT_EQ(page->CursorListBox->Items(), (QStringList{"tA", "tB", "tC"}));
    EXPECT_EQ(page->KindComboBox->Items(), (QStringList{"Vertical", "Horizontal", "Both"}));
    EXPECT_EQ(page->ChannelsListBox->Items(), (QStringList{"A", "B"}));
    EXPECT_FALSE(page->NameEdit->geometry().intersects(page->KindComboBox->geometry()));
    // The axis titles fit the field the style shows them in.
    EXPECT_EQ(page->YAxisComboBox->Text(), QStringLiteral("Normalized Amplitude"));
    EXPECT_TRUE(TextFits(page->YAxisComboBox));
    // Checking a channel marks its crossing on the selected cursor.
    page->CursorListBox->List()->setCurrentRow(1);
    TSLDisplayCursor* tB = scope_->Cursors()->Cursor(1);
    page->ChannelsListBox->List()->item(1)->setCheckState(Qt::Checked);
    ASSERT_EQ(tB->Channels()->Count(), 1);
    EXPECT_EQ(tB->ChannelLink(0)->Channel(), 1);
    EXPECT_EQ(scope_->Cursors()->Cursor(0)->Channels()->Count(), 0);
    // The mark's own page opens under the cursor's fields and edits it.
    ASSERT_NE(page->ChannelLinkPage(), nullptr);
    EXPECT_TRUE(page->ChannelLinkPage()->isVisible());
    EXPECT_GE(page->ChannelLinkPage()->y(), page->YAxisComboBox->geometry().bottom());
    page->ChannelLinkPage()->ShapeComboBox->Combo()->setCurrentIndex(int(SL::msSquare));
    EXPECT_EQ(tB->ChannelLink(0)->Shape(), SL::msSquare);
    Type(page->ChannelLinkPage()->SizeEdit, QStringLiteral("7"));
    Key(page->ChannelLinkPage()->SizeEdit, Qt::Key_Return);
    EXPECT_EQ(tB->ChannelLink(0)->Size(), 7);
    TMessageRecorder refused;
    Type(page->ChannelLinkPage()->SizeEdit, QStringLiteral("big"));
    Key(page->ChannelLinkPage()->SizeEdit, Qt::Key_Return);
    EXPECT_EQ(tB->ChannelLink(0)->Size(), 7);
    EXPECT_EQ(page->ChannelLinkPage()->SizeEdit->Text(), QStringLiteral("7"));
    EXPECT_EQ(refused.Messages().size(), 1u);
    page->CursorListBox->List()->setCurrentRow(0);
    EXPECT_EQ(page->ChannelLinkPage(), nullptr);  // tA has no mark for B
    EXPECT_NE(page->ChannelsListBox->List()->item(1)->checkState(), Qt::Checked);
    page->CursorListBox->List()->setCurrentRow(1);
    EXPECT_EQ(page->ChannelsListBox->List()->item(1)->checkState(), Qt::Checked);
    page->ChannelsListBox->List()->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(tB->Channels()->Count(), 0);
    EXPECT_EQ(page->ChannelLinkPage(), nullptr);
    EXPECT_TRUE(d->AddButton->isEnabled());
    for (int i = 0; i < 3; ++i) {
      page->CursorListBox->List()->setCurrentRow(i);
      EXPECT_FALSE(d->RemoveButton->isEnabled()) << i;
      d->RemoveButtonClick(nullptr);  // refused even when asked directly
      EXPECT_EQ(scope_->Cursors()->Count(), 3);
    }
    Click(d->AddButton);
    ASSERT_EQ(scope_->Cursors()->Count(), 4);
    EXPECT_EQ(page->CursorListBox->ItemIndex(), 3);
    EXPECT_EQ(page->NameEdit->Text(), scope_->Cursors()->Cursor(3)->Name());
    EXPECT_TRUE(d->RemoveButton->isEnabled());
    // Edits go to the new cursor.
    page->KindComboBox->Combo()->setCurrentIndex(2);
    EXPECT_EQ(scope_->Cursors()->Cursor(3)->Kind(), SL::ckBoth);
    SetColorChooser([](QColor& c) {
      c = QColor(10, 20, 30);
      return true;
    });
    Repaints();
    Click(page->PointColorButton);
    EXPECT_EQ(scope_->Cursors()->Cursor(3)->Color(), QColor(10, 20, 30));
    EXPECT_EQ(page->ColorPaintBox->Color(), QColor(10, 20, 30));
    EXPECT_TRUE(Repaints());
    // A cancelled colour dialog changes nothing.
    SetColorChooser([](QColor& c) {
      c = Qt::green;
      return false;
    });
    Click(page->PointColorButton);
    EXPECT_EQ(scope_->Cursors()->Cursor(3)->Color(), QColor(10, 20, 30));
    // Removing the last entry selects the new last one.
    Click(d->RemoveButton);
    EXPECT_EQ(scope_->Cursors()->Count(), 3);
    EXPECT_EQ(page->CursorListBox->Count(), 3);
    EXPECT_EQ(page->CursorListBox->ItemIndex(), 2);
    EXPECT_EQ(page->NameEdit->Text(), QStringLiteral("tC"));
    EXPECT_FALSE(d->RemoveButton->isEnabled());
  });
  // The flag lasts beyond one showing of the dialog.
  auto* added = scope_->Cursors()->Add();
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    page->CursorListBox->List()->setCurrentRow(3);
    EXPECT_FALSE(d->RemoveButton->isEnabled());
    Q_UNUSED(added);
  });
}

TEST_F(ScopeDialog, RemovingTheOnlyCursorLeavesNoSelectionAndThePageDisabled) {
  scope_->Cursors()->Clear();
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    EXPECT_EQ(page->CursorListBox->ItemIndex(), -1);
    EXPECT_FALSE(page->NameEdit->isEnabled());
    EXPECT_FALSE(d->RemoveButton->isEnabled());
    Click(d->AddButton);
    EXPECT_TRUE(page->NameEdit->isEnabled());
    EXPECT_TRUE(page->KindComboBox->isEnabled());
    EXPECT_EQ(page->KindComboBox->ItemIndex(), 0);
    Click(d->RemoveButton);
    EXPECT_EQ(scope_->Cursors()->Count(), 0);
    EXPECT_EQ(page->CursorListBox->ItemIndex(), -1);
    EXPECT_FALSE(page->NameEdit->isEnabled());
    EXPECT_EQ(page->NameEdit->Text(), QString());
    EXPECT_FALSE(page->KindComboBox->isEnabled());
    EXPECT_EQ(page->KindComboBox->ItemIndex(), -1);
    EXPECT_FALSE(d->RemoveButton->isEnabled());
    EXPECT_TRUE(d->AddButton->isEnabled());
  });
}

TEST_F(ScopeDialog, EnterStoresANameEscapeRestoresItAndASecondEscapeCloses) {
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    page->CursorListBox->List()->setCurrentRow(1);
    Type(page->NameEdit, QStringLiteral("t2"));
    EXPECT_FALSE(d->OkButton->Default());
    EXPECT_EQ(scope_->Cursors()->Cursor(1)->Name(), QStringLiteral("tB"));
    Key(page->NameEdit, Qt::Key_Return);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(scope_->Cursors()->Cursor(1)->Name(), QStringLiteral("t2"));
    EXPECT_EQ(page->CursorListBox->Item(1), QStringLiteral("t2"));
    EXPECT_TRUE(d->OkButton->Default());

    Type(page->NameEdit, QStringLiteral("never"));
    Key(page->NameEdit, Qt::Key_Escape);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(page->NameEdit->Text(), QStringLiteral("t2"));
    EXPECT_EQ(page->NameEdit->Editor()->selectedText(), QStringLiteral("t2"));
    EXPECT_EQ(scope_->Cursors()->Cursor(1)->Name(), QStringLiteral("t2"));
    Key(page->NameEdit, Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
  });
  // With nothing typed, Enter is the OK button's.
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    page->NameEdit->Editor()->setFocus();
    Key(page->NameEdit, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(scope_->Cursors()->Cursor(1)->Name(), QStringLiteral("t2"));
  });
  // Leaving the field stores the name too (here by clicking Add).
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    Type(page->NameEdit, QStringLiteral("start"));
    d->AddButton->Button()->setFocus();
    EXPECT_EQ(scope_->Cursors()->Cursor(0)->Name(), QStringLiteral("start"));
    EXPECT_TRUE(d->OkButton->Default());
  });
}

TEST_F(ScopeDialog, CursorLinksCanBeAddedOnlyWhileTwoCursorsExist) {
  auto openLinks = [&](const std::function<void(TSLScopePropertiesForm*, TSLScopeCursorLinksForm*)>& body) {
    WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kCursorLinksPage, 0); },
               [&](TSLScopePropertiesForm* d) {
                 auto* page = qobject_cast<TSLScopeCursorLinksForm*>(d->ActivePage());
                 ASSERT_NE(page, nullptr);
                 body(d, page);
               });
  };
  openLinks([&](TSLScopePropertiesForm* d, TSLScopeCursorLinksForm* page) {
    EXPECT_EQ(page->CursorLinksListBox->Items(), QStringList{"| tA - tB |"});
    EXPECT_EQ(page->BeginCursorComboBox->Items(), (QStringList{"tA", "tB", "tC"}));
    EXPECT_EQ(page->EndCursorComboBox->ItemIndex(), 1);
    EXPECT_TRUE(d->AddButton->isEnabled());
    EXPECT_FALSE(d->RemoveButton->isEnabled());
    // The end cursor and the label template, through the "..." menu.
    page->EndCursorComboBox->Combo()->setCurrentIndex(2);
    EXPECT_EQ(scope_->CursorLinks()->Link(0)->EndCursorIndex(), 2);
    Type(page->LabelEdit, QStringLiteral("dt = "));
    QTest::mouseClick(page->LabelMenuButton->Button(), Qt::LeftButton);
    page->ValueMenuItem->Click();
    EXPECT_EQ(scope_->CursorLinks()->Link(0)->MeasurementLine()->MeasurementLabel()->Text(),
              QStringLiteral("dt = %V"));
    Click(d->AddButton);
    ASSERT_EQ(scope_->CursorLinks()->Count(), 2);
    EXPECT_TRUE(d->RemoveButton->isEnabled());
    Click(d->RemoveButton);
    EXPECT_EQ(scope_->CursorLinks()->Count(), 1);
    EXPECT_EQ(page->CursorLinksListBox->ItemIndex(), 0);
  });
  // Cursor names renamed on the cursors page reach the link page's lists.
  WithCursorsPage([&](TSLScopePropertiesForm* d, TSLScopeCursorsForm* page) {
    Type(page->NameEdit, QStringLiteral("first"));
    Key(page->NameEdit, Qt::Key_Return);
    d->SetActivePageIndex(d->PageCount() - 3);
    auto* links = qobject_cast<TSLScopeCursorLinksForm*>(d->ActivePage());
    ASSERT_NE(links, nullptr);
    EXPECT_EQ(links->BeginCursorComboBox->Items().value(0), QStringLiteral("first"));
  });
  scope_->Cursors()->Delete(2);
  scope_->Cursors()->Delete(1);
  openLinks([&](TSLScopePropertiesForm* d, TSLScopeCursorLinksForm*) {
    EXPECT_FALSE(d->AddButton->isEnabled());
    d->AddButtonClick(nullptr);
    EXPECT_EQ(scope_->CursorLinks()->Count(), 1);
  });
}

TEST_F(ScopeDialog, AColourPickedForAChannelRepaintsItAndABadWidthIsRefused) {
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kChannelsPage, 1); },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLScopeChannelForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               EXPECT_FALSE(d->AddButton->isEnabled());
               EXPECT_EQ(page->ChannelsListBox->ItemIndex(), 1);
               EXPECT_EQ(page->ColorPaintBox->Color(), QColor(Qt::yellow));
               TSLScopeChannel* b = scope_->Channels()->Channel(1);
               QColor offered;
               SetColorChooser([&](QColor& c) {
                 offered = c;
                 c = QColor(0, 128, 255);
                 return true;
               });
               Repaints();
               Click(page->ColorButton);
               EXPECT_EQ(offered, QColor(Qt::yellow));  // starts from the channel's colour
               EXPECT_EQ(b->Color(), QColor(0, 128, 255));
               EXPECT_EQ(page->ColorPaintBox->Color(), QColor(0, 128, 255));
               EXPECT_TRUE(Repaints());

               Type(page->WidthEdit, QStringLiteral("3"));
               Key(page->WidthEdit, Qt::Key_Return);
               EXPECT_EQ(b->Width(), 3);
               // The arrows beside the field step it and store it at once.
               auto* arrows = page->findChild<TUpDown*>(QStringLiteral("WidthUpDown"));
               ASSERT_NE(arrows, nullptr);
               QTest::mouseClick(arrows->UpButton(), Qt::LeftButton);
               EXPECT_EQ(b->Width(), 4);
               EXPECT_EQ(page->WidthEdit->Text(), QStringLiteral("4"));
               QTest::mouseClick(arrows->DownButton(), Qt::LeftButton);
               EXPECT_EQ(b->Width(), 3);
               TMessageRecorder messages;
               Type(page->WidthEdit, QStringLiteral("0"));
               Key(page->WidthEdit, Qt::Key_Return);
               ASSERT_EQ(messages.Messages().size(), 1);
               EXPECT_TRUE(messages.Messages()[0].contains(QStringLiteral("'0' is not a valid value for the width")));
               EXPECT_EQ(b->Width(), 3);
               EXPECT_EQ(page->WidthEdit->Text(), QStringLiteral("3"));
               page->ModeComboBox->Combo()->setCurrentIndex(1);
               EXPECT_EQ(b->ChannelMode(), SL::cmStep);
               // Unchecking the list entry hides the channel.
               page->ChannelsListBox->List()->item(0)->setCheckState(Qt::Unchecked);
               EXPECT_FALSE(scope_->Channels()->Channel(0)->Visible());
               EXPECT_EQ(page->ChannelsListBox->ItemIndex(), 0);
               EXPECT_EQ(page->NameEdit->Text(), QStringLiteral("A"));  // the toggled entry is shown
               EXPECT_FALSE(page->VisibleCheckBox->Checked());

               // The points' pen editor applies on OK only, and refuses a
               // bad width without closing.
               page->ChannelsListBox->List()->setCurrentRow(1);
               TSLDisplayPen* pen = b->Points()->Pen();
               const QColor penColor = pen->Color();
               SetStyleEditHook([&](TSLStyleEditForm* form) {
                 auto* editor = qobject_cast<TSLPenForm*>(form);
                 ASSERT_NE(editor, nullptr);
                 editor->StyleComboBox->Combo()->setCurrentIndex(int(Vcl::psDot));
                 editor->WidthEdit->SetText(QStringLiteral("-2"));
                 Click(editor->OkButton);
                 EXPECT_EQ(pen->Style(), Vcl::psSolid);
                 editor->WidthEdit->SetText(QStringLiteral("2"));
                 Click(editor->ColorButton);  // the chooser above gives (0, 128, 255)
                 Click(editor->OkButton);
               });
               Click(page->PointPenButton);
               EXPECT_EQ(pen->Style(), Vcl::psDot);
               EXPECT_EQ(pen->Width(), 2);
               EXPECT_EQ(pen->Color(), QColor(0, 128, 255));
               EXPECT_NE(pen->Color(), penColor);
               SetStyleEditHook([&](TSLStyleEditForm* form) {
                 form->StyleComboBox->Combo()->setCurrentIndex(int(Vcl::psDash));
                 Click(form->CancelButton);
               });
               Click(page->PointPenButton);
               EXPECT_EQ(pen->Style(), Vcl::psDot);
             });
}

TEST_F(ScopeDialog, ZonePointsAndChannelLinksAreEditedInPlace) {
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kZonesPage, 0); },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLDisplayZonesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               EXPECT_FALSE(page->PointAddButton->isEnabled());  // no zone yet: page disabled
               Click(d->AddButton);
               ASSERT_EQ(scope_->Zones()->Count(), 1);
               auto* zone = static_cast<TSLDisplayZone*>(scope_->Zones()->Item(0));
               Click(page->PointAddButton);
               Click(page->PointAddButton);
               ASSERT_EQ(zone->Points()->Count(), 2);
               EXPECT_EQ(page->PointsListBox->ItemIndex(), 1);
               Type(page->PointXEdit, QStringLiteral("2.5"));
               Key(page->PointXEdit, Qt::Key_Return);
               EXPECT_DOUBLE_EQ(static_cast<TSLRealPointItem*>(zone->Points()->Item(1))->X(), 2.5);
               EXPECT_EQ(page->PointsListBox->Item(1), QStringLiteral("(2.5; 0)"));
               Click(page->PointRemoveButton);
               EXPECT_EQ(zone->Points()->Count(), 1);
               EXPECT_EQ(page->PointsListBox->ItemIndex(), 0);
               // Checking a channel sees it through the zone; unchecking forgets it.
               page->ChannelsListBox->List()->item(1)->setCheckState(Qt::Checked);
               ASSERT_EQ(zone->Channels()->Count(), 1);
               EXPECT_EQ(zone->ChannelLink(0)->Channel(), 1);
               page->ChannelsListBox->List()->item(1)->setCheckState(Qt::Unchecked);
               EXPECT_EQ(zone->Channels()->Count(), 0);

               d->SetActivePageIndex(1);
               auto* links = qobject_cast<TSLScopeChannelLinkFormUnit*>(d->ActivePage());
               ASSERT_NE(links, nullptr);
               Click(d->AddButton);
               ASSERT_EQ(scope_->ChannelLinks()->Count(), 1);
               auto* link = static_cast<TSLDisplayChannelLink*>(scope_->ChannelLinks()->Item(0));
               links->ModeComboBox->Combo()->setCurrentIndex(1);
               EXPECT_EQ(link->ChannelLinkMode(), SL::clmBar);
               links->FirstChannelComboBox->Combo()->setCurrentIndex(1);
               EXPECT_EQ(link->FirstChannelIndex(), 1);
             });
}

TEST_F(ScopeDialog, MarkerGroupsKindWithoutMarkerGroupsOpensThePageInItsPlace) {
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kMarkerGroupsPage, 0); },
             [&](TSLScopePropertiesForm* d) {
               EXPECT_EQ(d->PageControl->ActivePageIndex(), 2);
               EXPECT_EQ(d->PageControl->ActivePage()->Caption(), QStringLiteral("Zones"));
             });
}

TEST_F(ScopeDialog, EllipseTabsEditTheLinkOfTheSelectedChannel) {
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kEllipsesPage, 0); },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLDisplayEllipsesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               Click(d->AddButton);
               ASSERT_EQ(scope_->Ellipses()->Count(), 1);
               auto* ellipse = static_cast<TSLDisplayEllipticZone*>(scope_->Ellipses()->Item(0));
               page->ChannelsListBox->List()->setCurrentRow(1);
               EXPECT_FALSE(page->PointsCheckBox->isEnabled());  // channel B is not seen through it yet
               page->ChannelsListBox->List()->item(1)->setCheckState(Qt::Checked);
               ASSERT_EQ(ellipse->Channels()->Count(), 1);
               EXPECT_TRUE(page->PointsCheckBox->isEnabled());
               EXPECT_TRUE(page->HighlightingCheckBox->Checked());
               QTest::mouseClick(page->PointsCheckBox->Box(), Qt::LeftButton);
               QTest::mouseClick(page->HighlightingCheckBox->Box(), Qt::LeftButton);
               EXPECT_TRUE(ellipse->ChannelLink(0)->Points());
               EXPECT_FALSE(ellipse->ChannelLink(0)->Highlighting());
               page->ChannelsListBox->List()->setCurrentRow(0);
               EXPECT_FALSE(page->PointsCheckBox->isEnabled());
               EXPECT_FALSE(page->PointsCheckBox->Checked());
               page->ChannelsListBox->List()->setCurrentRow(1);
               EXPECT_TRUE(page->PointsCheckBox->Checked());
             });
}

TEST_F(ScopeDialog, AClickOnAnyPagesListShowsAndEditsTheClickedEntry) {
  scope_->MarkerGroups()->Add();
  scope_->MarkerGroups()->Add();
  auto* second = scope_->YAxis()->AdditionalAxes()->Add();
  second->AxisLabel()->SetText(QStringLiteral("Second"));
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kChannelsPage, 0); },
             [&](TSLScopePropertiesForm* d) {
               ASSERT_EQ(d->PageCount(), 9);
               // Every page with a collection: two entries, a click on
               // each shows it, and a typed name goes to the clicked one.
               for (int p = 0; p < 7; ++p) {
                 d->SetActivePageIndex(p);
                 auto* page = qobject_cast<TSLCollectionPageForm*>(d->ActivePage());
                 ASSERT_NE(page, nullptr) << p;
                 while (page->Collection()->Count() < 2) Click(d->AddButton);
                 TListBox* list = page->ListBox();
                 const QString first = page->Element(0)->Name(), other = page->Element(1)->Name();
                 ASSERT_NE(first, other) << p;
                 ClickEntry(list, 1);
                 EXPECT_EQ(list->ItemIndex(), 1) << p;
                 EXPECT_EQ(page->NameEditField()->Text(), other) << p;
                 EXPECT_EQ(d->RemoveButton->isEnabled(), IsAddedInDialog(page->Element(1))) << p;
                 ClickEntry(list, 0);
                 EXPECT_EQ(page->NameEditField()->Text(), first) << p;
                 EXPECT_EQ(d->RemoveButton->isEnabled(), IsAddedInDialog(page->Element(0))) << p;
                 ClickEntry(list, 1);
                 Type(page->NameEditField(), QStringLiteral("picked%1").arg(p));
                 Key(page->NameEditField(), Qt::Key_Return);
                 EXPECT_EQ(page->Element(1)->Name(), QStringLiteral("picked%1").arg(p)) << p;
                 EXPECT_EQ(page->Element(0)->Name(), first) << p;
                 EXPECT_EQ(list->Item(1), QStringLiteral("picked%1").arg(p)) << p;
                 // The lists of axes show their titles whole.
                 if (auto* yAxis = page->findChild<TComboBox*>(QStringLiteral("YAxisComboBox"))) {
                   EXPECT_EQ(yAxis->Text(), QStringLiteral("Normalized Amplitude")) << p;
                   EXPECT_TRUE(TextFits(yAxis)) << p;
                 }
               }

               // Cursors: the swatch follows the click, and Remove comes
               // back with a click on the cursor added here.
               d->SetActivePageIndex(5);
               auto* cursors = qobject_cast<TSLScopeCursorsForm*>(d->ActivePage());
               ASSERT_NE(cursors, nullptr);
               ClickEntry(cursors->CursorListBox, 2);
               EXPECT_EQ(cursors->NameEdit->Text(), QStringLiteral("tC"));
               EXPECT_EQ(cursors->ColorPaintBox->Color(), QColor(Qt::cyan));
               Click(d->AddButton);
               ClickEntry(cursors->CursorListBox, 0);
               EXPECT_FALSE(d->RemoveButton->isEnabled());
               ClickEntry(cursors->CursorListBox, 3);
               EXPECT_TRUE(d->RemoveButton->isEnabled());
               // The crossing-mark page of a checked channel opens at a
               // click, stays at a second click and at a double click, and
               // closes at a click on an unchecked channel.
               ClickEntry(cursors->CursorListBox, 1);
               cursors->ChannelsListBox->List()->item(1)->setCheckState(Qt::Checked);
               ASSERT_EQ(scope_->Cursors()->Cursor(1)->Channels()->Count(), 1);
               ClickEntry(cursors->ChannelsListBox, 0);
               EXPECT_EQ(cursors->ChannelLinkPage(), nullptr);
               ClickEntry(cursors->ChannelsListBox, 1);
               ASSERT_NE(cursors->ChannelLinkPage(), nullptr);
               EXPECT_TRUE(cursors->ChannelLinkPage()->isVisible());
               ClickEntry(cursors->ChannelsListBox, 1);
               EXPECT_NE(cursors->ChannelLinkPage(), nullptr);
               ClickEntry(cursors->ChannelsListBox, 0);
               EXPECT_EQ(cursors->ChannelLinkPage(), nullptr);
               ClickEntry(cursors->ChannelsListBox, 1, true);
               EXPECT_NE(cursors->ChannelLinkPage(), nullptr);

               // The Y axes: the clicked axis's label and range.
               d->SetActivePageIndex(8);
               auto* axes = qobject_cast<TSLScopeYAxesForm*>(d->ActivePage());
               ASSERT_NE(axes, nullptr);
               ASSERT_EQ(axes->AxisListBox->Count(), 2);
               ClickEntry(axes->AxisListBox, 1);
               EXPECT_EQ(axes->LabelEdit->Text(), QStringLiteral("Second"));
               Type(axes->MaxEdit, QStringLiteral("7"));
               Key(axes->MaxEdit, Qt::Key_Return);
               EXPECT_DOUBLE_EQ(second->Max()->Value(), 7.0);
               EXPECT_DOUBLE_EQ(scope_->YAxis()->Max()->Value(), 1.0);
               ClickEntry(axes->AxisListBox, 0);
               EXPECT_EQ(axes->LabelEdit->Text(), QStringLiteral("Normalized Amplitude"));
               EXPECT_EQ(axes->MaxEdit->Text(), QStringLiteral("1"));
             });
  delete second;
}

TEST_F(ScopeDialog, EveryPageOpensByAClickOnItsTabThoughTheTabsDoNotAllFit) {
  scope_->MarkerGroups()->Add();
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kChannelsPage, 0); },
             [&](TSLScopePropertiesForm* d) {
               TPageControl* tabs = d->PageControl;
               ASSERT_EQ(d->PageCount(), 9);
               int scrolled = 0;
               // Forwards through every page, then back to the first.
               QList<int> order;
               for (int i = 0; i < 9; ++i) order.append(i);
               for (int i = 7; i >= 0; --i) order.append(i);
               for (int i : order) {
                 QAbstractButton* tab = tabs->TabButton(i);
                 // Shown whole, or brought into view with the arrows.
                 for (int tries = 0; tries < 20 && !(tab->isVisible() && tabs->rect().contains(tab->geometry()));
                      ++tries) {
                   QAbstractButton* arrow = tabs->TabScrollButton(i > tabs->ActivePageIndex());
                   ASSERT_TRUE(arrow->isVisible() && arrow->isEnabled()) << i;
                   ClickAt(tabs, arrow->geometry().center());
                   ++scrolled;
                 }
                 ASSERT_TRUE(tab->isVisible()) << i;
                 ASSERT_TRUE(tabs->rect().contains(tab->geometry())) << i;
                 // Nothing else lies over the tab's caption.
                 for (QAbstractButton* arrow : {tabs->TabScrollButton(false), tabs->TabScrollButton(true)})
                   if (arrow->isVisible()) {
                     EXPECT_FALSE(arrow->geometry().intersects(tab->geometry())) << i;
                   }
                 ClickAt(tabs, tab->geometry().center());
                 EXPECT_EQ(tabs->ActivePageIndex(), i);
                 EXPECT_EQ(d->ActivePage()->Caption(), tabs->Pages(i)->Caption());
                 EXPECT_TRUE(d->ActivePage()->isVisible()) << i;
               }
               EXPECT_GT(scrolled, 0);  // the nine tabs are wider than the dialog
               // Opening a page by code brings its tab into view.
               d->SetActivePageIndex(8);
               EXPECT_TRUE(tabs->TabButton(8)->isVisible());
               EXPECT_TRUE(tabs->rect().contains(tabs->TabButton(8)->geometry()));
             });
}

TEST_F(ScopeDialog, AnEmptyNameIsRefusedAndALongOneLeavesTheTracesTheirRoom) {
  const int dataWidth = scope_->DataViewRect().width();
  WithCursorsPage([&](TSLScopePropertiesForm*, TSLScopeCursorsForm* page) {
    ClickEntry(page->CursorListBox, 1);
    TMessageRecorder messages;
    for (const QString& blank : {QString(), QStringLiteral("   ")}) {
      Type(page->NameEdit, QStringLiteral("x"));
      Key(page->NameEdit, Qt::Key_Backspace);
      QTest::keyClicks(page->NameEdit->Editor(), blank);
      Key(page->NameEdit, Qt::Key_Return);
      EXPECT_EQ(scope_->Cursors()->Cursor(1)->Name(), QStringLiteral("tB"));
      EXPECT_EQ(page->CursorListBox->Item(1), QStringLiteral("tB"));
      EXPECT_EQ(page->NameEdit->Text(), QStringLiteral("tB"));
    }
    ASSERT_EQ(messages.Messages().size(), 2);
    EXPECT_TRUE(messages.Messages()[0].contains(QStringLiteral("is not a valid name")));

    // A very long name is kept whole, but its legend entry is cut short.
    const QString longName(300, QLatin1Char('w'));
    Type(page->NameEdit, longName);
    Key(page->NameEdit, Qt::Key_Return);
    EXPECT_EQ(scope_->Cursors()->Cursor(1)->Name(), longName);
    EXPECT_EQ(messages.Messages().size(), 2);
  });
  scope_->RedrawBackBuffer();
  const QRect legend = scope_->Legend()->ViewRect();
  EXPECT_GT(legend.width(), 0);
  EXPECT_LT(legend.width(), scope_->width() / 2);
  EXPECT_GT(scope_->DataViewRect().width(), scope_->width() / 2);
  EXPECT_GT(scope_->DataViewRect().width(), dataWidth - scope_->width() / 2);
  // The cut name ends inside the legend: the column right of it shows no
  // text of the entry.
  const QImage picture = scope_->BackBuffer();
  int inked = 0;
  for (int y = legend.top(); y <= legend.bottom(); ++y)
    if (picture.pixelColor(legend.right() - 1, y) != picture.pixelColor(legend.right() - 1, legend.top())) ++inked;
  EXPECT_EQ(inked, 0);
}

TEST_F(ScopeDialog, DisabledControlsShowGreyedText) {
  // The darkest pixel of a control's picture: its text, on these controls.
  const auto darkest = [](QWidget* w) {
    QApplication::processEvents();  // the lists lay out their entries late
    const QImage image = w->grab().toImage();
    int least = 255;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) least = std::min(least, image.pixelColor(x, y).lightness());
    return least;
  };
  WithDialog([&] { scope_->ShowPropertiesDialog(TSLDataChart::kZonesPage, 0); },
             [&](TSLScopePropertiesForm* d) {
               // The zones page without a zone: the whole page disabled.
               auto* zones = qobject_cast<TSLDisplayZonesForm*>(d->ActivePage());
               ASSERT_NE(zones, nullptr);
               ASSERT_FALSE(zones->PointAddButton->isEnabled());
               EXPECT_GT(darkest(zones->PointAddButton), 100);
               TGroupBox* group = zones->findChild<TGroupBox*>();
               ASSERT_NE(group, nullptr);
               ASSERT_FALSE(group->isEnabled());
               EXPECT_GT(darkest(group), 100);
               // The channel entries of its disabled list (and the list's frame).
               ASSERT_EQ(zones->ChannelsListBox->Count(), 2);
               EXPECT_GT(darkest(zones->ChannelsListBox->List()), 100);
               // Zones' Add is enabled and black; a zone enables the page.
               ASSERT_TRUE(d->AddButton->isEnabled());
               EXPECT_LT(darkest(d->AddButton), 60);
               Click(d->AddButton);
               EXPECT_LT(darkest(zones->PointAddButton), 60);
               EXPECT_LT(darkest(group), 60);
               EXPECT_LT(darkest(zones->ChannelsListBox->List()), 60);
               // Channels' Add is disabled.
               d->SetActivePageIndex(0);
               ASSERT_FALSE(d->AddButton->isEnabled());
               EXPECT_GT(darkest(d->AddButton), 100);
             });
}

TEST_F(ScopeDialog, TheFontDialogOffersTheLabelsColour) {
  SetFontChooser({});
  SetColorChooser([](QColor& c) {
    c = QColor(200, 0, 0);
    return true;
  });
  // The real font dialog: its colour button and OK, clicked once it shows.
  bool offered = false;
  QTimer poll;
  int polls = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && ++polls < 500) return;
    poll.stop();
    ASSERT_NE(modal, nullptr);
    auto* color = modal->findChild<QPushButton*>(QStringLiteral("FontColorButton"));
    offered = color != nullptr;
    if (color) QTest::mouseClick(color, Qt::LeftButton);
    auto* buttons = modal->findChild<QDialogButtonBox*>(QStringLiteral("FontDialogButtons"));
    if (buttons) QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    else modal->close();  // some other dialog: it must not stay open
  });
  WithDialog([&] { scope_->ShowAxisProperties(1); },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLScopeYAxesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               poll.start(10);
               Click(page->BitBtn3);
             });
  EXPECT_TRUE(offered);
  EXPECT_EQ(scope_->YAxis()->AxisLabel()->Font()->Color(), QColor(200, 0, 0));
}

TEST(EnumDisplayNames, DropTheLowerCasePrefixAndOptionallySpaceTheWords) {
  EXPECT_EQ(EnumDisplayNames(QMetaEnum::fromType<SL::TSLScaleMode>(), true),
            (QStringList{"Linear", "Logarithmic", "Log Decascale"}));
  EXPECT_EQ(EnumDisplayName("ckVertical"), QStringLiteral("Vertical"));
  // At least two characters remain.
  EXPECT_EQ(EnumDisplayName("abc"), QStringLiteral("bc"));
  EXPECT_EQ(EnumDisplayName("clmZone", true), QStringLiteral("Zone"));
}

}  // namespace

namespace {
// An additional Y axis: its own button opens the Y Axes page on it, the page
// lists the main axis and it and edits the entry the user clicked, and the
// cursors page offers it for a cursor.
TEST_F(ScopeDialog, AdditionalAxesAreListedAndEditedLikeTheMainOne) {
  auto* extra = scope_->YAxis()->AdditionalAxes()->Add();
  extra->SetAlign(SL::vaRight);
  extra->AxisLabel()->SetText(QStringLiteral("Volts"));
  WithDialog([&] {
               scope_->RedrawBackBuffer();
               const QRect label = extra->ButtonRect();
               ASSERT_FALSE(label.isEmpty());
               ASSERT_GT(label.left(), scope_->DataViewRect().right());
               QTest::mouseClick(scope_, Qt::LeftButton, Qt::NoModifier, label.center());
             },
             [&](TSLScopePropertiesForm* d) {
               auto* page = qobject_cast<TSLScopeYAxesForm*>(d->ActivePage());
               ASSERT_NE(page, nullptr);
               EXPECT_EQ(page->AxisListBox->Items(), (QStringList{"Normalized Amplitude", "Volts"}));
               EXPECT_EQ(page->AxisListBox->ItemIndex(), 1);
               EXPECT_EQ(page->LabelEdit->Text(), QStringLiteral("Volts"));
               QTest::mouseClick(page->VisibleCheckBox->Box(), Qt::LeftButton);
               EXPECT_FALSE(extra->Visible());
               EXPECT_TRUE(scope_->YAxis()->Visible());
               ClickEntry(page->AxisListBox, 0);
               EXPECT_EQ(page->LabelEdit->Text(), QStringLiteral("Normalized Amplitude"));
               EXPECT_TRUE(page->VisibleCheckBox->Checked());
               ClickEntry(page->AxisListBox, 1);
               EXPECT_FALSE(page->VisibleCheckBox->Checked());
             });
  WithCursorsPage([&](TSLScopePropertiesForm*, TSLScopeCursorsForm* page) {
    EXPECT_EQ(page->YAxisComboBox->Items(), (QStringList{"Normalized Amplitude", "Volts"}));
    page->YAxisComboBox->Combo()->setCurrentIndex(1);
    EXPECT_EQ(scope_->Cursors()->Cursor(0)->YAxisIndex(), 1);
  });
  // The axis goes: the cursor returns to the main axis.
  scope_->YAxis()->AdditionalAxes()->Delete(0);
  EXPECT_EQ(scope_->Cursors()->Cursor(0)->YAxisIndex(), 0);
  scope_->RedrawBackBuffer();
}
}  // namespace
