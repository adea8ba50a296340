// Reading window descriptions into forms: components, parents, every value
// kind, collections, events, stored extra properties, loading order, and
// the errors for bad input.

#include "form_test_classes.h"
#include "forms/description_reader.h"
#include "forms/event_binding.h"

#include <gtest/gtest.h>

#include <QPointer>

namespace {

using namespace formtest;

class DescriptionReader : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestClasses();
    InitLog().clear();
  }
  // The error of reading `text` into a fresh form (and the form's count of
  // components left afterwards).
  EDescriptionError ErrorOf(const QString& text, int* left = nullptr) {
    TTestForm form;
    try {
      ReadDescription(&form, text);
    } catch (const EDescriptionError& e) {
      if (left) *left = form.findChildren<TTestDevice*>().size() + form.findChildren<TTestPanel*>().size();
      return e;
    }
    ADD_FAILURE() << "no error for:\n" << text.toStdString();
    return EDescriptionError(-1, QString(), QString());
  }
};

const char* kFull = R"(object Form1: TTestForm
  Caption = 'Tremora - Geophysics'
  ClientWidth = 640
  object AI: TTestDevice
    Enabled = False
    Rate = 22050
    Big = -$10
    Mask = $FFFFFFFF
    Shade = clSilver
    Title = 'It''s'#13#10'two lines'
    Items.Strings = (
      'first'
      'second')
    Picture.Data = {
      89504E47}
    XAxis.Max = 5
    XAxis.Mode = tmLog
    XAxis.Options = [toLabels, toGrid]
    XAxis.Color = clRed
    XAxis.Font.Name = 'Courier'
    XAxis.Font.Height = -11
    XAxis.Font.Style = [fsBold, fsItalic]
    XAxis.Font.Color = $00FF0000
    XAxis.Tick.Step = 0.25
    YAxis.Color = 16744448
    YAxis.Tick._Floats = ((Value 0.0) (Missing 0.0) (Count 0.0))
    Buddy = Converter
    Partner = Converter
    OnChange = DeviceChange
    OnError = DeviceError
    AxisIndex_ = (2 1)
  end
  object Converter: TTestDevice
    Channels = <
      item
        Name = 'tA'
        Position = 0.5
        OnClick = DeviceChange
      end
      item
        Name = 'tB'
        Tag = 7
      end>
  end
  object Panel1: TTestPanel
    Caption = 'Stations'
    Left = 12
    OnClick = PanelClick
    object Inner: TTestPanel
    end
  end
  object Pages: TTestPages
    object Sheet: TTestPanel
    end
  end
end
)";

TEST_F(DescriptionReader, SetsEveryKindOfValue) {
  TTestForm form;
  ReadDescription(&form, QString::fromUtf8(kFull));
  EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
  EXPECT_EQ(form.Caption(), QStringLiteral("Tremora - Geophysics"));
  EXPECT_EQ(form.ClientWidth(), 640);
  auto* ai = form.findChild<TTestDevice*>(QStringLiteral("AI"));
  auto* conv = form.findChild<TTestDevice*>(QStringLiteral("Converter"));
  ASSERT_TRUE(ai && conv);
  EXPECT_FALSE(ai->Enabled());
  EXPECT_EQ(ai->Rate(), 22050);
  EXPECT_EQ(ai->Big(), -16);
  EXPECT_EQ(ai->Mask(), 0xFFFFFFFFu);
  EXPECT_EQ(ai->Shade(), 0xC0C0C0);
  EXPECT_EQ(ai->Title(), QStringLiteral("It's\r\ntwo lines"));
  EXPECT_EQ(ai->Items(), (QStringList{"first", "second"}));
  EXPECT_EQ(ai->Picture(), QByteArray::fromHex("89504E47"));
  EXPECT_EQ(ai->XAxis()->Max(), 5.0);
  EXPECT_EQ(ai->XAxis()->Mode(), TTestAxis::tmLog);
  EXPECT_EQ(int(ai->XAxis()->Options()), TTestAxis::toLabels | TTestAxis::toGrid);
  EXPECT_EQ(ai->XAxis()->Color(), QColor(255, 0, 0));
  EXPECT_EQ(ai->XAxis()->Font().family(), QStringLiteral("Courier"));
  EXPECT_EQ(ai->XAxis()->Font().pixelSize(), 11);
  EXPECT_TRUE(ai->XAxis()->Font().bold());
  EXPECT_TRUE(ai->XAxis()->Font().italic());
  EXPECT_EQ(ai->XAxis()->FontColor(), QColor(0, 0, 255));  // $00BBGGRR
  EXPECT_EQ(ai->XAxis()->Tick()->Step(), 0.25);
  EXPECT_EQ(ai->YAxis()->Color(), QColor(0, 128, 255));  // 16744448 = $00FF8000
  // _Floats: existing names set to 0, the missing one skipped, the int one too.
  EXPECT_EQ(ai->YAxis()->Tick()->Value(), 0.0);
  EXPECT_EQ(ai->YAxis()->Tick()->Count(), 5);
  EXPECT_EQ(ai->XAxis()->Tick()->Value(), 1.5);
  EXPECT_EQ(ai->Buddy(), conv);
  EXPECT_EQ(ai->Partner(), conv);
  EXPECT_EQ(ai->yIndex, 2);
  EXPECT_EQ(ai->xIndex, 1);
  ASSERT_EQ(conv->Channels()->Count(), 2);
  auto* tA = qobject_cast<TTestItem*>(conv->Channels()->Item(0));
  auto* tB = qobject_cast<TTestItem*>(conv->Channels()->Item(1));
  ASSERT_TRUE(tA && tB);
  EXPECT_EQ(tA->Name(), QStringLiteral("tA"));
  EXPECT_EQ(tA->Position(), 0.5);
  EXPECT_EQ(tB->Position(), 1.0);
  EXPECT_EQ(tB->Tag(), 7);
}

