// Connection rules, names, pin lists and pin events.

#include <gtest/gtest.h>

#include <memory>

#include "pins/component.h"
#include "pins/pin_events.h"
#include "pins/pin_list.h"
#include "pins/stream_types.h"
#include "pins/state_dispatcher.h"
#include "pins/value_pins.h"
#include "pin_test_util.h"

namespace {

// A window-like root: names stop here.
class TFrame : public QObject {
  Q_OBJECT
public:
  explicit TFrame(const QString& name) { setObjectName(name); }
};

// A sub-object searched recursively for pins.
class TSettings : public QObject {
  Q_OBJECT
  Q_PROPERTY(TSLOWRealSinkPin* DeepPin READ DeepPin)
public:
  TSLOWRealSinkPin* DeepPin() const { return deep; }
  TSLOWRealSinkPin* deep = nullptr;
};

class TWidgetComponent : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(TSLOWRealSourcePin* OutputPin READ OutputPin)
  Q_PROPERTY(TOWPinList* InputPins READ InputPins)
  Q_PROPERTY(TOWPinList* OutputPins READ OutputPins)
  Q_PROPERTY(TSettings* Settings READ Settings)
public:
  TWidgetComponent(QObject* owner, const QString& name) : TLPComponent(owner) {
    setObjectName(name);
    output = new TSLOWRealSourcePin(this, nullptr, 0, nullptr, true, Lock());
    inputs = new TOWPinList(this, true, Lock());
    outputs = new TOWPinList(this, true, Lock());
    settings.deep = new TSLOWRealSinkPin(this, nullptr, nullptr, nullptr, Lock());
  }
  ~TWidgetComponent() override {
    delete inputs;
    delete outputs;
    delete output;
    delete settings.deep;
  }
  TSLOWRealSourcePin* OutputPin() const { return output; }
  TOWPinList* InputPins() const { return inputs; }
  TOWPinList* OutputPins() const { return outputs; }
  TSettings* Settings() const { return const_cast<TSettings*>(&settings); }

  TSLOWRealSourcePin* output;
  TOWPinList* inputs;
  TOWPinList* outputs;
  TSettings settings;
};

class TEventLog : public IOWPinEventListener {
public:
  explicit TEventLog(std::string tag, std::vector<std::string>* shared = nullptr, bool fail = false)
      : tag_(std::move(tag)), log_(shared ? shared : &own_), fail_(fail) {}
  void PinConnected(TOWBasicPin*, QObject*) override { Add("connected"); }
  void PinDisconnected(TOWBasicPin*, QObject*) override { Add("disconnected"); }
  void PinChanged(TOWBasicPin*) override { Add("changed"); }
  std::vector<std::string>& Log() { return *log_; }

private:
  void Add(const std::string& what) {
    log_->push_back(tag_ + ":" + what);
    if (fail_) throw std::runtime_error("listener failure");
  }
  std::string tag_;
  std::vector<std::string> own_;
  std::vector<std::string>* log_;
  bool fail_;
};

struct Connect : ::testing::Test {
  TLPComponent owner;
  std::unique_ptr<TSLOWRealSourcePin> Source(int maxSinks = 0) {
    return std::make_unique<TSLOWRealSourcePin>(&owner, nullptr, maxSinks, nullptr, true, owner.Lock());
  }
  std::unique_ptr<TSLOWRealSinkPin> Sink() {
    return std::make_unique<TSLOWRealSinkPin>(&owner, nullptr, nullptr, nullptr, owner.Lock());
  }
};

TEST_F(Connect, NoneOnUnconnectedSinkSucceedsSilently) {
  auto sink = Sink();
  TEventLog log("l");
  OWAddPinEventListener(&log);
  EXPECT_TRUE(sink->Connect(nullptr));
  OWRemovePinEventListener(&log);
  EXPECT_TRUE(log.Log().empty());
  EXPECT_FALSE(sink->IsConnected());
  EXPECT_EQ(sink->GetConnectionText(), "(Disconnected)");
}

