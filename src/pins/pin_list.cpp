#include "pins/pin_list.h"

#include <algorithm>

#include "pins/component.h"
#include "pins/pin.h"
#include "pins/pin_events.h"
#include "pins/pin_registry.h"

TOWPinList::TOWPinList(QObject* owner, bool pinsOwner, IOWLock* ownerLock)
    : TOWObject(nullptr), owner_(owner), pinsOwner_(pinsOwner), ownerLock_(ownerLock) {
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    r.lists.push_back(this);
  }
  owevents::PinListCreated(this);
}

TOWPinList::~TOWPinList() {
  owevents::PinListDestroying(this);
  Clear();
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  r.lists.erase(std::remove(r.lists.begin(), r.lists.end(), this), r.lists.end());
}

TRef<IOWLockSection> TOWPinList::EnterRead() { return Lock()->EnterRead(ownerLock_.get()); }
TRef<IOWLockSection> TOWPinList::EnterWrite() { return Lock()->EnterWrite(ownerLock_.get()); }

bool TOWPinList::IsPlaceholder(const TOWBasicPin* pin) const {
  auto* p = qobject_cast<const TOWUnloadedPin*>(pin);
  return p && p->OwnedByList();
}

int TOWPinList::EntryCount() const {
  TOWGuard g = const_cast<TOWPinList*>(this)->EnterRead();
  return static_cast<int>(entries_.size());
}

int TOWPinList::PlaceholderCount() const {
  TOWGuard g = const_cast<TOWPinList*>(this)->EnterRead();
  return placeholders_;
}

void TOWPinList::CleanUpPlaceholders() {
  std::vector<TOWBasicPin*> dropped;
  {
    TOWGuard g = EnterWrite();
    if (inCleanUp_) return;
    inCleanUp_ = true;
    for (size_t i = entries_.size(); i-- > 0 && placeholders_ > 0;) {
      if (!IsPlaceholder(entries_[i].pin)) continue;
      dropped.push_back(entries_[i].pin);
      entries_.erase(entries_.begin() + static_cast<long>(i));
      --placeholders_;
    }
  }
  for (TOWBasicPin* p : dropped) {
    auto* placeholder = static_cast<TOWUnloadedPin*>(p);
    placeholder->SetOwnerList(nullptr);
    placeholder->SetOwnedByList(false);
    placeholder->Disconnect();
    {
      auto& r = OWPinRegistry();
      std::lock_guard<std::recursive_mutex> lock(r.section);
      r.pending.erase(std::remove(r.pending.begin(), r.pending.end(), placeholder), r.pending.end());
    }
    delete placeholder;
  }
  TOWGuard g = EnterWrite();
  inCleanUp_ = false;
}

namespace {
bool OwnerLoading(QObject* owner, bool loading) {
  return loading || (owner && (IsLoadingInChain(owner) || IsObjectDesigning(owner)));
}
}  // namespace

int TOWPinList::Count() {
  if (PlaceholderCount() > 0 && !OwnerLoading(owner_, loading_)) CleanUpPlaceholders();
  TOWGuard g = EnterRead();
  return static_cast<int>(entries_.size()) - placeholders_;
}

TOWBasicPin* TOWPinList::GetPin(int i) {
  if (PlaceholderCount() > 0 && !OwnerLoading(owner_, loading_)) CleanUpPlaceholders();
  TOWGuard g = EnterRead();
  return i >= 0 && i < static_cast<int>(entries_.size()) ? entries_[i].pin : nullptr;
}

QString TOWPinList::GetPinName(int i) const {
  TOWGuard g = const_cast<TOWPinList*>(this)->EnterRead();
  if (i >= 0 && i < static_cast<int>(entries_.size()) && !entries_[i].name.isEmpty()) return entries_[i].name;
  return QStringLiteral("Pin [%1]").arg(i);
}

void TOWPinList::SetPinName(int i, const QString& name) {
  TOWBasicPin* pin = nullptr;
  {
    TOWGuard g = EnterWrite();
    if (i < 0 || i >= static_cast<int>(entries_.size())) return;
    QString stored = name == QStringLiteral("Pin [%1]").arg(i) ? QString() : name;
    if (entries_[i].name == stored) return;
    entries_[i].name = stored;
    pin = entries_[i].pin;
  }
  owevents::PinListChanged(this);
  owevents::PinChanged(pin);
}

int TOWPinList::Add(TOWBasicPin* pin) { return AddNamed(pin, QString()); }