TEST_F(DescriptionReader, OwnersParentsAndContainers) {
  TTestForm form;
  ReadDescription(&form, QString::fromUtf8(kFull));
  auto* ai = form.findChild<TTestDevice*>(QStringLiteral("AI"));
  auto* panel = form.findChild<TTestPanel*>(QStringLiteral("Panel1"));
  auto* inner = form.findChild<TTestPanel*>(QStringLiteral("Inner"));
  auto* pages = form.findChild<TTestPages*>(QStringLiteral("Pages"));
  auto* sheet = form.findChild<TTestPanel*>(QStringLiteral("Sheet"));
  ASSERT_TRUE(ai && panel && inner && pages && sheet);
  EXPECT_EQ(ai->parent(), &form);
  EXPECT_EQ(panel->parentWidget(), &form);
  EXPECT_EQ(panel->x(), 12);
  EXPECT_EQ(inner->parentWidget(), panel);
  EXPECT_EQ(pages->inserted, 1);
  EXPECT_EQ(sheet->parentWidget(), pages->Page());
}

TEST_F(DescriptionReader, EventsReachTheFormsHandlers) {
  TTestForm form;
  ReadDescription(&form, QString::fromUtf8(kFull));
  auto* ai = form.findChild<TTestDevice*>(QStringLiteral("AI"));
  auto* conv = form.findChild<TTestDevice*>(QStringLiteral("Converter"));
  auto* panel = form.findChild<TTestPanel*>(QStringLiteral("Panel1"));
  emit ai->OnChange(ai);
  emit ai->OnError(ai, QStringLiteral("device lost"));
  emit panel->OnClick(panel);
  emit qobject_cast<TTestItem*>(conv->Channels()->Item(0))->OnClick(conv);
  EXPECT_EQ(form.changes, (QList<QObject*>{ai, conv}));
  EXPECT_EQ(form.errors, QStringList{QStringLiteral("device lost")});
  EXPECT_EQ(form.clicks, QList<QObject*>{panel});
  EXPECT_EQ(BoundHandler(ai, QStringLiteral("OnError")), QStringLiteral("DeviceError"));
  // Rebinding replaces: one call, to the new handler only.
  BindEvent(panel, QStringLiteral("OnClick"), &form, QStringLiteral("DeviceChange"));
  emit panel->OnClick(panel);
  EXPECT_EQ(form.clicks.size(), 1);
  EXPECT_EQ(form.changes.size(), 3);
  UnbindEvent(panel, QStringLiteral("OnClick"));
  emit panel->OnClick(panel);
  EXPECT_EQ(form.changes.size(), 3);
  EXPECT_TRUE(BoundHandler(panel, QStringLiteral("OnClick")).isEmpty());
}

