// Sink pins: the side that builds every link, and the upstream path.

#include <algorithm>

#include "pins/pin.h"
#include "pins/pin_events.h"
#include "pins/pin_negotiation.h"
#include "pins/pin_registry.h"
#include "pins/state_dispatcher.h"

// ---------------------------------------------------------------------------
// TOWBasicSinkPin

TOWBasicSinkPin::~TOWBasicSinkPin() { BeginDestroy(); }

bool TOWBasicSinkPin::CanAccept(const TOWBasicPin* source) const {
  auto* s = qobject_cast<const TOWSourcePin*>(source);
  if (!s) return qobject_cast<const TOWUnloadedPin*>(source) != nullptr;
  // No loops: the source must not already be downstream of this sink.
  if (s->DependsOn(this)) return false;
  if (ignoreUpstream_ || types_.Count() == 0) return true;
  return s->CanFeed(this);
}

void TOWBasicSinkPin::AddDependant(TOWSourcePin* pin, bool dataType) {
  MarkReferencing();
  TOWGuard g = EnterWrite();
  auto& list = dataType ? typeDependants_ : functionDependants_;
  if (std::find(list.begin(), list.end(), pin) == list.end()) list.push_back(pin);
}

void TOWBasicSinkPin::RemoveDependant(TOWSourcePin* pin) {
  TOWGuard g = EnterWrite();
  functionDependants_.erase(std::remove(functionDependants_.begin(), functionDependants_.end(), pin),
                            functionDependants_.end());
  typeDependants_.erase(std::remove(typeDependants_.begin(), typeDependants_.end(), pin), typeDependants_.end());
}

void TOWBasicSinkPin::PinDestroying(TOWBasicPin* pin) {
  if (auto* s = qobject_cast<TOWSourcePin*>(pin)) RemoveDependant(s);
}

// ---------------------------------------------------------------------------
// TOWSinkPin

TOWSinkPin::TOWSinkPin(QObject* owner, IOWLock* ownerLock) : TOWBasicSinkPin(owner, ownerLock) {}

TOWSinkPin::~TOWSinkPin() { BeginDestroy(); }

TOWBasicPin* TOWSinkPin::GetSource() const {
  TOWGuard g = const_cast<TOWSinkPin*>(this)->EnterRead();
  return source_;
}

TOWBasicPin* TOWSinkPin::DeliveringPin() const {
  TOWGuard g = const_cast<TOWSinkPin*>(this)->EnterRead();
  return delivering_;
}

TOWBasicPin* TOWSinkPin::LinkedSource() const {
  TOWGuard g = const_cast<TOWSinkPin*>(this)->EnterRead();
  return linked_;
}

TGUID TOWSinkPin::GetStreamType() const {
  TOWGuard g = const_cast<TOWSinkPin*>(this)->EnterRead();
  return negotiated_;
}

QString TOWSinkPin::StreamTypeText() const { return OWStreamTypeName(GetStreamType()); }

bool TOWSinkPin::IsConnected() const { return connected_.load(std::memory_order_acquire); }

bool TOWSinkPin::IsLinkedTo(const TOWBasicPin* pin) const {
  TOWGuard g = const_cast<TOWSinkPin*>(this)->EnterRead();
  return pin && (pin == source_ || pin == linked_);
}

QString TOWSinkPin::GetConnectionText() const {
  TOWBasicPin* s = GetSource();
  if (s) return s->GetName(s->GetRootName() != GetRootName());
  if (dispatcher_) return dispatcher_->Name();
  return QStringLiteral("(Disconnected)");
}

bool TOWSinkPin::CanConnect(TOWBasicPin* pin) const {
  if (!pin || pin == this) return false;
  if (qobject_cast<TOWUnloadedPin*>(pin)) return true;
  if (qobject_cast<TOWStatePin*>(pin)) return pin->CanConnect(const_cast<TOWSinkPin*>(this));
  return CanAccept(pin);
}

void TOWSinkPin::SetDeliveringPin(TOWBasicPin* pin) { delivering_ = pin; }

void TOWSinkPin::AttachAsConverterInput(TOWSourcePin* source, const TGUID& type) {
  TOWGuard g = EnterWrite();
  delivering_ = linked_ = source_ = source;
  ConnectionChanged();
  negotiated_ = type;
  const TOWHandler* h = types_.HandlerFor(type);
  upstream_ = OWEffectiveHandler(h ? *h : TOWHandler{});
}

void TOWSinkPin::DetachConverterInput() {
  TOWGuard g = EnterWrite();
  delivering_ = linked_ = source_ = nullptr;
  ConnectionChanged();
  negotiated_ = TGUID{};
  upstream_ = {};
}

void TOWSinkPin::DetachSource(bool keep) {
  TOWBasicPin* old = linked_ ? linked_ : (source_ ? source_ : delivering_);
  if (!old) return;
  {
    TOWGuard sg = old->EnterWrite();
    old->RemoveSink(this, keep);
  }
  owevents::PinDisconnected(this, old);
  delivering_ = linked_ = source_ = nullptr;
  ConnectionChanged();
  negotiated_ = TGUID{};
  upstream_ = {};
  owevents::PinChanged(this);
  old->ReleaseIfUnused();
}

