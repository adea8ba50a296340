// The scope's property model: defaults, collections and their colours,
// clamping, loading and writing window descriptions, ZoomOff and label
// formats.

#include "forms/class_registry.h"
#include "forms/controls/form.h"
#include "forms/controls/register_controls.h"
#include "forms/description_reader.h"
#include "forms/description_syntax.h"
#include "forms/description_writer.h"
#include "scope/axes/additional_axes.h"
#include "forms/register_scope.h"
#include "pins/pin_list.h"
#include "scope/scope.h"

#include <gtest/gtest.h>

namespace {

// The acquisition window's upper scope, with the settings both of its
// scopes share.
const char* kAcquisitionScope = R"(object Form3: TForm
  Caption = 'Signal Acquisition'
  object ScpAB: TSLScope
    Left = 0
    Top = 0
    Width = 800
    Height = 230
    ToolBar.GlyphColor = clSilver
    ToolBar.BorderColor = clGray
    ToolBar.MouseOverBorderColor = clAqua
    ToolBar.MouseOverButtonColor = clNavy
    ToolBar.MouseDownBorderColor = clAqua
    ToolBar.MouseDownButtonColor = clBlue
    ToolBar.DisabledColor = clGray
    ToolBar.Position.CY = -48
    ToolBar.Position.HostView = thvDataView
    ToolBar.Buttons.Setup.Visible = False
    ToolBar.Buttons.Hold.Visible = False
    ToolBar.Buttons.ZoomPrevious.Visible = False
    ToolBar.Buttons.ZoomNext.Visible = False
    ToolBar.Buttons.ZoomMode.Visible = False
    ToolBar.Buttons.XYZoomOn.Visible = False
    ToolBar.Buttons.Copy.Visible = False
    ToolBar.Buttons.Print.Visible = False
    ToolBar.Buttons.Save.Visible = False
    Zooming.MouseZoom = False
    Zooming.KeyboardZoom = False
    Zooming.HoldOnZoom = False
    NavigateMode = nmPan
    XAxis.Min.AutoScale = False
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 5.0
    XAxis.Max.DataValue = 40000.0
    XAxis.Format.Precision = 3
    XAxis.Color = clGray
    XAxis.Font.Color = clGray
    XAxis.AxisLabel.Text = 'Time (s)'
    XAxis.AxisLabel.Font.Style = [fsItalic]
    XAxis.MajorTicks.Mode = mtmCustom
    XAxis.MajorTicks.Step = 10.0
    XAxis.MajorTicks.StartFrom.Mode = mtmCustom
    XAxis.MinorTicks.Count = 0
    XAxis.TrackCursor = False
    XAxis.DataView.Lines.Pen.Color = clGray
    XAxis.DataView.Lines.Pen.Style = psDot
    XAxis.DataView.ZeroLine.Pen.Color = clGray
    XAxis.UnitScale.AutoScale = False
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.Format.Precision = 3
    YAxis.Color = clGray
    YAxis.Font.Color = clGray
    YAxis.AxisLabel.Text = 'Normalized Amplitude'
    YAxis.AxisLabel.Font.Style = [fsItalic]
    YAxis.MajorTicks.Mode = mtmCustom
    YAxis.MajorTicks.Step = 10.0
    YAxis.MajorTicks.StartFrom.Mode = mtmCustom
    YAxis.MinorTicks.Count = 0
    YAxis.TrackCursor = False
    YAxis.Button.Enabled = False
    YAxis.ToolBar.Buttons.ZoomOneDir.Visible = False
    YAxis.DataView.Lines.Pen.Color = clGray
    YAxis.DataView.Lines.Pen.Style = psDot
    YAxis.DataView.ZeroLine.Pen.Color = clGray
    YAxis.AutoScaling.Enabled = False
    Legend.Font.Color = clSilver
    Legend.Buttons.Enabled = False
    Legend.Channels.Caption.Text = 'Sensors'
    Legend.Channels.Caption.Font.Color = clSilver
    Legend.Channels.Caption.Font.Height = -13
    Legend.Channels.Caption.Font.Style = [fsBold]
    Legend.Cursors.Caption.Text = 'Pulse time'
    Legend.Cursors.Caption.Font.Color = clSilver
    Legend.Cursors.Caption.Font.Height = -13
    Legend.Cursors.Caption.Font.Style = [fsBold]
    Legend.CursorLinks.Caption.Text = 'Delay'
    Legend.CursorLinks.Caption.Font.Color = clSilver
    Legend.CursorLinks.Caption.Font.Height = -13
    Legend.CursorLinks.Caption.Font.Style = [fsBold]
    Title.Text = 'Acquired Signals in the Sensors A and B'
    Title.Font.Color = clSilver
    Title.Font.Height = -16
    DataView.Border.Pen.Color = clGray
    Highlighting.Channels.HiglightLegendButton = False
    Highlighting.Channels.HiglightFromLegend = False
    Highlighting.Labels.HiglightLegendButton = False
    Highlighting.Labels.HiglightFromLegend = False
    Highlighting.Labels.HiglightFromMouse = False
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
      end>
    CursorLinks = <
      item
        Name = '| tA - tB |'
        MeasurementLine.Y = -1.0
        MeasurementLine.Color = clWhite
        MeasurementLine.Style = psSolid
        MouseCursor = 0
        CursorIndex_ = (0 1)
      end>
  end
end
)";

