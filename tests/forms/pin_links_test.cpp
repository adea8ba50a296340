// Stored pin links in window descriptions: reading links in any order,
// list placeholders, form-name replacement, and the text the writer stores.

#include "form_test_classes.h"
#include "forms/description_reader.h"
#include "forms/description_writer.h"
#include "pins/pin_list.h"
#include "pins/typed_pins.h"
#include "pins/value_pins.h"
#include "pins/state_dispatcher.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace formtest;

class TLinkSource : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TSLOWRealSourcePin* OutputPin READ OutputPin)
public:
  explicit TLinkSource(QObject* owner) : TLPComponent(owner) {
    output_ = new TSLOWRealSourcePin(this, nullptr, 0, nullptr, true, Lock());
  }
  ~TLinkSource() override { delete output_; }
  TSLOWRealSourcePin* OutputPin() const { return output_; }

private:
  TSLOWRealSourcePin* output_;
};

// Makes its output pins only when initialized, as a converter does.
class TLinkConverter : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TSLOWRealSinkPin* InputPin READ InputPin)
  Q_PROPERTY(TOWPinList* OutputPins READ OutputPins)
  Q_PROPERTY(int Outputs READ Outputs WRITE SetOutputs)
public:
  explicit TLinkConverter(QObject* owner) : TLPComponent(owner) {
    input_ = new TSLOWRealSinkPin(this, nullptr, nullptr, nullptr, Lock());
    outputs_ = new TOWPinList(this, true, Lock());
  }
  ~TLinkConverter() override {
    delete outputs_;
    delete input_;
  }
  TSLOWRealSinkPin* InputPin() const { return input_; }
  TOWPinList* OutputPins() const { return outputs_; }
  int Outputs() const { return count_; }
  void SetOutputs(int n) { count_ = n; }

protected:
  void Initialized() override {
    for (int i = 0; i < count_; ++i) outputs_->Add(new TSLOWRealSourcePin(this, nullptr, 0, nullptr, true, Lock()));
  }

private:
  TSLOWRealSinkPin* input_;
  TOWPinList* outputs_;
  int count_ = 2;
};

class TLinkScope : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TOWPinList* InputPins READ InputPins)
public:
  explicit TLinkScope(QObject* owner) : TLPComponent(owner) {
    inputs_ = new TOWPinList(this, true, Lock());
    inputs_->AddNamed(new TSLOWRealSinkPin(this, nullptr, nullptr, nullptr, Lock()), QStringLiteral("Left"));
    inputs_->Add(new TSLOWRealSinkPin(this, nullptr, nullptr, nullptr, Lock()));
  }
  ~TLinkScope() override { delete inputs_; }
  TOWPinList* InputPins() const { return inputs_; }
  TOWSinkPin* Input(int i) const { return qobject_cast<TOWSinkPin*>(inputs_->GetPin(i)); }

private:
  TOWPinList* inputs_;
};

// A component with an enable pin joined to others through a state link.
class TLinkSwitch : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TOWBoolStatePin* EnablePin READ EnablePin)
public:
  explicit TLinkSwitch(QObject* owner) : TLPComponent(owner) { pin_ = new TOWBoolStatePin(this, nullptr, Lock()); }
  ~TLinkSwitch() override { delete pin_; }
  TOWBoolStatePin* EnablePin() const { return pin_; }

private:
  TOWBoolStatePin* pin_;
};

// Scopes first: their inputs name converter outputs that do not exist yet.
const char* kLinked = R"(object Form4: TTestForm
  object ScpLeft: TLinkScope
    InputPins.Form = Form4
    InputPins.Pins = ((Form4.Conv.OutputPins._Pin0 'Form4.Conv.OutputPins.Pin [0]') nil)
  end
  object ScpRight: TLinkScope
    InputPins.Form = Form4
    InputPins.Pins = ((Form4.Conv.OutputPins._Pin1 'Form4.Conv.OutputPins.Pin [1]') nil)
  end
  object Idle: TLinkScope
    InputPins.Form = Form4
  end
  object Conv: TLinkConverter
    InputPin.Form = Form4
    InputPin.SourcePin = Form4.AI.OutputPin
    OutputPins.Form = Form4
    OutputPins.Pins = (Sinks ((Form4.ScpLeft.InputPins._Pin0 'Form4.ScpLeft.InputPins.Left')) Sinks ((Form4.ScpRight.InputPins._Pin0 'Form4.ScpRight.InputPins.Left')))
  end
  object AI: TLinkSource
    OutputPin.Form = Form4
    OutputPin.SinkPins = (Form4.Conv.InputPin)
  end
