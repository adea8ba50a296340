// Restoring stored links in any order: placeholders, name matching,
// form-name replacement and pin-list placeholders.

#include <gtest/gtest.h>

#include <memory>

#include "pins/component.h"
#include "pins/pin_list.h"
#include "pin_test_util.h"

namespace {

class TFrame : public QObject {
  Q_OBJECT
public:
  explicit TFrame(const QString& name) { setObjectName(name); }
};

class TSplitter : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TSLOWRealSourcePin* OutputPin READ OutputPin)
  Q_PROPERTY(TOWPinList* OutputPins READ OutputPins)
public:
  TSplitter(QObject* owner, const QString& name) : TLPComponent(owner) {
    setObjectName(name);
    output = new TSLOWRealSourcePin(this, nullptr, 0, nullptr, true, Lock());
    outputs = new TOWPinList(this, true, Lock());
  }
  ~TSplitter() override {
    delete outputs;
    delete output;
  }
  TSLOWRealSourcePin* OutputPin() const { return output; }
  TOWPinList* OutputPins() const { return outputs; }
  TSLOWRealSourcePin* AddOutput() {
    auto* pin = new TSLOWRealSourcePin(this, nullptr, 0, nullptr, true, Lock());
    outputs->Add(pin);
    return pin;
  }
  TSLOWRealSourcePin* output;
  TOWPinList* outputs;
};

class TScope : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TOWPinList* InputPins READ InputPins)
public:
  TScope(QObject* owner, const QString& name) : TLPComponent(owner) {
    setObjectName(name);
    inputs = new TOWPinList(this, true, Lock());
    inputs->AddNamed(new TSLOWRealSinkPin(this, nullptr, nullptr, nullptr, Lock()), "Left");
  }
  ~TScope() override { delete inputs; }
  TOWPinList* InputPins() const { return inputs; }
  TSLOWRealSinkPin* Input() const { return static_cast<TSLOWRealSinkPin*>(inputs->GetPin(0)); }
  TOWPinList* inputs;
};

TEST(Placeholders, SinkStoredBeforeItsSourceIsLinkedWhenTheSourceLoads) {
  TFrame form("Form4");
  TScope scope(&form, "ScpLeft");
  const int pending = OWPendingPlaceholderCount();
  TOWBasicPin* stored = OWResolvePin("Form4.A2ROsc.OutputPins._Pin0", "Form4.A2ROsc.OutputPins.Pin [0]", &form,
                                     pkSource, "Form4");
  ASSERT_NE(stored, nullptr);
  ASSERT_NE(qobject_cast<TOWUnloadedPin*>(stored), nullptr);
  EXPECT_EQ(OWPendingPlaceholderCount(), pending + 1);
  EXPECT_EQ(stored->GetKind(), pkSource);
  ASSERT_TRUE(scope.Input()->Connect(stored));
  EXPECT_EQ(scope.Input()->GetSource(), stored);
  EXPECT_TRUE(scope.Input()->IsConnected());
  // The same stored name finds the same placeholder.
  EXPECT_EQ(OWResolvePin("Form4.A2ROsc.OutputPins._Pin0", "", &form, pkSource), stored);

  // The converter appears and reads its links.
  TSplitter conv(&form, "A2ROsc");
  TSLOWRealSourcePin* out0 = conv.AddOutput();
  out0->ResolvePlaceholders();
  EXPECT_EQ(scope.Input()->GetSource(), out0);
  EXPECT_EQ(out0->SinkCount(), 1);
  EXPECT_EQ(OWPendingPlaceholderCount(), pending);
  // Data flows over the merged link.
  EXPECT_EQ(scope.Input()->GetStreamType(), stream_type::RealBuffer);
}

TEST(Placeholders, SourceStoredBeforeItsSinkGetsTheSinkLater) {
  TFrame form("Form3");
  TSplitter conv(&form, "A2R");
  const int pending = OWPendingPlaceholderCount();
  TOWBasicPin* stored =
      OWResolvePin("Form3.ScpAB.InputPins._Pin0", "Form3.ScpAB.InputPins.Left", &form, pkSink, "Form3");
  ASSERT_TRUE(conv.output->Connect(stored));
  EXPECT_EQ(conv.output->SinkCount(), 1);
  EXPECT_EQ(conv.output->GetConnectionText(), "ScpAB.InputPins.Left");
  // Nothing is delivered to a placeholder.
  EXPECT_FALSE(conv.output->Notify(MakeOperation<TOWStopOperation>().get()));

  TScope scope(&form, "ScpAB");
  scope.Input()->ResolvePlaceholders();
  EXPECT_EQ(scope.Input()->GetSource(), conv.output);
  ASSERT_EQ(conv.output->SinkCount(), 1);
  EXPECT_EQ(conv.output->Sink(0), scope.Input());
  EXPECT_EQ(OWPendingPlaceholderCount(), pending);
}