class ScopeModel : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardControls();
    RegisterScopeClasses();
  }
};

TEST_F(ScopeModel, NewScopeHasOneRedChannelNamedChannel0AndItsPins) {
  TSLScope scope;
  ASSERT_EQ(scope.Channels()->Count(), 1);
  EXPECT_EQ(scope.Channels()->Channel(0)->Name(), QStringLiteral("Channel0"));
  EXPECT_EQ(scope.Channels()->Channel(0)->Color(), QColor(Qt::red));
  ASSERT_EQ(scope.InputPins()->Count(), 1);
  EXPECT_EQ(scope.InputPins()->GetPin(0), scope.Channels()->Channel(0)->InputPin());
  EXPECT_EQ(scope.XInputPins()->GetPin(0), scope.Channels()->Channel(0)->XInputPin());
  EXPECT_EQ(scope.width(), 450);
  EXPECT_EQ(scope.height(), 280);
  EXPECT_EQ(scope.Title()->Text(), QStringLiteral("Scope"));
  // Views in layout order.
  ASSERT_EQ(scope.Views().size(), 5);
  EXPECT_EQ(scope.Views()[0], scope.Title());
  EXPECT_EQ(scope.Views()[1], scope.Legend());
  EXPECT_EQ(scope.Views()[4], scope.DataView());
}

TEST_F(ScopeModel, NewChannelsTakeTheLeastUsedColourAndPinNames) {
  TSLScope scope;
  scope.Channels()->Clear();
  EXPECT_EQ(scope.InputPins()->Count(), 0);
  for (int i = 0; i < 3; ++i) scope.Channels()->Add();
  EXPECT_EQ(scope.Channels()->Channel(0)->Color(), QColor(255, 0, 0));
  EXPECT_EQ(scope.Channels()->Channel(1)->Color(), QColor(0, 255, 0));
  EXPECT_EQ(scope.Channels()->Channel(2)->Color(), QColor(0, 0, 255));
  scope.Channels()->Delete(1);
  scope.Channels()->Add();
  EXPECT_EQ(scope.Channels()->Channel(2)->Color(), QColor(0, 255, 0));
  // Named after the pins that existed before; renaming renames the pins.
  EXPECT_EQ(scope.Channels()->Channel(2)->Name(), QStringLiteral("Channel2"));
  scope.Channels()->Channel(0)->SetName(QStringLiteral("Left"));
  EXPECT_EQ(scope.InputPins()->GetPinName(0), QStringLiteral("Left"));
  EXPECT_EQ(scope.XInputPins()->GetPinName(0), QStringLiteral("Left"));
}

TEST_F(ScopeModel, WidthIsClampedAndCursorsGetPaletteColours) {
  TSLScope scope;
  TSLScopeChannel* channel = scope.Channels()->Channel(0);
  channel->SetWidth(0);
  EXPECT_EQ(channel->Width(), 1);
  channel->SetWidth(5000);
  EXPECT_EQ(channel->Width(), 2000);
  scope.Cursors()->Add();
  scope.Cursors()->Add();
  EXPECT_EQ(scope.Cursors()->Cursor(0)->Name(), QStringLiteral("Cursor1"));
  EXPECT_EQ(scope.Cursors()->Cursor(1)->Color(), QColor(0, 255, 0));
}