end
)";

class PinLinks : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestClasses();
    TClassRegistry& r = TClassRegistry::Instance();
    r.Register(QStringLiteral("TLinkSource"), [](QObject* o) -> QObject* { return MakeComponent<TLinkSource>(o); });
    r.Register(QStringLiteral("TLinkConverter"), [](QObject* o) -> QObject* { return MakeComponent<TLinkConverter>(o); });
    r.Register(QStringLiteral("TLinkScope"), [](QObject* o) -> QObject* { return MakeComponent<TLinkScope>(o); });
    r.Register(QStringLiteral("TLinkSwitch"), [](QObject* o) -> QObject* { return MakeComponent<TLinkSwitch>(o); });
  }
  void TearDown() override { EXPECT_EQ(OWPendingPlaceholderCount(), 0) << "placeholders outlived the forms"; }

  template <class T>
  static T* Find(QObject* form, const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
  }
};

TEST_F(PinLinks, LinksResolveInAnyLoadOrder) {
  auto form = std::make_unique<TTestForm>();
  ReadDescription(form.get(), QString::fromUtf8(kLinked));
  auto* ai = Find<TLinkSource>(form.get(), "AI");
  auto* conv = Find<TLinkConverter>(form.get(), "Conv");
  auto* left = Find<TLinkScope>(form.get(), "ScpLeft");
  auto* right = Find<TLinkScope>(form.get(), "ScpRight");
  ASSERT_TRUE(ai && conv && left && right);
  EXPECT_EQ(conv->InputPin()->GetSource(), ai->OutputPin());
  EXPECT_EQ(ai->OutputPin()->SinkCount(), 1);
  ASSERT_EQ(conv->OutputPins()->Count(), 2);
  EXPECT_EQ(left->Input(0)->GetSource(), conv->OutputPins()->GetPin(0));
  EXPECT_EQ(right->Input(0)->GetSource(), conv->OutputPins()->GetPin(1));
  EXPECT_EQ(left->Input(1)->GetSource(), nullptr);
  EXPECT_EQ(OWPendingPlaceholderCount(), 0);
}