TEST(Placeholders, FreedWhenNothingRefersToThem) {
  TFrame form("Form5");
  TScope scope(&form, "Scp");
  const int pending = OWPendingPlaceholderCount();
  TOWBasicPin* stored = OWResolvePin("Form5.Missing.OutputPin", "", &form, pkSource);
  ASSERT_TRUE(scope.Input()->Connect(stored));
  EXPECT_EQ(OWPendingPlaceholderCount(), pending + 1);
  scope.Input()->Disconnect();
  EXPECT_EQ(OWPendingPlaceholderCount(), pending);
  EXPECT_FALSE(scope.Input()->IsConnected());
}

TEST(Placeholders, StoredNamesMatchBySegmentsAndRoot) {
  TFrame form("Form4_1");
  TSplitter conv(&form, "A2ROsc");
  TFrame other("Form9");
  // Same root: the full name, the name without root, or the stored name
  // without its first segment.
  EXPECT_EQ(OWFindPinByName("Form4_1.A2ROsc.OutputPin", &form), conv.output);
  EXPECT_EQ(OWFindPinByName("A2ROsc.OutputPin", &form), conv.output);
  EXPECT_EQ(OWFindPinByName("Elsewhere.A2ROsc.OutputPin", &form), conv.output);
  // Another root needs the full name with root.
  EXPECT_EQ(OWFindPinByName("A2ROsc.OutputPin", &other), nullptr);
  EXPECT_EQ(OWFindPinByName("Form4_1.A2ROsc.OutputPin", &other), conv.output);
  EXPECT_EQ(OWFindPinByName("Form4_1.A2ROsc.Missing", &form), nullptr);
  // Form saved as Form4, loaded as Form4_1.
  EXPECT_EQ(OWFindPinByName("Form4.A2ROsc.OutputPin", &other, "Form4"), nullptr);
  conv.output->SetFormName("Form4");
  EXPECT_EQ(conv.output->ReplaceFormName("Form4.A2ROsc.OutputPin"), "Form4_1.A2ROsc.OutputPin");
  EXPECT_EQ(conv.output->ReplaceFormName("Form44.X.Y"), "Form44.X.Y");
  EXPECT_EQ(OWFindPinByName("Form4.A2ROsc.OutputPin", &form, "Form4"), conv.output);
}

TEST(Placeholders, ConnectByName) {
  TFrame form("Form2");
  TSplitter conv(&form, "A2R");
  TScope scope(&form, "Scp");
  EXPECT_TRUE(scope.Input()->ConnectByName(nullptr, "A2R.OutputPin"));
  EXPECT_EQ(scope.Input()->GetSource(), conv.output);
  EXPECT_FALSE(scope.Input()->ConnectByName(nullptr, "A2R.Nothing"));
  EXPECT_EQ(scope.Input()->GetSource(), conv.output);
  EXPECT_TRUE(scope.Input()->ConnectByName(nullptr, "(Disconnected)"));
  EXPECT_EQ(scope.Input()->GetSource(), nullptr);
}

TEST(PinListPlaceholders, StoredEntriesWaitForTheRealPins) {
  TFrame form("Form4");
  TSplitter conv(&form, "A2ROsc");
  TScope left(&form, "ScpLeft");
  SetObjectLoading(&conv, true);
  const int pending = OWPendingPlaceholderCount();
  // The description stored three output entries; entry 0 feeds the scope.
  TOWBasicPin* entry0 = conv.outputs->EnsureEntry(0, "OutputPins");
  conv.outputs->EnsureEntry(2, "OutputPins");
  EXPECT_EQ(conv.outputs->EntryCount(), 3);
  EXPECT_EQ(conv.outputs->PlaceholderCount(), 3);
  EXPECT_EQ(conv.outputs->Count(), 0);
  EXPECT_EQ(entry0->GetName(true), "Form4.A2ROsc.OutputPins._Pin0");
  ASSERT_TRUE(entry0->Connect(left.Input()));
  EXPECT_EQ(left.Input()->GetSource(), entry0);

  // The owner creates its real pins: the first takes entry 0's place.
  TSLOWRealSourcePin* out0 = conv.AddOutput();
  EXPECT_EQ(conv.outputs->IndexOf(out0), 0);
  EXPECT_EQ(left.Input()->GetSource(), out0);
  EXPECT_EQ(out0->SinkCount(), 1);
  EXPECT_EQ(conv.outputs->Count(), 1);
  EXPECT_EQ(conv.outputs->PlaceholderCount(), 2);

  // After loading the surplus entries go.
  CompleteLoading(&conv);
  EXPECT_EQ(conv.outputs->Count(), 1);
  EXPECT_EQ(conv.outputs->EntryCount(), 1);
  EXPECT_EQ(OWPendingPlaceholderCount(), pending);
}

}  // namespace

#include "pin_placeholder_test.moc"