TEST_F(Connect, SameSourceAgainChangesNothing) {
  auto src = Source();
  auto sink = Sink();
  ASSERT_TRUE(sink->Connect(src.get()));
  auto before = src->Entries();
  TEventLog log("l");
  OWAddPinEventListener(&log);
  EXPECT_TRUE(sink->Connect(src.get()));
  OWRemovePinEventListener(&log);
  EXPECT_TRUE(log.Log().empty());
  ASSERT_EQ(src->SinkCount(), 1);
  EXPECT_EQ(src->Entries()[0].sink, before[0].sink);
}

TEST_F(Connect, SinkMovesBetweenSources) {
  auto first = Source(), second = Source();
  auto sink = Sink();
  ASSERT_TRUE(sink->Connect(first.get()));
  ASSERT_TRUE(sink->Connect(second.get()));
  EXPECT_EQ(first->SinkCount(), 0);
  EXPECT_EQ(second->SinkCount(), 1);
  EXPECT_EQ(sink->GetSource(), second.get());
  EXPECT_TRUE(sink->IsLinkedTo(second.get()));
  EXPECT_FALSE(sink->IsLinkedTo(first.get()));
  sink->Disconnect();
  EXPECT_EQ(second->SinkCount(), 0);
  EXPECT_EQ(sink->GetSource(), nullptr);
}

TEST_F(Connect, MaximumOfOneDropsTheOldestSink) {
  auto src = Source(1);
  auto a = Sink(), b = Sink();
  ASSERT_TRUE(src->Connect(a.get()));
  ASSERT_TRUE(src->Connect(b.get()));
  ASSERT_EQ(src->SinkCount(), 1);
  EXPECT_EQ(src->Sink(0), b.get());
  EXPECT_EQ(a->GetSource(), nullptr);
  EXPECT_EQ(b->GetSource(), src.get());
  // Reconnecting the present sink keeps it.
  ASSERT_TRUE(src->Connect(b.get()));
  EXPECT_EQ(src->SinkCount(), 1);
}

TEST_F(Connect, SelfAndWrongKindsAreRefused) {
  auto src = Source();
  auto other = Source();
  auto sink = Sink();
  EXPECT_FALSE(sink->Connect(sink.get()));
  EXPECT_FALSE(src->Connect(src.get()));
  EXPECT_FALSE(src->Connect(other.get()));  // source to source
}

TEST_F(Connect, IncompatibleSourceLeavesTheOldLinkInPlace) {
  auto realSource = Source();
  TSLOWIntegerSinkPin strict(&owner, nullptr, nullptr, nullptr, owner.Lock());
  strict.SetIgnoreUpstream(false);
  TSLOWIntegerSourcePin intSource(&owner, nullptr, 0, nullptr, owner.Lock());
  ASSERT_TRUE(strict.Connect(&intSource));
  // No registered conversion from reals to integers.
  EXPECT_FALSE(strict.CanConnect(realSource.get()));
  EXPECT_FALSE(strict.Connect(realSource.get()));
  EXPECT_EQ(strict.GetSource(), &intSource);
  EXPECT_EQ(intSource.SinkCount(), 1);
  EXPECT_EQ(realSource->SinkCount(), 0);
  EXPECT_EQ(strict.GetStreamType(), stream_type::IntegerBuffer);
}

TEST_F(Connect, LoopsAreRefused) {
  // A component whose output follows its input (like a converter).
  TSLOWRealSinkPin in(&owner, nullptr, nullptr, nullptr, owner.Lock());
  TSLOWRealSourcePin out(&owner, nullptr, 0, nullptr, true, owner.Lock());
  out.AddFunctionDependency(&in);
  EXPECT_FALSE(in.Connect(&out));
  // Through a second stage: out -> in2, out2 follows in2; in <- out2 loops.
  TSLOWRealSinkPin in2(&owner, nullptr, nullptr, nullptr, owner.Lock());
  TSLOWRealSourcePin out2(&owner, nullptr, 0, nullptr, true, owner.Lock());
  out2.AddDataTypeDependency(&in2);
  ASSERT_TRUE(in2.Connect(&out));
  EXPECT_FALSE(in.Connect(&out2));
  EXPECT_EQ(out2.SinkCount(), 0);
  // Without the loop it fits.
  in2.Disconnect();
  EXPECT_TRUE(in.Connect(&out2));
}

