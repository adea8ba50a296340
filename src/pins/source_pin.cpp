// Source pins: sink entries, type negotiation, broadcast, delivery and the
// reordering of entries.

#include <algorithm>
#include <unordered_set>

#include "pins/component.h"
#include "pins/format_converter.h"
#include "pins/pin.h"
#include "pins/pin_events.h"
#include "pins/pin_negotiation.h"
#include "pins/pin_registry.h"
#include "pins/state_dispatcher.h"

namespace {
constexpr int kMaxBroadcastDepth = 200;
constexpr int kMaxDeliverDepth = 10;
constexpr int32_t kActivityLimit = 10000;
constexpr int32_t kActivityStep = 4;

TRef<IOWFormatConverter> ConverterOf(const TOWBasicPin* pin) {
  if (!pin) return {};
  return TRef<IOWFormatConverter>(dynamic_cast<TOWFormatConverter*>(pin->GetOwner()));
}

// Decrements on scope exit, so the depth is restored when a receiver raises.
struct DepthHold {
  std::atomic<int>& depth;
  ~DepthHold() { depth.fetch_sub(1); }
};
}  // namespace

// ---------------------------------------------------------------------------
// Negotiation

bool OWAcceptsType(const TOWBasicPin* sink, const TGUID& type) {
  return !type.IsNull() && sink->SupportsType(type);
}

TOWNegotiation OWNegotiate(const TOWSourcePin* source, const TOWBasicPin* sink, bool allowConversion,
                           bool allowNewConverter) {
  TOWNegotiation result;
  if (!source || !sink) return result;
  auto candidates = source->CollectTypes();
  for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
    if (OWAcceptsType(sink, it->type)) {
      result.type = it->type;
      return result;
    }
  if (allowConversion) {
    const auto& converters = source->converters_;
    for (auto it = converters.rbegin(); it != converters.rend(); ++it) {
      TOWFormatConverter* c = (*it)->GetConverter();
      TOWNegotiation out = OWNegotiate(c->OutputPin(), sink, false, false);
      if (out.type.IsNull()) continue;
      TOWNegotiation in = OWNegotiate(source, c->InputPin(), false, false);
      if (in.type.IsNull()) continue;
      result.type = in.type;
      result.existing = *it;
      return result;
    }
  }
  if (allowNewConverter) {
    auto pairs = OWFormatConverters();
    for (auto p = pairs.rbegin(); p != pairs.rend(); ++p)
      for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
        if (p->from == it->type && OWAcceptsType(sink, p->to) && p->create) {
          result.type = it->type;
          result.create = p->create;
          return result;
        }
  }
  // A sink that ignores upstream types takes the source's own type.
  if (auto* basicSink = dynamic_cast<const TOWBasicSinkPin*>(sink))
    if (basicSink->IgnoreUpstream() && !candidates.empty()) result.type = candidates.back().type;
  return result;
}

// ---------------------------------------------------------------------------
// TOWSourcePin

TOWSourcePin::TOWSourcePin(QObject* owner, int maxSinks, IOWLock* ownerLock, IOWLock* inputOwnerLock)
    : TOWStreamPin(owner, ownerLock), maxSinks_(maxSinks), inputOwnerLock_(inputOwnerLock) {}

TOWSourcePin::~TOWSourcePin() { BeginDestroy(); }

bool TOWSourcePin::IsConnected() const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return !entries_.empty() || dispatcher_;
}

bool TOWSourcePin::IsLinkedTo(const TOWBasicPin* pin) const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  for (auto& e : entries_)
    if (e.sink == pin) return true;
  return false;
}

int TOWSourcePin::SinkCount() const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return static_cast<int>(entries_.size());
}

TOWBasicPin* TOWSourcePin::Sink(int i) const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return i >= 0 && i < static_cast<int>(entries_.size()) ? entries_[i].sink : nullptr;
}

TOWBasicPin* TOWSourcePin::EntryOrderPin(int i) const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return i >= 0 && i < static_cast<int>(entries_.size()) ? entries_[i].orderPin : nullptr;
}

std::vector<TOWSinkEntry> TOWSourcePin::Entries() const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return entries_;
}

int TOWSourcePin::ConverterCount() const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return static_cast<int>(converters_.size());
}