TEST_F(ScopeModel, CursorXIsClampedOnReadAndStoredAsWritten) {
  TSLScope scope;
  scope.XAxis()->Max()->SetValue(5.0);
  auto* cursor = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
  cursor->Position()->SetX(7.5);
  EXPECT_DOUBLE_EQ(cursor->Position()->X(), 5.0);
  EXPECT_DOUBLE_EQ(cursor->Position()->StoredX(), 7.5);
  cursor->Position()->SetX(-1.0);
  EXPECT_DOUBLE_EQ(cursor->Position()->X(), 0.0);
  scope.ReapplyCursorPositions();
  EXPECT_DOUBLE_EQ(cursor->Position()->StoredX(), 0.0);
}

TEST_F(ScopeModel, AcquisitionScopeDescriptionRoundTrips) {
  TForm first;
  ReadDescription(&first, QString::fromUtf8(kAcquisitionScope));
  auto* scope = first.findChild<TSLScope*>(QStringLiteral("ScpAB"));
  ASSERT_NE(scope, nullptr);
  EXPECT_EQ(scope->Channels()->Count(), 2);
  EXPECT_EQ(scope->Channels()->Channel(1)->Color(), QColor(255, 255, 0));
  EXPECT_EQ(scope->Channels()->Channel(1)->Name(), QStringLiteral("B"));
  EXPECT_EQ(scope->InputPins()->GetPinName(1), QStringLiteral("B"));
  EXPECT_EQ(scope->Cursors()->Cursor(1)->Name(), QStringLiteral("tB"));
  EXPECT_EQ(scope->CursorLinks()->Link(0)->EndCursorIndex(), 1);
  EXPECT_DOUBLE_EQ(scope->CursorLinks()->Link(0)->MeasurementLine()->Y(), -1.0);
  EXPECT_EQ(scope->NavigateMode(), SL::nmPan);
  EXPECT_EQ(scope->ToolBar()->Position()->CY(), -48);
  EXPECT_FALSE(scope->ToolBar()->Buttons()->Save()->Visible());
  EXPECT_DOUBLE_EQ(scope->XAxis()->Max()->DataValue(), 40000.0);
  EXPECT_EQ(scope->YAxis()->AxisLabel()->Font()->Style(), Vcl::TFontStyles(Vcl::fsItalic));
  EXPECT_EQ(scope->Legend()->Cursors()->CaptionText(), QStringLiteral("Pulse time"));

  const QString written = WriteDescription(&first);
  TForm second;
  ReadDescription(&second, written);
  EXPECT_EQ(WriteDescription(&second), written);
  // Everything the text set is written back (zero floats go to _Floats).
  for (const char* line : {"ToolBar.Position.HostView = thvDataView", "XAxis.Max.DataValue = 40000.0",
                           "Title.Text = 'Acquired Signals in the Sensors A and B'", "CursorIndex_ = (0 1)",
                           "Legend.CursorLinks.Caption.Text = 'Delay'", "YAxis.AutoScaling.Enabled = False",
                           "MeasurementLine.Style = psSolid", "AxisIndex_ = (0 0)"})
    EXPECT_TRUE(written.contains(QString::fromLatin1(line))) << line << "\n" << written.toStdString();
}

TEST_F(ScopeModel, FreshScopeWritesNothing) {
  TForm form;
  form.setObjectName(QStringLiteral("Form1"));
  auto* scope = new TSLScope(&form);
  scope->setObjectName(QStringLiteral("Scp"));
  // Pin lists always name their form; nothing else differs from a new scope.
  EXPECT_EQ(WriteDescription(&form).toStdString(),
            "object Form1: TForm\n  object Scp: TSLScope\n    InputPins.Form = Form1\n    XInputPins.Form = Form1\n"
            "  end\nend\n");
}

