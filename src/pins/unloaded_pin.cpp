// Placeholders for pins named by stored links that do not exist yet.

#include <algorithm>

#include "pins/pin.h"
#include "pins/pin_events.h"
#include "pins/pin_registry.h"

TOWUnloadedPin::TOWUnloadedPin(QObject* root, int kind, const QString& displayName, const QString& internalName,
                               const QString& creatorName)
    : TOWBasicPin(nullptr),
      root_(root),
      rootName_(root ? root->objectName() : QString()),
      kind_(kind),
      display_(displayName.isEmpty() ? internalName : displayName),
      internal_(internalName),
      creator_(creatorName) {
  // The root is kept only when the name really belongs to it.
  if (root_ && !internal_.startsWith(rootName_ + QStringLiteral("."))) root_ = nullptr;
}

TOWUnloadedPin::~TOWUnloadedPin() {
  removing_ = true;
  BeginDestroy();
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  r.pending.erase(std::remove(r.pending.begin(), r.pending.end(), this), r.pending.end());
}

QString TOWUnloadedPin::GetRootName() const {
  int dot = internal_.indexOf(QLatin1Char('.'));
  return dot < 0 ? rootName_ : internal_.left(dot);
}

namespace {
QString WithoutRoot(const QString& name) {
  int dot = name.indexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.mid(dot + 1);
}
}  // namespace

QString TOWUnloadedPin::GetName(bool withRoot) const { return withRoot ? internal_ : WithoutRoot(internal_); }

QString TOWUnloadedPin::GetDisplayName(bool withRoot) const {
  return withRoot ? display_ : WithoutRoot(display_);
}

bool TOWUnloadedPin::MatchesName(const QString& name) const {
  if (name.isEmpty()) return false;
  return name == internal_ || name == display_ || name == WithoutRoot(internal_) || name == WithoutRoot(display_);
}

int TOWUnloadedPin::LinkCount() const {
  TOWGuard g = const_cast<TOWUnloadedPin*>(this)->EnterRead();
  return static_cast<int>(links_.size());
}

bool TOWUnloadedPin::IsConnected() const { return LinkCount() > 0; }

bool TOWUnloadedPin::IsLinkedTo(const TOWBasicPin* pin) const {
  TOWGuard g = const_cast<TOWUnloadedPin*>(this)->EnterRead();
  return std::any_of(links_.begin(), links_.end(), [&](const Link& l) { return l.pin == pin; });
}

QString TOWUnloadedPin::GetConnectionText() const {
  int n = LinkCount();
  if (n == 0) return QStringLiteral("(Disconnected)");
  if (n > 1) return QStringLiteral("( %1 Links )").arg(n);
  TOWGuard g = const_cast<TOWUnloadedPin*>(this)->EnterRead();
  return links_.front().pin->GetDisplayName(true);
}

bool TOWUnloadedPin::ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) {
  if (!pin || pin == this) return false;
  TOWConnectionHold hold(OWConnectionSection());
  MarkReferencing();
  pin->MarkReferencing();
  {
    TOWGuard g = EnterWrite();
    for (auto& l : links_)
      if (l.pin == pin) {
        l.orderPin = orderPin;
        return true;
      }
    links_.push_back({pin, orderPin});
  }
  if (auto* source = qobject_cast<TOWSourcePin*>(pin)) {
    // A bare entry: nothing is delivered to a placeholder.
    TOWGuard sg = source->EnterWrite();
    source->AddSink(this, orderPin);
  } else if (auto* sink = qobject_cast<TOWSinkPin*>(pin)) {
    TOWGuard kg = sink->EnterWrite();
    sink->delivering_ = nullptr;
    sink->linked_ = this;
    sink->source_ = this;
    sink->ConnectionChanged();
  }
  owevents::PinConnected(this, pin);
  return true;
}