QString TOWSourcePin::GetConnectionText() const {
  auto entries = Entries();
  if (entries.empty()) {
    if (dispatcher_) return dispatcher_->Name();
    return QStringLiteral("(Disconnected)");
  }
  if (entries.size() > 1) return QStringLiteral("( %1 Links )").arg(entries.size());
  TOWBasicPin* sink = entries[0].sink;
  if (sink->GetRootName() != GetRootName()) return sink->GetDisplayName(true);
  return sink->GetDisplayName(false);
}

bool TOWSourcePin::CanConnect(TOWBasicPin* pin) const {
  if (!pin || pin == this) return false;
  if (qobject_cast<TOWUnloadedPin*>(pin)) return true;
  if (auto* sink = qobject_cast<TOWBasicSinkPin*>(pin)) return sink->CanAccept(this);
  if (qobject_cast<TOWStatePin*>(pin)) return pin->CanConnect(const_cast<TOWSourcePin*>(this));
  return false;
}

bool TOWSourcePin::CanConnectTo(TOWBasicPin* pin, TOWBasicPin* orderPin) const {
  (void)orderPin;
  // While the owner loads, links are restored in any order: the sink side
  // still applies its own test.
  if (GetOwner() && IsLoadingInChain(GetOwner())) return true;
  if (inEditor_) return true;
  return CanConnect(pin);
}

bool TOWSourcePin::CanFeed(const TOWBasicPin* sink) const {
  auto* self = const_cast<TOWSourcePin*>(this);
  TOWGuard g = self->EnterRead();
  return !OWNegotiate(this, sink, true, true).type.IsNull();
}

bool TOWSourcePin::DependsOn(const TOWBasicPin* pin) const {
  // Guards against cycles already present in the dependency graph.
  thread_local std::unordered_set<const TOWSourcePin*> visiting;
  if (!visiting.insert(this).second) return false;
  bool found = false;
  for (const auto* list : {&functionDeps_, &dataTypeDeps_}) {
    for (TOWBasicSinkPin* dep : *list) {
      if (dep == pin) {
        found = true;
        break;
      }
      if (auto* sink = qobject_cast<TOWSinkPin*>(dep)) {
        if (sink == pin) {
          found = true;
          break;
        }
        auto* upstream = qobject_cast<TOWSourcePin*>(sink->LinkedSource());
        if (upstream && (upstream == pin || upstream->DependsOn(pin))) {
          found = true;
          break;
        }
      }
    }
    if (found) break;
  }
  visiting.erase(this);
  return found;
}

void TOWSourcePin::AddFunctionDependency(TOWBasicSinkPin* sink) {
  if (!sink) return;
  MarkReferencing();
  TOWGuard g = EnterWrite();
  if (std::find(functionDeps_.begin(), functionDeps_.end(), sink) == functionDeps_.end()) {
    functionDeps_.push_back(sink);
    sink->AddDependant(this, false);
  }
}

void TOWSourcePin::AddDataTypeDependency(TOWBasicSinkPin* sink) {
  if (!sink) return;
  MarkReferencing();
  TOWGuard g = EnterWrite();
  if (std::find(dataTypeDeps_.begin(), dataTypeDeps_.end(), sink) == dataTypeDeps_.end()) {
    dataTypeDeps_.push_back(sink);
    sink->AddDependant(this, true);
  }
}

void TOWSourcePin::RemoveDependency(TOWBasicSinkPin* sink) {
  TOWGuard g = EnterWrite();
  functionDeps_.erase(std::remove(functionDeps_.begin(), functionDeps_.end(), sink), functionDeps_.end());
  dataTypeDeps_.erase(std::remove(dataTypeDeps_.begin(), dataTypeDeps_.end(), sink), dataTypeDeps_.end());
}

std::vector<TOWPinStreamType::Entry> TOWSourcePin::CollectTypes() const {
  // Data-type dependencies only keep loops out; no pin of this library
  // contributes stream types through them.
  return types_.Entries();
}

bool TOWSourcePin::ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) {
  if (!pin || pin == this) return false;
  if (!CanConnectTo(pin, orderPin)) return false;
  return ConnectSink(pin, orderPin);
}