TEST_F(Connect, ConnectionTexts) {
  auto src = Source();
  auto a = Sink(), b = Sink();
  EXPECT_EQ(src->GetConnectionText(), "(Disconnected)");
  ASSERT_TRUE(a->Connect(src.get()));
  ASSERT_TRUE(b->Connect(src.get()));
  EXPECT_EQ(src->GetConnectionText(), "( 2 Links )");
}

TEST(Names, PropertyPathsWithAndWithoutRoot) {
  TFrame form("Form4");
  auto* conv = new TWidgetComponent(&form, "A2ROsc");
  auto* scope = new TWidgetComponent(&form, "ScpLeft");
  auto* out0 = new TSLOWRealSourcePin(conv, nullptr, 0, nullptr, true, conv->Lock());
  conv->outputs->Add(out0);
  auto* in0 = new TSLOWRealSinkPin(scope, nullptr, nullptr, nullptr, scope->Lock());
  auto* in1 = new TSLOWRealSinkPin(scope, nullptr, nullptr, nullptr, scope->Lock());
  scope->inputs->Add(in0);
  scope->inputs->AddNamed(in1, "Left");

  EXPECT_EQ(conv->output->GetName(false), "A2ROsc.OutputPin");
  EXPECT_EQ(conv->output->GetName(true), "Form4.A2ROsc.OutputPin");
  EXPECT_EQ(out0->GetName(true), "Form4.A2ROsc.OutputPins._Pin0");
  EXPECT_EQ(out0->GetDisplayName(true), "Form4.A2ROsc.OutputPins.Pin [0]");
  EXPECT_EQ(in1->GetName(false), "ScpLeft.InputPins._Pin1");
  EXPECT_EQ(in1->GetDisplayName(false), "ScpLeft.InputPins.Left");
  EXPECT_EQ(conv->settings.deep->GetName(false), "A2ROsc.Settings.DeepPin");
  EXPECT_EQ(conv->output->GetRootName(), "Form4");

  TSLOWRealSinkPin ownerless(nullptr, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(ownerless.GetName(true), "(No owner)");

  // A sink's connection text names its source.
  ASSERT_TRUE(in0->Connect(out0));
  EXPECT_EQ(in0->GetConnectionText(), "A2ROsc.OutputPins._Pin0");
  EXPECT_EQ(out0->GetConnectionText(), "ScpLeft.InputPins.Pin [0]");

  delete scope;
  delete conv;
}

TEST(Names, RootNameIsKeptWhenTheOwnerLosesItsOwner) {
  auto form = std::make_unique<TFrame>("Form3");
  auto comp = std::make_unique<TWidgetComponent>(form.get(), "AI");
  EXPECT_EQ(comp->output->GetName(true), "Form3.AI.OutputPin");
  comp->setParent(nullptr);
  EXPECT_EQ(comp->output->GetRootName(), "Form3");
}

TEST(PinList, DisplayNamesAndEditing) {
  TLPComponent owner;
  TOWPinList list(&owner, true, owner.Lock());
  auto* a = new TSLOWRealSinkPin(&owner, nullptr, nullptr, nullptr, owner.Lock());
  auto* b = new TSLOWRealSinkPin(&owner, nullptr, nullptr, nullptr, owner.Lock());
  auto* c = new TSLOWRealSinkPin(&owner, nullptr, nullptr, nullptr, owner.Lock());
  EXPECT_EQ(list.AddNamed(a, ""), 0);
  EXPECT_EQ(list.AddNamed(b, "Left"), 1);
  EXPECT_EQ(list.Add(c), 2);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.GetPinName(0), "Pin [0]");
  EXPECT_EQ(list.GetPinName(1), "Left");
  list.SetPinName(0, "Pin [0]");
  EXPECT_EQ(list.GetPinName(0), "Pin [0]");
  list.SetPinName(0, "Right");
  EXPECT_EQ(list.GetPinName(0), "Right");
  list.SetPinName(0, "Pin [0]");  // the default is stored as empty
  list.Exchange(0, 1);
  EXPECT_EQ(list.GetPin(0), b);
  EXPECT_EQ(list.GetPinName(0), "Left");
  EXPECT_EQ(list.GetPinName(1), "Pin [1]");
  EXPECT_EQ(list.IndexOf(c), 2);
  EXPECT_EQ(list.GetPin(7), nullptr);
  list.Delete(2);  // owned: freed
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.IndexOf(c), -1);
  // A pin destroyed by its owner leaves the list.
  delete a;
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetPin(0), b);
}