TEST_F(PinLinks, WriterStoresTheConventionalForms) {
  auto form = std::make_unique<TTestForm>();
  ReadDescription(form.get(), QString::fromUtf8(kLinked));
  const QString text = WriteDescription(form.get());
  // Same internal and display name: a bare identifier.
  EXPECT_TRUE(text.contains(QStringLiteral("    InputPin.Form = Form4\n    InputPin.SourcePin = Form4.AI.OutputPin\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("    OutputPin.Form = Form4\n    OutputPin.SinkPins = (Form4.Conv.InputPin)\n"))) << text.toStdString();
  // A list entry named "Left" carries its display name in quotes.
  EXPECT_TRUE(text.contains(QStringLiteral(
      "    OutputPins.Pins = (Sinks ((Form4.ScpLeft.InputPins._Pin0 'Form4.ScpLeft.InputPins.Left')) "
      "Sinks ((Form4.ScpRight.InputPins._Pin0 'Form4.ScpRight.InputPins.Left')))\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(
      "    InputPins.Pins = ((Form4.Conv.OutputPins._Pin0 'Form4.Conv.OutputPins.Pin [0]') nil)\n"))) << text.toStdString();
  // A list without connected pins stores only Form.
  EXPECT_TRUE(text.contains(QStringLiteral("  object Idle: TLinkScope\n    InputPins.Form = Form4\n  end\n"))) << text.toStdString();

  // Reading what was written and writing again gives the same text.
  auto copy = std::make_unique<TTestForm>();
  copy->setObjectName(QStringLiteral("Form4"));
  form.reset();
  ReadDescription(copy.get(), text);
  EXPECT_EQ(WriteDescription(copy.get()), text);
}

TEST_F(PinLinks, AFormLoadedUnderAnotherNameLinksItsOwnPins) {
  auto first = std::make_unique<TTestForm>();
  ReadDescription(first.get(), QString::fromUtf8(kLinked));
  auto second = std::make_unique<TTestForm>();
  second->setObjectName(QStringLiteral("Form4_1"));
  ReadDescription(second.get(), QString::fromUtf8(kLinked));
  for (TTestForm* form : {first.get(), second.get()}) {
    SCOPED_TRACE(form->objectName().toStdString());
    auto* ai = Find<TLinkSource>(form, "AI");
    auto* conv = Find<TLinkConverter>(form, "Conv");
    auto* left = Find<TLinkScope>(form, "ScpLeft");
    ASSERT_TRUE(ai && conv && left);
    EXPECT_EQ(conv->InputPin()->GetSource(), ai->OutputPin());
    EXPECT_EQ(ai->OutputPin()->SinkCount(), 1);
    EXPECT_EQ(left->Input(0)->GetSource(), conv->OutputPins()->GetPin(0));
  }
  const QString text = WriteDescription(second.get());
  EXPECT_TRUE(text.contains(QStringLiteral("InputPin.SourcePin = Form4_1.AI.OutputPin"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Form4."))) << text.toStdString();
}

TEST_F(PinLinks, SurplusStoredListEntriesAreDroppedAfterLoading) {
  QString text = QString::fromUtf8(kLinked);
  text.replace(QStringLiteral("  object Conv: TLinkConverter\n"), QStringLiteral("  object Conv: TLinkConverter\n    Outputs = 1\n"));
  auto form = std::make_unique<TTestForm>();
  ReadDescription(form.get(), text);
  auto* conv = Find<TLinkConverter>(form.get(), "Conv");
  auto* left = Find<TLinkScope>(form.get(), "ScpLeft");
  auto* right = Find<TLinkScope>(form.get(), "ScpRight");
  ASSERT_TRUE(conv && left && right);
  EXPECT_EQ(conv->OutputPins()->Count(), 1);
  EXPECT_EQ(conv->OutputPins()->PlaceholderCount(), 0);
  EXPECT_EQ(left->Input(0)->GetSource(), conv->OutputPins()->GetPin(0));
  EXPECT_EQ(right->Input(0)->GetSource(), nullptr);
  EXPECT_EQ(OWPendingPlaceholderCount(), 0);
}

TEST_F(PinLinks, OrderPinsAndPinsOwnerAreRead) {
  auto form = std::make_unique<TTestForm>();
  ReadDescription(form.get(), QStringLiteral(
      "object Form7: TTestForm\n"
      "  object Conv: TLinkConverter\n"
      "    OutputPins.PinsOwner = True\n"
      "  end\n"
      "  object A: TLinkScope\n"
      "  end\n"
      "  object B: TLinkScope\n"
      "  end\n"
      "  object AI: TLinkSource\n"
      "    OutputPin.Form = Form7\n"
      "    OutputPin.SinkPins = ((Form7.A.InputPins._Pin0 'Form7.A.InputPins.Left') (Form7.B.InputPins._Pin0 Form7.A.InputPins._Pin0 'Form7.B.InputPins.Left'))\n"
      "  end\n"
      "end\n"));
  auto* ai = Find<TLinkSource>(form.get(), "AI");
  auto* a = Find<TLinkScope>(form.get(), "A");
  auto* b = Find<TLinkScope>(form.get(), "B");
  ASSERT_TRUE(ai && a && b);
  ASSERT_EQ(ai->OutputPin()->SinkCount(), 2);
  EXPECT_EQ(b->Input(0)->GetSource(), ai->OutputPin());
  const QString text = WriteDescription(form.get());
  // The order pin is written after the sink's name and before its display name.
  EXPECT_TRUE(text.contains(QStringLiteral("(Form7.B.InputPins._Pin0 Form7.A.InputPins._Pin0 'Form7.B.InputPins.Left')"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("PinsOwner")));
}

TEST_F(PinLinks, MalformedLinksNameTheLine) {
  const char* bad[] = {
      "object F: TTestForm\n  object C: TLinkConverter\n    InputPin.SourcePin = 5\n  end\nend\n",
      "object F: TTestForm\n  object C: TLinkConverter\n    InputPin.SinkPins = (F.X.Y)\n  end\nend\n",
      "object F: TTestForm\n  object C: TLinkConverter\n    OutputPins.Pins = (Sinks)\n  end\nend\n",
      "object F: TTestForm\n  object C: TLinkConverter\n    OutputPins.Pins = 'x'\n  end\nend\n",
      "object F: TTestForm\n  object C: TLinkConverter\n    InputPin.Form = 'F'\n  end\nend\n",
      "object F: TTestForm\n  object C: TLinkConverter\n    OutputPins.PinsOwner = 1\n  end\nend\n",
      "object F: TTestForm\n  object C: TLinkConverter\n    InputPin.Nonsense = 1\n  end\nend\n",
  };
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    TTestForm form;
    try {
      ReadDescription(&form, QString::fromUtf8(text));
      ADD_FAILURE() << "accepted";
    } catch (const EDescriptionError& e) {
      EXPECT_EQ(e.Line(), 3);
      EXPECT_TRUE(e.Item().startsWith(QStringLiteral("F.C."))) << e.Message().toStdString();
    }
    EXPECT_EQ(form.findChildren<TLinkConverter*>().size(), 0);
  }
}

TEST_F(PinLinks, UnresolvedNamesWaitAsPlaceholdersWithoutFailing) {
  auto form = std::make_unique<TTestForm>();
  ReadDescription(form.get(), QStringLiteral(
      "object Form9: TTestForm\n"
      "  object C: TLinkConverter\n"
      "    InputPin.Form = Form9\n"
      "    InputPin.SourcePin = OtherForm.Missing.OutputPin\n"
      "  end\n"
      "end\n"));
  auto* c = Find<TLinkConverter>(form.get(), "C");
  ASSERT_TRUE(c);
  ASSERT_NE(c->InputPin()->GetSource(), nullptr);
  EXPECT_EQ(c->InputPin()->GetSource()->GetName(true), QStringLiteral("OtherForm.Missing.OutputPin"));
  EXPECT_EQ(OWPendingPlaceholderCount(), 1);
  // The link survives writing.
  EXPECT_TRUE(WriteDescription(form.get()).contains(QStringLiteral("InputPin.SourcePin = OtherForm.Missing.OutputPin")));
  form.reset();
}

TEST_F(PinLinks, StateLinksJoinOneDispatcher) {
  auto form = std::make_unique<TTestForm>();
  ReadDescription(form.get(), QStringLiteral(
      "object Form5: TTestForm\n"
      "  object A: TLinkSwitch\n"
      "    EnablePin.Form = Form5\n"
      "    EnablePin.State = (Form5Link1 Form5.B.EnablePin)\n"
      "  end\n"
      "  object B: TLinkSwitch\n"
      "  end\n"
      "end\n"));
  auto* a = Find<TLinkSwitch>(form.get(), "A");
  auto* b = Find<TLinkSwitch>(form.get(), "B");
  ASSERT_TRUE(a && b);
  ASSERT_NE(a->EnablePin()->Dispatcher(), nullptr);
  EXPECT_EQ(a->EnablePin()->Dispatcher(), b->EnablePin()->Dispatcher());
  const QString text = WriteDescription(form.get());
  EXPECT_TRUE(text.contains(QStringLiteral("    EnablePin.Form = Form5\n    EnablePin.State = (Form5Link"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(" Form5.B.EnablePin)\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral(" Form5.A.EnablePin)\n"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("SourcePin"))) << "a state link is stored instead of a source";
}

}  // namespace

#include "pin_links_test.moc"