bool TOWSourcePin::ConnectSink(TOWBasicPin* pin, TOWBasicPin* orderPin) {
  if (!pin || pin == this) return false;
  if (pin->GetKind() == pkSource && !qobject_cast<TOWUnloadedPin*>(pin)) return false;
  TOWConnectionHold hold(OWConnectionSection());
  TOWBasicPin* drop = nullptr;
  {
    TOWGuard g = EnterWrite();
    if (maxSinks_ > 0 && static_cast<int>(entries_.size()) >= maxSinks_) {
      bool linked = std::any_of(entries_.begin(), entries_.end(), [&](auto& e) { return e.sink == pin; });
      if (!linked) drop = entries_.front().sink;
    }
  }
  // The sink side takes its own guard first; never hold ours across it.
  if (drop) DisconnectPin(drop);
  return pin->ConnectEx(this, orderPin);
}

bool TOWSourcePin::AddSink(TOWBasicPin* sink, TOWBasicPin* orderPin) {
  if (!sink) return false;
  MarkReferencing();
  sink->MarkReferencing();
  TOWGuard g = EnterWrite();
  if (qobject_cast<TOWUnloadedPin*>(sink)) {
    TOWSinkEntry e;
    e.target = sink;
    e.sink = sink;
    e.orderPin = orderPin;
    entries_.push_back(e);
    owevents::PinChanged(this);
    return true;
  }
  TOWNegotiation n = OWNegotiate(this, sink, true, true);
  if (n.type.IsNull()) return false;
  TOWSinkEntry e;
  e.sink = sink;
  e.orderPin = orderPin;
  e.type = n.type;
  const TOWHandler* registered = types_.HandlerFor(n.type);
  e.handler = OWEffectiveHandler(registered ? *registered : TOWHandler{});
  TRef<IOWFormatConverter> converter = n.existing;
  if (!converter && n.create) {
    TOWFormatConverter* created = n.create();
    if (!created) return false;
    converter = TRef<IOWFormatConverter>(created);
    converters_.push_back(converter);
    // The converter's input follows this source without an entry of its own.
    created->InputPin()->AttachAsConverterInput(this, n.type);
  }
  if (converter) {
    TOWFormatConverter* c = converter->GetConverter();
    e.target = c->InputPin();
    // The converter's input handler is the one the sink side of the
    // converter registered; the entry serves it like any other target.
    if (!c->OutputPin()->AddSink(sink, orderPin)) {
      if (n.create) converters_.pop_back();
      return false;
    }
    if (auto* realSink = qobject_cast<TOWSinkPin*>(sink)) realSink->SetDeliveringPin(c->OutputPin());
  } else {
    e.target = sink;
  }
  entries_.push_back(e);
  g.reset();
  owevents::PinChanged(this);
  // Through an existing converter, our courtesy operations would reach every
  // sink of that converter; its output serves the new sink alone.
  SinkAdded(sink, !(converter && !n.create));
  return true;
}

void TOWSourcePin::RemoveSink(TOWBasicPin* sink, bool leavePlaceholder) {
  (void)leavePlaceholder;  // placeholders for kept links exist only in a designer
  if (!sink) return;
  bool direct = false;
  {
    TOWGuard g = EnterWrite();
    bool present = false;
    for (auto& e : entries_)
      if (e.sink == sink) {
        present = true;
        direct = e.target == e.sink;
      }
    if (!present) return;
  }
  // Through a converter the stop would reach every sink of the converter;
  // the converter's output sends it to this sink alone below.
  if (direct) SinkRemoving(sink);
  std::vector<TRef<IOWFormatConverter>> released;
  {
    TOWGuard g = EnterWrite();
    bool throughConverter = false;
    for (auto it = entries_.begin(); it != entries_.end();) {
      if (it->sink == sink) {
        if (it->target != it->sink) throughConverter = true;
        it = entries_.erase(it);
      } else {
        ++it;
      }
    }
    for (auto& e : entries_)
      if (e.orderPin == sink) e.orderPin = nullptr;
    if (throughConverter) {
      for (auto& c : converters_) c->GetConverter()->OutputPin()->RemoveSink(sink, false);
      for (auto it = converters_.begin(); it != converters_.end();) {
        TOWFormatConverter* c = (*it)->GetConverter();
        bool used = c->OutputPin()->SinkCount() > 0;
        if (!used) {
          for (auto e = entries_.begin(); e != entries_.end();)
            e = e->target == c->InputPin() ? entries_.erase(e) : e + 1;
          c->InputPin()->DetachConverterInput();
          released.push_back(*it);
          it = converters_.erase(it);
        } else {
          ++it;
        }
      }
    }
  }
  owevents::PinChanged(this);
  // Converters die outside our guard; a broadcast still holding one keeps
  // it alive until the broadcast ends.
  released.clear();
  sink->ReleaseIfUnused();
}