TEST(PinList, NotOwningListOnlyForgets) {
  TLPComponent owner;
  auto* list = new TOWPinList(&owner, false, owner.Lock());
  TSLOWRealSinkPin pin(&owner, nullptr, nullptr, nullptr, owner.Lock());
  list->Add(&pin);
  list->Add(&pin);
  EXPECT_EQ(pin.OwnerList(), list);
  list->Remove(&pin);  // every occurrence
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(pin.OwnerList(), nullptr);
  delete list;
  EXPECT_FALSE(pin.IsDestroying());
}

TEST(Events, OrderAndFailingListeners) {
  TLPComponent owner;
  TSLOWRealSourcePin src(&owner, nullptr, 0, nullptr, true, owner.Lock());
  TSLOWRealSinkPin sink(&owner, nullptr, nullptr, nullptr, owner.Lock());
  std::vector<std::string> log;
  TEventLog first("1", &log, true), second("2", &log);
  OWAddPinEventListener(&first);
  OWAddPinEventListener(&second);
  ASSERT_TRUE(sink.Connect(&src));
  sink.Disconnect();
  OWRemovePinEventListener(&first);
  OWRemovePinEventListener(&second);
  auto indexOf = [&](const std::string& s) {
    return std::find(log.begin(), log.end(), s) - log.begin();
  };
  // Creation-type events forward, destruction-type in reverse; a failing
  // listener does not stop the others.
  ASSERT_NE(indexOf("1:connected"), static_cast<long>(log.size()));
  ASSERT_NE(indexOf("2:connected"), static_cast<long>(log.size()));
  EXPECT_LT(indexOf("1:connected"), indexOf("2:connected"));
  EXPECT_LT(indexOf("2:disconnected"), indexOf("1:disconnected"));
  EXPECT_LT(indexOf("2:changed"), indexOf("1:changed"));
}

TEST(StatePins, BooleanReachesTheOtherMembers) {
  TFrame form("Form3");
  TLPComponent a(&form), b(&form), c(&form);
  std::vector<std::pair<char, bool>> got;
  TOWBoolStatePin pa(&a, [&](TOWBoolStatePin*, bool v) { got.push_back({'a', v}); }, a.Lock());
  TOWBoolStatePin pb(&b, [&](TOWBoolStatePin*, bool v) { got.push_back({'b', v}); }, b.Lock());
  TOWBoolStatePin pc(&c, [&](TOWBoolStatePin*, bool v) { got.push_back({'c', v}); }, c.Lock());
  ASSERT_TRUE(pa.Connect(&pb));
  ASSERT_NE(pa.Dispatcher(), nullptr);
  EXPECT_EQ(pa.Dispatcher()->Name(), "Form3Link1");
  EXPECT_EQ(pa.GetConnectionText(), "Form3Link1");
  ASSERT_TRUE(pc.Connect(&pb));
  EXPECT_EQ(pc.Dispatcher(), pa.Dispatcher());
  pa.SetState(true);
  EXPECT_EQ(got, (std::vector<std::pair<char, bool>>{{'b', true}, {'c', true}}));
  EXPECT_TRUE(pb.State());
  got.clear();
  pc.Disconnect();
  pb.SetState(false);
  EXPECT_EQ(got, (std::vector<std::pair<char, bool>>{{'a', false}}));
  // The last pair dissolves the dispatcher.
  pb.Disconnect();
  EXPECT_EQ(pa.Dispatcher(), nullptr);
  EXPECT_FALSE(pa.IsConnected());
}

}  // namespace

#include "pin_connect_test.moc"
