// Writing forms back as window descriptions: what is stored, in which
// order, "_Floats", and round trips over every value kind.

#include "form_test_classes.h"
#include "forms/description_reader.h"
#include "forms/description_writer.h"
#include "pins/stored_floats.h"

#include <gtest/gtest.h>

namespace {

using namespace formtest;

class DescriptionWriter : public ::testing::Test {
protected:
  void SetUp() override { RegisterTestClasses(); }
};

QString RoundTrip(const QString& text) {
  TTestForm first;
  ReadDescription(&first, text);
  const QString written = WriteDescription(&first);
  TTestForm second;
  ReadDescription(&second, written);
  return WriteDescription(&second);
}

TEST_F(DescriptionWriter, StoresOnlyChangedPropertiesInDeclarationOrder) {
  TTestForm form;
  form.setObjectName(QStringLiteral("Form1"));
  form.SetCaption(QStringLiteral("Main"));
  auto* dev = MakeComponent<TTestDevice>(&form);
  dev->setObjectName(QStringLiteral("AI"));
  dev->SetTitle(QStringLiteral("Left"));
  dev->SetEnabled(false);  // declared before Title: written first
  dev->XAxis()->SetMax(5);
  const QString expected = QStringLiteral(
      "object Form1: TTestForm\n"
      "  Caption = 'Main'\n"
      "  object AI: TTestDevice\n"
      "    Enabled = False\n"
      "    Title = 'Left'\n"
      "    XAxis.Max = 5.0\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(WriteDescription(&form), expected);
}

TEST_F(DescriptionWriter, FloatsListExactlyTheZeroFloats) {
  TTestForm form;
  form.setObjectName(QStringLiteral("F"));
  auto* dev = MakeComponent<TTestDevice>(&form);
  dev->setObjectName(QStringLiteral("D"));
  EXPECT_FALSE(WriteDescription(&form).contains(QStringLiteral("_Floats"))) << "no float is 0";

  dev->XAxis()->Tick()->SetValue(0.0);
  dev->XAxis()->Tick()->SetStep(-0.0);
  dev->XAxis()->Tick()->SetCount(0);  // not a float
  dev->SetGain(0.0);
  const QString text = WriteDescription(&form);
  EXPECT_TRUE(text.contains(QStringLiteral("    XAxis.Tick._Floats = ((Value 0.0) (Step 0.0))\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("    _Floats = ((Gain 0.0))\n"))) << text.toStdString();
  // Zero floats appear only there, not as plain properties as well.
  EXPECT_FALSE(text.contains(QStringLiteral("Tick.Value"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Gain = "))) << text.toStdString();
  // _Floats comes before the component's own stored properties.
  dev->yIndex = 1;
  const QString withIndex = WriteDescription(&form);
  EXPECT_LT(withIndex.indexOf(QStringLiteral("_Floats = ((Gain")), withIndex.indexOf(QStringLiteral("AxisIndex_ = (1 0)")));

  // Read back: the zeros survive although the defaults are not 0.
  TTestForm copy;
  ReadDescription(&copy, text);
  auto* d2 = copy.findChild<TTestDevice*>(QStringLiteral("D"));
  ASSERT_TRUE(d2);
  EXPECT_EQ(d2->XAxis()->Tick()->Value(), 0.0);
  EXPECT_EQ(d2->XAxis()->Tick()->Step(), 0.0);
  EXPECT_EQ(d2->Gain(), 0.0);

  {
    TFloatsSuppression suppressed;
    const QString none = WriteDescription(&form);
    EXPECT_FALSE(none.contains(QStringLiteral("_Floats")));
  }
  EXPECT_TRUE(WriteDescription(&form).contains(QStringLiteral("_Floats")));
}

TEST_F(DescriptionWriter, FloatsHelpersOnTheirOwn) {
  TTestTick tick(nullptr);
  TStoredValue value;
  EXPECT_FALSE(FloatsValue(&tick, value));
  tick.SetValue(0.0);
  tick.SetStep(0.0);
  ASSERT_TRUE(FloatsValue(&tick, value));
  ASSERT_EQ(value.items.size(), 2);
  EXPECT_EQ(value.items[0].items[0].text, QStringLiteral("Value"));
  EXPECT_EQ(value.items[1].items[0].text, QStringLiteral("Step"));
  TTestTick other(nullptr);
  other.SetCount(9);
  // Malformed entries and unknown names are skipped, the rest applied.
  TStoredValue mixed = value;
  mixed.items.prepend(TStoredValue::Int(3));
  mixed.items.append(TStoredValue::ListOf({TStoredValue::Ident(QStringLiteral("Nope")), TStoredValue::Real(0)}));
  mixed.items.append(TStoredValue::ListOf({TStoredValue::Ident(QStringLiteral("Count")), TStoredValue::Real(0)}));
  EXPECT_EQ(ApplyFloats(&other, mixed), 2);
  EXPECT_EQ(other.Value(), 0.0);
  EXPECT_EQ(other.Step(), 0.0);
  EXPECT_EQ(other.Count(), 9);
}

const char* kEveryKind = R"(object Form1: TTestForm
  Caption = 'Quote '' and '#13#10'break'#233
  ClientWidth = 640
  object AI: TTestDevice
    Enabled = False
    Rate = 22050
    Big = -9223372036854775808
    Mask = 4294967295
    Shade = 12632256
    Title = ''
    Items.Strings = (
      'first'
      'second')
    Picture.Data = {
      00112233445566778899AABBCCDDEEFF00112233445566778899AABBCCDDEEFF
      0102}
    Gain = 0.1
    XAxis.Tick._Floats = ((Value 0.0))
    XAxis.Max = 5.5
    XAxis.Mode = tmTime
    XAxis.Options = []
    XAxis.Color = clNavy
    XAxis.Font.Name = 'Courier'
    XAxis.Font.Height = -11
    XAxis.Font.Style = [fsBold, fsStrikeOut]
    XAxis.FontColor = 1193046
    YAxis.Options = [toGrid, toTicks, toLabels]
    Buddy = Converter
    OnChange = DeviceChange
    OnError = DeviceError
    AxisIndex_ = (0 3)
  end
  object Converter: TTestDevice
    Channels = <
      item
        Name = 'tA'
        Position = 0.5
        OnClick = DeviceChange
      end
      item
        Tag = 7
      end
      item
      end>
  end
  object Panel1: TTestPanel
    Caption = 'Stations'
    Left = 12
    OnClick = PanelClick
    object Inner: TTestPanel
      Caption = 'inner'
    end
  end
  object Pages: TTestPages
    object Sheet: TTestPanel
    end
  end
end
)";

TEST_F(DescriptionWriter, RoundTripOverEveryValueKind) {
  TTestForm first;
  ReadDescription(&first, QString::fromUtf8(kEveryKind));
  const QString written = WriteDescription(&first);
  TTestForm second;
  ReadDescription(&second, written);
  EXPECT_EQ(WriteDescription(&second), written);

  // The description written is the one read (this one is in written form).
  EXPECT_EQ(written, QString::fromUtf8(kEveryKind));

  auto* ai = second.findChild<TTestDevice*>(QStringLiteral("AI"));
  auto* conv = second.findChild<TTestDevice*>(QStringLiteral("Converter"));
  ASSERT_TRUE(ai && conv);
  EXPECT_EQ(ai->Buddy(), conv);
  EXPECT_EQ(ai->Big(), std::numeric_limits<qint64>::min());
  EXPECT_EQ(ai->Mask(), 4294967295u);
  EXPECT_EQ(ai->XAxis()->FontColor(), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(ai->xIndex, 3);
  EXPECT_EQ(second.Caption(), QString::fromUtf8("Quote ' and \r\nbreak\xC3\xA9"));
  EXPECT_EQ(conv->Channels()->Count(), 3);
  auto* sheet = second.findChild<TTestPanel*>(QStringLiteral("Sheet"));
  auto* pages = second.findChild<TTestPages*>(QStringLiteral("Pages"));
  ASSERT_TRUE(sheet && pages);
  EXPECT_EQ(sheet->parentWidget(), pages->Page());
}

// Another designer's text reads into the form; the form is written in our
// own form (the properties hold plain numbers and characters), which reads
// back to the same form.
TEST_F(DescriptionWriter, OtherDesignersTextWritesBackInOurForm) {
  TTestForm first;
  ReadDescription(&first, QStringLiteral("object Form1: TTestForm\n"
                                         "  Caption = #55357#56524\n"
                                         "  object AI: TTestDevice [0]\n"
                                         "    Gain = 1.5s\n"
                                         "    XAxis.Max = 32874d\n"
                                         "  end\n"
                                         "end\n"));
  const QString written = WriteDescription(&first);
  EXPECT_EQ(written, QStringLiteral("object Form1: TTestForm\n"
                                    "  Caption = #128204\n"
                                    "  object AI: TTestDevice\n"
                                    "    Gain = 1.5\n"
                                    "    XAxis.Max = 32874.0\n"
                                    "  end\n"
                                    "end\n"));
  TTestForm second;
  ReadDescription(&second, written);
  EXPECT_EQ(WriteDescription(&second), written);
}

TEST_F(DescriptionWriter, ChangedDefaultsOfCollectionsAndReferences) {
  TTestForm form;
  form.setObjectName(QStringLiteral("F"));
  auto* a = MakeComponent<TTestDevice>(&form);
  a->setObjectName(QStringLiteral("A"));
  auto* b = MakeComponent<TTestDevice>(&form);
  b->setObjectName(QStringLiteral("B"));
  a->SetBuddy(b);
  // An emptied collection differs from... an empty default: nothing stored.
  EXPECT_FALSE(WriteDescription(&form).contains(QStringLiteral("Channels")));
  auto* item = qobject_cast<TTestItem*>(b->Channels()->Add());
  ASSERT_TRUE(item);
  item->SetName(QStringLiteral("only"));
  const QString text = WriteDescription(&form);
  EXPECT_TRUE(text.contains(QStringLiteral("    Buddy = B\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("    Channels = <\n      item\n        Name = 'only'\n      end>\n"))) << text.toStdString();
  EXPECT_EQ(RoundTrip(text), text);
  // An unnamed child or an unregistered class is not a stored component.
  auto* anonymous = MakeComponent<TTestDevice>(&form);
  (void)anonymous;
  new QObject(&form);
  EXPECT_EQ(WriteDescription(&form), text);
}

}  // namespace