void TOWSourcePin::Disconnect() {
  TOWConnectionHold hold(OWConnectionSection());
  Disconnecting();
  if (dispatcher_) dispatcher_->RemoveMember(this);
  for (;;) {
    TOWBasicPin* sink = nullptr;
    {
      TOWGuard g = EnterRead();
      if (entries_.empty()) break;
      sink = entries_.back().sink;
    }
    owevents::PinDisconnected(this, sink);
    // The sink side detaches (sink guard before source guard).
    sink->DisconnectPin(this);
    if (IsLinkedTo(sink)) {
      // A sink that did not know us: drop the entry ourselves.
      inDisconnect_ = true;
      RemoveSink(sink, false);
      inDisconnect_ = false;
    }
  }
}

void TOWSourcePin::DisconnectPin(TOWBasicPin* pin) {
  TOWConnectionHold hold(OWConnectionSection());
  if (!pin || !IsLinkedTo(pin)) return;
  owevents::PinDisconnected(this, pin);
  pin->DisconnectPin(this);
  if (IsLinkedTo(pin)) RemoveSink(pin, false);
}

void TOWSourcePin::PinDestroying(TOWBasicPin* pin) {
  RemoveDependency(qobject_cast<TOWBasicSinkPin*>(pin));
  if (IsLinkedTo(pin)) RemoveSink(pin, false);
  TOWGuard g = EnterWrite();
  for (auto& e : entries_)
    if (e.orderPin == pin) e.orderPin = nullptr;
}

void TOWSourcePin::PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) {
  TOWGuard g = EnterWrite();
  for (auto& e : entries_)
    if (e.orderPin == oldPin) e.orderPin = newPin;
}

bool TOWSourcePin::SetSinkOrder(TOWBasicPin* sink, const QString& orderPinName) {
  TOWBasicPin* order = OWFindPinByName(orderPinName, GetRoot(), formName_);
  TOWGuard g = EnterWrite();
  for (auto& e : entries_)
    if (e.sink == sink) {
      e.orderPin = order;
      Reorder();
      return order != nullptr;
    }
  return false;
}

void TOWSourcePin::Reorder() {
  for (auto& e : entries_)
    if (e.activity > 0) --e.activity;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const TOWSinkEntry& a, const TOWSinkEntry& b) { return a.activity < b.activity; });
  // Each entry with an order pin moves behind that pin's entry. Bounded, so
  // contradictory orders cannot loop.
  const size_t n = entries_.size();
  size_t steps = 0;
  for (size_t i = 0; i < n && steps < n * n + 1; ++steps) {
    TOWBasicPin* order = entries_[i].orderPin;
    size_t later = n;
    if (order)
      for (size_t j = i + 1; j < n; ++j)
        if (entries_[j].sink == order) later = j;
    if (later == n) {
      ++i;
      continue;
    }
    TOWSinkEntry moved = entries_[i];
    entries_.erase(entries_.begin() + static_cast<long>(i));
    entries_.insert(entries_.begin() + static_cast<long>(later), moved);
  }
}

bool TOWSourcePin::Notify(IOWNotifyOperation* op) { return Broadcast(op, nullptr); }

bool TOWSourcePin::NotifySink(IOWNotifyOperation* op, TOWBasicPin* onlySink) { return Broadcast(op, onlySink); }