bool TOWSinkPin::ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) {
  // 1.
  if (pin == this) return false;
  TOWConnectionHold hold(OWConnectionSection());
  MarkReferencing();
  if (pin) pin->MarkReferencing();
  // 2.
  TOWGuard g = EnterWrite();
  if (!g) return false;
  // 3. Already so.
  if (pin == linked_) {
    if (!pin) return true;
    if (auto* s = qobject_cast<TOWSourcePin*>(pin)) {
      auto entries = s->Entries();
      for (auto& e : entries)
        if (e.sink == this && e.orderPin == orderPin) return true;
    } else {
      return true;
    }
  } else if (pin && pin == source_) {
    return true;
  }
  // 4. None: disconnect.
  if (!pin) {
    DetachSource(false);
    return true;
  }
  // 5. State pins connect through their dispatcher.
  if (qobject_cast<TOWStatePin*>(pin)) {
    g.reset();
    return pin->ConnectEx(this, orderPin);
  }
  // 6. Refused sources leave the current link as it was.
  if (!CanConnect(pin)) return false;
  // 7.
  if (dispatcher_) dispatcher_->RemoveMember(this);
  DetachSource(false);
  // 8.
  if (auto* s = qobject_cast<TOWSourcePin*>(pin)) {
    delivering_ = s;
    source_ = s;
    ConnectionChanged();
    bool added;
    {
      TOWGuard sg = s->EnterWrite();
      added = s->AddSink(this, orderPin);
    }
    if (!added) {
      delivering_ = source_ = nullptr;
      ConnectionChanged();
      return false;
    }
    g = EnterWrite();
    linked_ = s;
    source_ = s;
    ConnectionChanged();
    TOWNegotiation n = OWNegotiate(s, this, true, false);
    TGUID type = n.type;
    if (!type.IsNull() && !s->SupportsType(type)) {
      type = TGUID{};
      auto own = s->StreamTypes().Entries();
      for (auto it = own.rbegin(); it != own.rend(); ++it)
        if (s->SupportsType(it->type)) {
          type = it->type;
          break;
        }
    }
    negotiated_ = type;
    const TOWHandler* h = types_.HandlerFor(type);
    upstream_ = OWEffectiveHandler(h ? *h : TOWHandler{});
    g.reset();
    s->Redeliver(this);
    Connected(s, orderPin);
  } else {
    // 9. A placeholder records the link.
    g.reset();
    if (!pin->ConnectEx(this, orderPin)) return false;
  }
  // 10.
  owevents::PinConnected(this, pin);
  owevents::PinChanged(this);
  return true;
}

void TOWSinkPin::Disconnect() {
  TOWConnectionHold hold(OWConnectionSection());
  TOWBasicPin* src;
  {
    TOWGuard g = EnterRead();
    src = linked_ ? linked_ : source_;
  }
  if (src || dispatcher_) Disconnecting();
  TOWGuard sourceDestroy, sourceWrite;
  auto* realSource = qobject_cast<TOWSourcePin*>(src);
  if (realSource && !qobject_cast<TOWFormatConverter*>(realSource->GetOwner())) {
    // Waits for a delivery in progress on the source; later ones skip us.
    sourceDestroy = realSource->DestroyLock()->EnterDestroy();
    sourceWrite = realSource->EnterWrite();
  }
  TOWGuard ownDestroy = destroyLock_->EnterDestroy();
  TOWGuard stop = Lock()->EnterStop();
  if (dispatcher_) dispatcher_->RemoveMember(this);
  ConnectEx(nullptr, nullptr);
}

void TOWSinkPin::DisconnectPin(TOWBasicPin* pin) {
  if (pin && IsLinkedTo(pin)) Disconnect();
}

void TOWSinkPin::PinDestroying(TOWBasicPin* pin) {
  TOWBasicSinkPin::PinDestroying(pin);
  if (IsLinkedTo(pin)) Disconnect();
}

void TOWSinkPin::PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) {
  (void)oldPin;
  (void)newPin;
}

bool TOWSinkPin::Notify(IOWNotifyOperation* op) {
  // 1.
  TOWGuard ownerGuard;
  if (ownerLock_) {
    ownerGuard = ownerLock_->EnterRead();
    if (!ownerGuard) return false;
  }
  TOWGuard rg = EnterRead();
  if (!rg) return false;
  // 2.
  TOWBasicPin* target = delivering_;
  TOWHandler h = upstream_;
  TGUID type = negotiated_;
  if (!target || !h.Assigned() || qobject_cast<TOWUnloadedPin*>(target)) return false;
  TOWGuard use = destroyLock_->EnterUse();
  if (!use) return false;
  // Our own destruction or disconnection waits for the use guard, so the
  // target stays valid without holding our lock during the call.
  rg.reset();
  TOWGuard release = ownerLock_ ? ownerLock_->ReleaseAll() : TOWGuard{};
  return h.code(h.data, target, &type, kOWFlagLast, op) != 0;
}