TEST_F(DescriptionReader, ComponentsInitializeOnceAfterTheWholeDescription) {
  TTestForm form;
  ReadDescription(&form, QStringLiteral(
      "object Form1: TTestForm\n"
      "  object First: TTestDevice\n"
      "    Buddy = Second\n"
      "  end\n"
      "  object Second: TTestDevice\n"
      "  end\n"
      "end\n"));
  EXPECT_EQ(InitLog(), (QStringList{"First", "Second"}));
  auto* first = form.findChild<TTestDevice*>(QStringLiteral("First"));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->initializedCount, 1);
  EXPECT_FALSE(IsObjectLoading(first));
  EXPECT_FALSE(IsObjectLoading(&form));
  // A component made by code afterwards initializes at once.
  TTestDevice* later = MakeComponent<TTestDevice>(&form);
  EXPECT_EQ(later->initializedCount, 1);
}

TEST_F(DescriptionReader, AnExistingFormNameIsKept) {
  TTestForm form;
  form.setObjectName(QStringLiteral("Form4_1"));
  ReadDescription(&form, QStringLiteral("object Form4: TTestForm\nend\n"));
  EXPECT_EQ(form.objectName(), QStringLiteral("Form4_1"));
  // The description of another class is refused.
  TTestForm other;
  EXPECT_THROW(ReadDescription(&other, QStringLiteral("object Form4: TForm4\nend\n")), EDescriptionError);
}

TEST_F(DescriptionReader, ReadsWhatOtherDesignersWrite) {
  TTestForm form;
  auto* existing = new TTestPanel(&form);
  existing->setObjectName(QStringLiteral("pShowDetail"));
  ReadDescription(&form, QStringLiteral("object Form1: TTestForm\n"
                                        "  Caption = 'pin '#55357#56524\n"
                                        "  object AI: TTestDevice [0]\n"
                                        "    Gain = 1.5s\n"
                                        "    XAxis.Max = 32874d\n"
                                        "  end\n"
                                        "  inherited pShowDetail: TTestPanel [2]\n"
                                        "    Left = 7\n"
                                        "  end\n"
                                        "end\n"));
  EXPECT_EQ(form.Caption(), QString::fromUtf8("pin \xF0\x9F\x93\x8C"));  // U+1F4CC
  auto* ai = form.findChild<TTestDevice*>(QStringLiteral("AI"));
  ASSERT_TRUE(ai);
  EXPECT_EQ(ai->Gain(), 1.5);
  EXPECT_EQ(ai->XAxis()->Max(), 32874.0);
  EXPECT_EQ(existing->x(), 7);
}