// Additional axes are stored as collections of the main axes; a channel's
// axis index read before its axis exists is resolved once the description
// is read, and an index with no axis at all falls back to the main axis.
TEST_F(ScopeModel, AdditionalAxesAndAxisIndicesRoundTrip) {
  TForm first;
  ReadDescription(&first, QStringLiteral("object F: TForm\n  object S: TSLScope\n"
                                         "    Channels = <\n      item\n        AxisIndex_ = (1 1)\n      end\n"
                                         "      item\n        AxisIndex_ = (2 0)\n      end>\n"
                                         "    XAxis.AdditionalAxes = <\n      item\n        Align = vaTop\n"
                                         "        TicksMode = atmTime\n      end>\n"
                                         "    YAxis.AdditionalAxes = <\n      item\n        Align = vaRight\n"
                                         "        Max.Value = 10.0\n        AxisLabel.Text = 'Volts'\n"
                                         "        AutoScaling.Enabled = False\n      end>\n  end\nend\n"));
  auto* scope = first.findChild<TSLScope*>();
  ASSERT_NE(scope, nullptr);
  ASSERT_EQ(scope->YAxis()->AdditionalAxes()->Count(), 1);
  ASSERT_EQ(scope->XAxis()->AdditionalAxes()->Count(), 1);
  TSLBasicScopeYAxis* extra = scope->YAxis()->AdditionalAxes()->YAxis(0);
  EXPECT_EQ(scope->YAxisAt(1), extra);
  EXPECT_EQ(scope->XAxisAt(1), scope->XAxis()->AdditionalAxes()->Axis(0));
  EXPECT_EQ(scope->AxisIndexOf(extra), 3);  // X axes first
  EXPECT_EQ(extra->Align(), SL::vaRight);
  EXPECT_DOUBLE_EQ(extra->Max()->Value(), 10.0);
  EXPECT_EQ(extra->AxisLabel()->Text(), QStringLiteral("Volts"));
  EXPECT_EQ(scope->XAxis()->AdditionalAxes()->XAxis(0)->Align(), SL::vaTop);
  EXPECT_EQ(scope->Views().size(), 7);
  EXPECT_EQ(scope->Channels()->Channel(0)->YAxisIndex(), 1);
  EXPECT_EQ(scope->Channels()->Channel(0)->XAxisIndex(), 1);
  EXPECT_EQ(scope->Channels()->Channel(1)->YAxisIndex(), 0);

  const QString written = WriteDescription(&first);
  for (const char* line : {"YAxis.AdditionalAxes = <", "AxisLabel.Text = 'Volts'", "Align = vaRight",
                           "TicksMode = atmTime", "AxisIndex_ = (1 1)", "AxisIndex_ = (0 0)"})
    EXPECT_TRUE(written.contains(QString::fromLatin1(line))) << line << "\n" << written.toStdString();
  TForm second;
  ReadDescription(&second, written);
  EXPECT_EQ(WriteDescription(&second), written);
  auto* copy = second.findChild<TSLScope*>();
  ASSERT_EQ(copy->YAxis()->AdditionalAxes()->Count(), 1);
  EXPECT_EQ(copy->Channels()->Channel(0)->YAxisIndex(), 1);
  // Assigning one main axis to another copies its additional axes.
  TSLScope plain;
  plain.SetYAxis(copy->YAxis());
  ASSERT_EQ(plain.YAxis()->AdditionalAxes()->Count(), 1);
  EXPECT_DOUBLE_EQ(plain.YAxisAt(1)->Max()->Value(), 10.0);
}

TEST_F(ScopeModel, EqualYEndsLoadAsSymmetricRange) {
  TForm form;
  ReadDescription(&form, QStringLiteral("object F: TForm\n  object S: TSLScope\n"
                                        "    YAxis.Min.Value = 2.0\n    YAxis.Max.Value = 2.0\n  end\nend\n"));
  auto* scope = form.findChild<TSLScope*>();
  EXPECT_DOUBLE_EQ(scope->YAxis()->Min()->Value(), -2.0);
  EXPECT_DOUBLE_EQ(scope->YAxis()->Max()->Value(), 2.0);
}

TEST_F(ScopeModel, WrongValueIsALineNumberedErrorAndNoHalfBuiltScope) {
  TForm form;
  try {
    ReadDescription(&form, QStringLiteral("object F: TForm\n  object S: TSLScope\n"
                                          "    NavigateMode = nmFly\n  end\nend\n"));
    FAIL() << "accepted an unknown enumerator";
  } catch (const EDescriptionError& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(QStringLiteral("line 3:"))) << e.what();
  }
  EXPECT_EQ(form.findChild<TSLScope*>(), nullptr);
  EXPECT_THROW(ReadDescription(&form, QStringLiteral("object F: TForm\n  object S: TSLScope\n"
                                                     "    Channels = <\n      item\n        AxisIndex_ = ('a')\n"
                                                     "      end>\n  end\nend\n")),
               EDescriptionError);
}