int TOWPinList::AddNamed(TOWBasicPin* pin, const QString& name) {
  if (!pin) return -1;
  TOWUnloadedPin* replaced = nullptr;
  int index;
  {
    TOWGuard g = EnterWrite();
    index = -1;
    if (placeholders_ > 0)
      for (size_t i = 0; i < entries_.size(); ++i)
        if (IsPlaceholder(entries_[i].pin)) {
          index = static_cast<int>(i);
          break;
        }
    if (index >= 0) {
      // The real pin takes the place and the stored name of the placeholder.
      replaced = static_cast<TOWUnloadedPin*>(entries_[index].pin);
      entries_[index].pin = pin;
      if (entries_[index].name.isEmpty()) entries_[index].name = name;
      --placeholders_;
    } else {
      index = static_cast<int>(entries_.size());
      QString stored = name == QStringLiteral("Pin [%1]").arg(index) ? QString() : name;
      entries_.push_back({pin, stored});
    }
    pin->SetOwnerList(this);
  }
  if (replaced) {
    replaced->SetOwnerList(nullptr);
    replaced->SetOwnedByList(false);
    replaced->MergeInto(pin);
  }
  owevents::PinAdded(this, pin, index);
  return index;
}

void TOWPinList::FreeOrDetach(TOWBasicPin* pin) {
  if (!pin) return;
  if (pin->OwnerList() == this) pin->SetOwnerList(nullptr);
  if (pin->IsDestroying()) return;  // a pin leaving the list from its own destructor
  if (IsPlaceholder(pin)) {
    auto* placeholder = static_cast<TOWUnloadedPin*>(pin);
    placeholder->SetOwnedByList(false);
    placeholder->Disconnect();
    {
      auto& r = OWPinRegistry();
      std::lock_guard<std::recursive_mutex> lock(r.section);
      r.pending.erase(std::remove(r.pending.begin(), r.pending.end(), placeholder), r.pending.end());
    }
    delete placeholder;
    return;
  }
  if (pinsOwner_) delete pin;
}

void TOWPinList::Delete(int i) {
  TOWBasicPin* pin;
  {
    TOWGuard g = EnterWrite();
    if (i < 0 || i >= static_cast<int>(entries_.size())) return;
    pin = entries_[i].pin;
    if (IsPlaceholder(pin)) --placeholders_;
    entries_.erase(entries_.begin() + i);
  }
  owevents::PinRemoved(this, pin, i);
  FreeOrDetach(pin);
}

void TOWPinList::Remove(TOWBasicPin* pin) {
  for (;;) {
    int i = IndexOf(pin);
    if (i < 0) return;
    Delete(i);
  }
}

void TOWPinList::Exchange(int i, int j) {
  TOWBasicPin *a, *b;
  {
    TOWGuard g = EnterWrite();
    int n = static_cast<int>(entries_.size());
    if (i < 0 || j < 0 || i >= n || j >= n || i == j) return;
    std::swap(entries_[i], entries_[j]);
    a = entries_[i].pin;
    b = entries_[j].pin;
  }
  owevents::PinsExchanged(this, b, i, a, j);
}

int TOWPinList::IndexOf(const TOWBasicPin* pin) const {
  TOWGuard g = const_cast<TOWPinList*>(this)->EnterRead();
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].pin == pin) return static_cast<int>(i);
  return -1;
}

void TOWPinList::Clear() {
  while (EntryCount() > 0) Delete(EntryCount() - 1);
}

TOWBasicPin* TOWPinList::EnsureEntry(int i, const QString& propertyPath) {
  for (;;) {
    int n;
    {
      TOWGuard g = EnterRead();
      n = static_cast<int>(entries_.size());
      if (i < n) return entries_[i].pin;
    }
    QObject* root = owner_ ? ComponentRoot(owner_) : nullptr;
    QString rootName = root ? root->objectName() : QString();
    QString name = rootName + QStringLiteral(".") + (owner_ ? owner_->objectName() : QString()) +
                   QStringLiteral(".") + propertyPath + QStringLiteral("._Pin") + QString::number(n);
    auto* placeholder = new TOWUnloadedPin(root, pkSink, name, name);
    placeholder->SetOwnedByList(true);
    placeholder->SetOwnerList(this);
    {
      auto& r = OWPinRegistry();
      std::lock_guard<std::recursive_mutex> lock(r.section);
      r.pending.push_back(placeholder);
    }
    TOWGuard g = EnterWrite();
    entries_.push_back({placeholder, QString()});
    ++placeholders_;
  }
}