bool TOWUnloadedPin::AddSink(TOWBasicPin* sink, TOWBasicPin* orderPin) {
  TOWGuard g = EnterWrite();
  for (auto& l : links_)
    if (l.pin == sink) return true;
  links_.push_back({sink, orderPin});
  return true;
}

void TOWUnloadedPin::RemoveSink(TOWBasicPin* sink, bool leavePlaceholder) {
  (void)leavePlaceholder;
  TOWGuard g = EnterWrite();
  links_.erase(std::remove_if(links_.begin(), links_.end(), [&](const Link& l) { return l.pin == sink; }),
               links_.end());
}

void TOWUnloadedPin::DisconnectPin(TOWBasicPin* pin) {
  if (!IsLinkedTo(pin)) return;
  TOWConnectionHold hold(OWConnectionSection());
  RemoveSink(pin, false);
  if (auto* source = qobject_cast<TOWSourcePin*>(pin)) {
    source->RemoveSink(this, false);
  } else if (auto* sink = qobject_cast<TOWSinkPin*>(pin)) {
    TOWGuard kg = sink->EnterWrite();
    if (sink->linked_ == this) sink->delivering_ = sink->linked_ = sink->source_ = nullptr;
    sink->ConnectionChanged();
  }
}

void TOWUnloadedPin::Disconnect() {
  for (;;) {
    TOWBasicPin* pin = nullptr;
    {
      TOWGuard g = EnterRead();
      if (links_.empty()) return;
      pin = links_.back().pin;
    }
    DisconnectPin(pin);
  }
}

void TOWUnloadedPin::PinDestroying(TOWBasicPin* pin) {
  bool changed = false;
  {
    TOWGuard g = EnterWrite();
    auto before = links_.size();
    links_.erase(std::remove_if(links_.begin(), links_.end(), [&](const Link& l) { return l.pin == pin; }),
                 links_.end());
    for (auto& l : links_)
      if (l.orderPin == pin) l.orderPin = nullptr;
    changed = links_.size() != before;
  }
  (void)changed;
}

void TOWUnloadedPin::PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) {
  TOWGuard g = EnterWrite();
  for (auto& l : links_)
    if (l.orderPin == oldPin) l.orderPin = newPin;
}

void TOWUnloadedPin::ReleaseIfUnused() {
  if (removing_ || ownedByList_ || IsDestroying()) return;
  if (LinkCount() > 0) return;
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    auto it = std::find(r.pending.begin(), r.pending.end(), this);
    if (it == r.pending.end()) return;  // not ours to free
    r.pending.erase(it);
  }
  delete this;
}

void TOWUnloadedPin::MergeInto(TOWBasicPin* real) {
  if (!real || real == this) return;
  TOWConnectionHold hold(OWConnectionSection());
  removing_ = true;
  std::vector<TOWBasicPin*> referencing;
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    for (size_t i = r.pins.size(); i-- > 0;)
      if (r.pins[i] != this && r.pins[i]->IsReferencing()) referencing.push_back(r.pins[i]);
  }
  // Told outside the registry's section (they take their own locks); the
  // connection section keeps them alive.
  for (TOWBasicPin* pin : referencing) pin->PinReplaced(this, real);
  std::vector<Link> links;
  {
    TOWGuard g = EnterRead();
    links = links_;
  }
  for (auto it = links.rbegin(); it != links.rend(); ++it) {
    TOWBasicPin* pin = it->pin;
    if (qobject_cast<TOWSinkPin*>(pin)) {
      // Connecting the sink to the real source detaches it from us.
      pin->ConnectEx(real, it->orderPin);
    } else {
      DisconnectPin(pin);
      real->ConnectEx(pin, it->orderPin);
    }
    RemoveSink(pin, false);
  }
  // A pin that refused the real one must not keep pointing at us.
  Disconnect();
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    r.pending.erase(std::remove(r.pending.begin(), r.pending.end(), this), r.pending.end());
  }
  delete this;
}