TEST_F(DescriptionReader, BadInputNamesLineAndItemAndLeavesNothingBehind) {
  struct Case {
    const char* text;
    int line;
    const char* item;
    const char* reason;
  };
  const Case cases[] = {
      {"object F: TTestForm\n  object A: TNoSuchClass\n  end\nend\n", 2, "F.A", "unknown class TNoSuchClass"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Nope = 1\n  end\nend\n", 3, "F.A.Nope", "unknown property Nope"},
      {"object F: TTestForm\n  object A: TTestDevice\n    XAxis.Nope.Max = 1\n  end\nend\n", 3, "F.A.XAxis.Nope.Max", "unknown property Nope"},
      {"object F: TTestForm\n  object A: TTestDevice\n    XAxis.Mode = tmCubic\n  end\nend\n", 3, "F.A.XAxis.Mode", "unknown enumeration value tmCubic"},
      {"object F: TTestForm\n  object A: TTestDevice\n    XAxis.Options = [toGrid, toNone]\n  end\nend\n", 3, "F.A.XAxis.Options", "unknown set element toNone"},
      {"object F: TTestForm\n  object A: TTestDevice\n    XAxis.Color = clPink\n  end\nend\n", 3, "F.A.XAxis.Color", "unknown colour clPink"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Rate = 'fast'\n  end\nend\n", 3, "F.A.Rate", "wrong value type"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Title = 12\n  end\nend\n", 3, "F.A.Title", "wrong value type"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Enabled = Yes\n  end\nend\n", 3, "F.A.Enabled", "True or False expected"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Rate = 3000000000\n  end\nend\n", 3, "F.A.Rate", "out of range"},
      {"object F: TTestForm\n  object A: TTestDevice\n    ReadOnly = 3\n  end\nend\n", 3, "F.A.ReadOnly", "read-only"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Rate.Sub = 3\n  end\nend\n", 3, "F.A.Rate.Sub", "no sub-properties"},
      {"object F: TTestForm\n  object A: TTestDevice\n    OnChange = NoHandler\n  end\nend\n", 3, "F.A.OnChange", "unknown handler NoHandler"},
      {"object F: TTestForm\n  object A: TTestDevice\n    OnChange = WrongShape\n  end\nend\n", 3, "F.A.OnChange", "does not match"},
      {"object F: TTestForm\n  object A: TTestDevice\n    OnChange = 5\n  end\nend\n", 3, "F.A.OnChange", "handler name expected"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Buddy = Nobody\n  end\nend\n", 3, "F.A.Buddy", "unknown component Nobody"},
      {"object F: TTestForm\n  object A: TTestDevice\n  end\n  object A: TTestDevice\n  end\nend\n", 4, "F.A", "already exists"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Partner = P\n  end\n  object P: TTestPanel\n  end\nend\n", 3, "F.A.Partner", "wrong class"},
      {"object F: TTestForm\n  object A: TTestDevice\n    AxisIndex_ = (1 2 3)\n  end\nend\n", 3, "F.A.AxisIndex_", "AxisIndex_ holds"},
      {"object F: TTestForm\n  object A: TTestDevice\n    XAxis.Font.Weight = 3\n  end\nend\n", 3, "F.A.XAxis.Font.Weight", "unknown font property"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Channels = <\n      item\n        Name = 'x'\n      end\n      item\n        Nope = 1\n      end>\n  end\nend\n",
       8, "F.A.Channels[1].Nope", "unknown property Nope"},
      {"object F: TTestForm\n  object A: TTestDevice\n    XAxis = <>\n  end\nend\n", 3, "F.A.XAxis", "not a collection"},
      {"object F: TTestForm\n  object P: TTestPanel\n    object A: TTestDevice\n      Gain = 'x'\n    end\n  end\nend\n", 4, "F.A.Gain", "wrong value type"},
      {"object F: TTestForm\n  object A: TTestDevice\n    Gain = 1.0\n", 4, "", "'end' of object A missing"},
  };
  for (const Case& c : cases) {
    int left = -1;
    const EDescriptionError e = ErrorOf(QString::fromUtf8(c.text), &left);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(e.Line(), c.line);
    EXPECT_EQ(e.Item(), QString::fromUtf8(c.item));
    EXPECT_TRUE(e.Reason().contains(QString::fromUtf8(c.reason))) << e.Message().toStdString();
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("line %1: ").arg(c.line)));
    if (left >= 0) {
      EXPECT_EQ(left, 0) << "components of a failed description stay";
    }
  }
  EXPECT_TRUE(InitLog().isEmpty()) << "a failed description initialized components";
}

TEST_F(DescriptionReader, ReadsFromResourcesAndFiles) {
  TTestForm form;
  EXPECT_THROW(ReadDescriptionFromResource(&form, QStringLiteral(":/forms/NoSuchForm.dfm")), EDescriptionError);
}

TEST_F(DescriptionReader, RegistryCreatesAndForgets) {
  TClassRegistry& r = TClassRegistry::Instance();
  EXPECT_TRUE(r.Contains(QStringLiteral("TTestDevice")));
  EXPECT_TRUE(r.ClassNames().contains(QStringLiteral("TTestPanel")));
  TTestForm owner;
  QObject* made = r.Create(QStringLiteral("TTestDevice"), &owner);
  ASSERT_NE(qobject_cast<TTestDevice*>(made), nullptr);
  EXPECT_EQ(made->parent(), &owner);
  EXPECT_EQ(r.Create(QStringLiteral("TMissing"), &owner), nullptr);
  r.Register(QStringLiteral("TTemporary"), [](QObject* o) { return new QObject(o); });
  EXPECT_TRUE(r.Contains(QStringLiteral("TTemporary")));
  r.Unregister(QStringLiteral("TTemporary"));
  EXPECT_FALSE(r.Contains(QStringLiteral("TTemporary")));
}

}  // namespace
