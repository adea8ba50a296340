// State dispatchers and state pins.

#include "pins/state_dispatcher.h"

#include <algorithm>

#include "pins/component.h"
#include "pins/pin_events.h"
#include "pins/pin_negotiation.h"
#include "pins/pin_registry.h"

TOWStateDispatcher::TOWStateDispatcher(const QString& name, bool designTime) : name_(name), designTime_(designTime) {
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    (designTime ? r.designDispatchers : r.runDispatchers).push_back(this);
  }
  owevents::DispatcherCreated(this);
}

TOWStateDispatcher::~TOWStateDispatcher() {
  owevents::DispatcherDestroying(this, false);
  std::vector<TOWBasicPin*> members;
  {
    std::lock_guard<std::recursive_mutex> lock(section_);
    members.swap(members_);
  }
  for (TOWBasicPin* p : members) p->SetDispatcher(nullptr);
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  auto& list = designTime_ ? r.designDispatchers : r.runDispatchers;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

QString TOWStateDispatcher::NewName(const QString& rootName, bool designTime) {
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  const auto& list = designTime ? r.designDispatchers : r.runDispatchers;
  for (int n = 1;; ++n) {
    QString candidate = rootName + QStringLiteral("Link") + QString::number(n);
    bool used = std::any_of(list.begin(), list.end(), [&](TOWStateDispatcher* d) { return d->Name() == candidate; });
    if (!used) return candidate;
  }
}

std::vector<TOWBasicPin*> TOWStateDispatcher::Members() const {
  std::lock_guard<std::recursive_mutex> lock(section_);
  return members_;
}

int TOWStateDispatcher::MemberCount() const {
  std::lock_guard<std::recursive_mutex> lock(section_);
  return static_cast<int>(members_.size());
}

namespace {
// The type `sender` uses towards `member`: the last of the sender's types
// the member supports.
TGUID CommonType(const TOWBasicPin* sender, const TOWBasicPin* member) {
  auto* pin = qobject_cast<const TOWPin*>(sender);
  if (!pin) return {};
  auto entries = pin->StreamTypes().Entries();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (member->SupportsType(it->type)) return it->type;
  return {};
}
}  // namespace

bool TOWStateDispatcher::CanJoin(TOWBasicPin* pin) const {
  std::lock_guard<std::recursive_mutex> lock(section_);
  for (TOWBasicPin* m : members_) {
    if (m == pin || m->GetKind() == pkSink) continue;
    if (CommonType(pin, m).IsNull() && CommonType(m, pin).IsNull()) return false;
  }
  return true;
}

bool TOWStateDispatcher::AddMember(TOWBasicPin* pin) {
  if (!pin) return false;
  if (pin->Dispatcher() == this) return true;
  if (!CanJoin(pin)) return false;
  pin->MarkReferencing();
  if (TOWStateDispatcher* old = pin->Dispatcher()) old->RemoveMember(pin);
  {
    std::lock_guard<std::recursive_mutex> lock(section_);
    members_.push_back(pin);
  }
  pin->SetDispatcher(this);
  owevents::PinConnected(pin, this);
  owevents::DispatcherChanged(this);
  return true;
}

void TOWStateDispatcher::RemoveMember(TOWBasicPin* pin) {
  bool empty;
  {
    std::lock_guard<std::recursive_mutex> lock(section_);
    auto it = std::find(members_.begin(), members_.end(), pin);
    if (it == members_.end()) return;
    members_.erase(it);
    empty = members_.empty();
  }
  pin->SetDispatcher(nullptr);
  owevents::PinDisconnected(pin, this);
  if (empty) {
    delete this;
    return;
  }
  owevents::DispatcherChanged(this);
}

bool TOWStateDispatcher::Notify(TOWBasicPin* sender, IOWNotifyOperation* op) {
  auto members = Members();
  auto* pin = qobject_cast<TOWPin*>(sender);
  if (!pin) return false;
  bool result = false;
  const size_t n = members.size();
  for (size_t i = 0; i < n; ++i) {
    TOWBasicPin* m = members[i];
    if (m == sender) continue;
    // Last when it goes to the last member, or to the one before a last
    // member that is the sender.
    bool last = (i + 1 == n) || (i + 2 == n && members[n - 1] == sender);
    TGUID type = CommonType(sender, m);
    if (type.IsNull()) continue;
    const TOWHandler* h = pin->StreamTypes().HandlerFor(type);
    TOWHandler handler = OWEffectiveHandler(h ? *h : TOWHandler{});
    TOWGuard use = sender->DestroyLock()->EnterUse();
    if (!use) continue;
    if (handler.code(handler.data, m, &type, last ? kOWFlagLast : 0, op)) result = true;
  }
  return result;
}

// ---------------------------------------------------------------------------
// TOWStatePin

TOWStatePin::TOWStatePin(QObject* owner, IOWLock* ownerLock) : TOWPin(owner, ownerLock) {}

TOWStatePin::~TOWStatePin() { BeginDestroy(); }

bool TOWStatePin::CanConnect(TOWBasicPin* pin) const {
  if (!pin || pin == this) return false;
  if (qobject_cast<TOWUnloadedPin*>(pin)) return true;
  if (pin->Dispatcher()) return pin->Dispatcher()->CanJoin(const_cast<TOWStatePin*>(this));
  return !CommonType(this, pin).IsNull() || !CommonType(pin, this).IsNull();
}

bool TOWStatePin::ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) {
  (void)orderPin;
  if (!pin || pin == this) return false;
  TOWConnectionHold hold(OWConnectionSection());
  if (auto* placeholder = qobject_cast<TOWUnloadedPin*>(pin)) return placeholder->ConnectEx(this, orderPin);
  if (!CanConnect(pin)) return false;
  if (pin->Dispatcher() && pin->Dispatcher() == dispatcher_) return true;
  if (pin->Dispatcher()) return pin->Dispatcher()->AddMember(this);
  if (dispatcher_) return dispatcher_->AddMember(pin);
  QObject* root = GetRoot();
  bool design = root && IsObjectDesigning(root);
  auto* d = new TOWStateDispatcher(TOWStateDispatcher::NewName(GetRootName(), design), design);
  d->AddMember(this);
  if (!d->AddMember(pin)) {
    d->RemoveMember(this);  // frees the dispatcher
    return false;
  }
  return true;
}

void TOWStatePin::Disconnect() {
  TOWConnectionHold hold(OWConnectionSection());
  TOWStateDispatcher* d = dispatcher_;
  if (!d) return;
  auto members = d->Members();
  d->RemoveMember(this);  // frees the dispatcher with its last member
  // A dispatcher with one member left links nothing.
  if (members.size() == 2) d->RemoveMember(members[0] == this ? members[1] : members[0]);
}

void TOWStatePin::DisconnectPin(TOWBasicPin* pin) {
  if (pin && dispatcher_ && pin->Dispatcher() == dispatcher_) Disconnect();
}

bool TOWStatePin::IsConnected() const { return dispatcher_ != nullptr; }

bool TOWStatePin::IsLinkedTo(const TOWBasicPin* pin) const {
  return pin && dispatcher_ && pin->Dispatcher() == dispatcher_;
}

QString TOWStatePin::GetConnectionText() const {
  return dispatcher_ ? dispatcher_->Name() : QStringLiteral("(Disconnected)");
}

bool TOWStatePin::Notify(IOWNotifyOperation* op) {
  TOWStateDispatcher* d = dispatcher_;
  return d ? d->Notify(this, op) : false;
}