TEST_F(ScopeModel, ZoomOffOnAnUnzoomedScopeStillRecordsAndReports) {
  TSLScope scope;
  TSLRealRanges seen;
  int calls = 0;
  QObject::connect(&scope, &TSLDataDisplay::OnZoomChanged, [&](QObject*, SL::TSLZoomOperation op, TSLRealRanges& r) {
    EXPECT_EQ(op, SL::zoZoomOff);
    seen = r;
    ++calls;
  });
  scope.ZoomOff();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(scope.UndoCount(), 1);
  EXPECT_EQ(seen.BeforeMin, seen.AfterMin);
  EXPECT_EQ(seen.BeforeMax, seen.AfterMax);
  EXPECT_DOUBLE_EQ(seen.AfterMax.X, 1024.0);
  // A zoomed axis returns to its ends.
  scope.XAxis()->SetZoomed(10, 20);
  EXPECT_TRUE(scope.IsZoomed());
  scope.ZoomOff();
  EXPECT_FALSE(scope.IsZoomed());
  EXPECT_DOUBLE_EQ(seen.BeforeMax.X, 20.0);
  EXPECT_DOUBLE_EQ(seen.AfterMax.X, 1024.0);
}

TEST_F(ScopeModel, FormatPointTextExpandsPlaceholders) {
  TSLScope scope;
  const QString x = scope.FormatAxisValue(scope.XAxis(), 1.5);
  const QString y = scope.FormatAxisValue(scope.YAxis(), -2.0);
  EXPECT_EQ(scope.FormatPointText(QStringLiteral("%X : %Y"), QString(), 1.5, -2.0), x + " : " + y);
  EXPECT_EQ(scope.FormatPointText(QStringLiteral("100%% at %x%"), QString(), 1.5, 0), "100% at " + x);
  EXPECT_EQ(scope.FormatPointText(QString(), QStringLiteral("[%Y]"), 0, -2.0), "[" + y + "]");
  EXPECT_EQ(scope.FormatPointText(QStringLiteral("<%D>%q"), QStringLiteral("%X"), 1.5, 0), "<" + x + ">");
  // A default that names itself is expanded once, not for ever.
  EXPECT_EQ(scope.FormatPointText(QStringLiteral("%D"), QStringLiteral("a%D"), 0, 0), QStringLiteral("a"));
  EXPECT_EQ(scope.HitPointText(1.5, -2.0), x + " : " + y);
}

}  // namespace

namespace {

// Axes of two scopes linked through their zoom pins in a description keep
// the link, and write it back.
TEST(ScopeZoomPins, StoredLinkJoinsTheAxesAndIsWrittenBack) {
  RegisterStandardControls();
  RegisterScopeClasses();
  TForm form;
  ReadDescription(&form, QStringLiteral("object F: TForm\n"
                                        "  object Upper: TSLScope\n"
                                        "    XAxis.ZoomPin.Form = F\n"
                                        "    XAxis.ZoomPin.State = (FLink1 F.Lower.XAxis.ZoomPin)\n"
                                        "  end\n"
                                        "  object Lower: TSLScope\n"
                                        "  end\n"
                                        "end\n"));
  auto* upper = form.findChild<TSLScope*>(QStringLiteral("Upper"));
  auto* lower = form.findChild<TSLScope*>(QStringLiteral("Lower"));
  ASSERT_TRUE(upper && lower);
  ASSERT_NE(upper->XAxis()->ZoomPin()->Dispatcher(), nullptr);
  EXPECT_EQ(upper->XAxis()->ZoomPin()->Dispatcher(), lower->XAxis()->ZoomPin()->Dispatcher());
  upper->XAxis()->SetZoomRange(1, 2);
  EXPECT_TRUE(lower->XAxis()->IsZoomed());
  const QString text = WriteDescription(&form);
  EXPECT_TRUE(text.contains(QStringLiteral(" F.Lower.XAxis.ZoomPin)\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(" F.Upper.XAxis.ZoomPin)\n"))) << text.toStdString();
}

}  // namespace