bool TOWSourcePin::Broadcast(IOWNotifyOperation* op, TOWBasicPin* onlySink) {
  // 1. No component lock of ours is held while receivers run.
  TOWGuard releaseInput, releaseOwner;
  if (inputOwnerLock_) {
    releaseInput = inputOwnerLock_->ReleaseAll();
    if (ownerLock_) releaseOwner = ownerLock_->ReleaseAllOrdered(inputOwnerLock_.get());
  } else if (ownerLock_) {
    releaseOwner = ownerLock_->ReleaseAll();
  }
  // The pin is used between receivers and after the last one too: a
  // destruction on another thread waits for the whole broadcast, not only
  // for the receiver being served (and cuts it short: the uses below are
  // refused meanwhile). Released before the component locks are taken back.
  TOWGuard alive = destroyLock_->EnterUse();
  // 2.-3. Snapshot under the read guard.
  TOWPinEntryListNotifyArray snapshot;
  TOWGuard rg = EnterRead();
  snapshot.reserve(entries_.size());
  for (auto& e : entries_) snapshot.push_back({e, ConverterOf(e.target)});
  // 4. A converter shared by several sinks receives the operation once.
  for (size_t i = snapshot.size(); i-- > 0;) {
    auto& el = snapshot[i].entry;
    if (!el.handler.Assigned() || el.target == el.sink) continue;
    for (size_t j = 0; j < i; ++j)
      if (snapshot[j].entry.target == el.target) {
        el.handler = {};
        break;
      }
  }
  // 5. Recursion guard.
  if (sendDepth_.load() > kMaxBroadcastDepth) {
    rg.reset();
    TOWGuard ra = ReleaseAll();
    snapshot.clear();
    throw EOWException(kPinDependsOnItself);
  }
  sendDepth_.fetch_add(1);
  bool result = false;
  {
    DepthHold hold{sendDepth_};
    // 6. State dispatcher.
    if (dispatcher_) result = dispatcher_->Notify(this, op);
    // 7. Serve the snapshot. The last served receiver gets flag 2.
    size_t last = snapshot.size();
    for (size_t i = snapshot.size(); i-- > 0;) {
      const auto& el = snapshot[i].entry;
      if (onlySink && el.sink != onlySink) continue;
      if (!el.handler.Assigned()) continue;
      last = i;
      break;
    }
    for (size_t i = 0; i < snapshot.size(); ++i) {
      const TOWSinkEntry& el = snapshot[i].entry;
      if (onlySink && el.sink != onlySink) continue;
      if (!el.handler.Assigned()) continue;
      const uint8_t flags = (i == last || (!onlySink && i + 1 == snapshot.size())) ? kOWFlagLast : 0;
      TOWGuard use = destroyLock_->EnterUse();
      if (!use) continue;  // the pin is being detached or destroyed elsewhere
      // The snapshot may be stale: a link removed since then (and its sink
      // perhaps freed) must not be served. Removal waits for our use guard.
      bool live = std::any_of(entries_.begin(), entries_.end(),
                              [&](const TOWSinkEntry& e) { return e.sink == el.sink && e.target == el.target; });
      if (!live) continue;
      rg.reset();
      uint8_t r = el.handler.code(el.handler.data, el.target, &el.type, flags, op);
      use.reset();
      rg = EnterRead();
      if (r & 1)
        for (auto& e : entries_)
          if (e.sink == el.sink && e.activity < kActivityLimit) {
            e.activity += kActivityStep;
            break;
          }
    }
    // 8. Reorder under the write guard.
    rg.reset();
    TOWGuard wg = EnterWrite();
    if (!inDisconnect_) Reorder();
  }
  {
    TOWGuard ra = ReleaseAll();
    snapshot.clear();
  }
  // Keeping start and stop state follows full broadcasts only: a stop sent
  // to one sink being removed must not end the stream for the others.
  if (!onlySink) AfterBroadcast(op);
  alive.reset();
  return result;
}

void TOWSourcePin::Deliver(TOWBasicPin* sink, TOWHandler handler) {
  if (!handler.Assigned() || !sink) return;
  TOWGuard wg = EnterWrite();
  if (sendDepth_.load() > kMaxDeliverDepth) throw EOWException(kPinDependsOnItself);
  sendDepth_.fetch_add(1);
  {
    DepthHold hold{sendDepth_};
    TOWNegotiation n = OWNegotiate(this, sink, true, false);
    {
      TOWGuard ra = ReleaseAll();
      TOWGuard use = destroyLock_->EnterUse();
      if (use && !n.type.IsNull()) {
        TOWGuard releaseOwner;
        if (inputOwnerLock_ && ownerLock_) releaseOwner = ownerLock_->ReleaseAllOrdered(inputOwnerLock_.get());
        TRef<IOWNotifyOperation> notice = MakeOperation<TOWNotifyOperation>();
        handler.code(handler.data, sink, &n.type, kOWFlagConnectNotice | kOWFlagLast, notice.get());
      }
    }
    owevents::PinChanged(this);
  }
}

void TOWSourcePin::Redeliver(TOWBasicPin* sink) {
  TOWHandler h;
  TOWBasicPin* target = nullptr;
  {
    TOWGuard g = EnterRead();
    for (auto& e : entries_)
      if (e.sink == sink) {
        h = e.handler;
        target = e.target;
        break;
      }
  }
  if (target) Deliver(target, h);
}
