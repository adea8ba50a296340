// Pin base classes: registration, names, guards, destruction and the
// name-based lookup used when stored links are restored.

#include <QMetaProperty>
#include <QSet>

#include <algorithm>

#include "pins/component.h"
#include "pins/pin.h"
#include "pins/pin_events.h"
#include "pins/pin_list.h"
#include "pins/pin_registry.h"
#include "pins/state_dispatcher.h"

TOWPinRegistry& OWPinRegistry() {
  static TOWPinRegistry* registry = new TOWPinRegistry;
  return *registry;
}

std::recursive_mutex& OWConnectionSection() {
  static std::recursive_mutex* section = new std::recursive_mutex;
  return *section;
}

int OWLivePinCount() {
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  return static_cast<int>(r.pins.size());
}

int OWPendingPlaceholderCount() {
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  return static_cast<int>(r.pending.size());
}

TOWPinObject::TOWPinObject(QObject* parent) : TOWObject(parent) {}

// ---------------------------------------------------------------------------
// TOWBasicPin

namespace {
TOWBasicPin::ReadHook& TheReadHook() {
  static TOWBasicPin::ReadHook hook;
  return hook;
}
TOWBasicPin::WriteHook& TheWriteHook() {
  static TOWBasicPin::WriteHook hook;
  return hook;
}
}  // namespace

TOWBasicPin::TOWBasicPin(QObject* owner) : TOWPinObject(nullptr) {
  (void)owner;  // pins are owned by their component's code, not by QObject parentage
  destroyLock_ = TRef<IOWDestroyLock>(new TOWDestroyLock(Lock()));
  OWEnsureStreamRegistrations();
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    r.pins.push_back(this);
  }
  owevents::PinCreated(this);
}

TOWBasicPin::~TOWBasicPin() {
  // Subclasses begin destruction in their own destructors so that their
  // virtual disconnect still runs; this catches a class that did not.
  BeginDestroy();
}

void TOWBasicPin::BeginDestroy() {
  if (destroying_.exchange(true)) return;
  // Held throughout: no other pin finishes its destruction meanwhile, so the
  // pins collected below stay alive while they are told, and the registry's
  // section is never held while a pin lock is awaited.
  TOWConnectionHold hold(OWConnectionSection());
  try {
    Disconnect();
  } catch (...) {
    // Destruction goes on whatever a receiver does.
  }
  {
    // Drains deliveries this pin is making on other threads; later ones are
    // refused.
    TOWGuard d = destroyLock_->EnterDestroy();
  }
  if (dispatcher_) dispatcher_->RemoveMember(this);
  owevents::PinDestroying(this, false);
  if (ownerList_) {
    // A list must not keep a pointer to a dead pin.
    TOWPinList* list = ownerList_;
    ownerList_ = nullptr;
    list->Remove(this);
  }
  std::vector<TOWBasicPin*> referencing;
  {
    auto& r = OWPinRegistry();
    std::lock_guard<std::recursive_mutex> lock(r.section);
    r.pins.erase(std::remove(r.pins.begin(), r.pins.end(), this), r.pins.end());
    for (size_t i = r.pins.size(); i-- > 0;)
      if (r.pins[i]->IsReferencing()) referencing.push_back(r.pins[i]);
  }
  for (TOWBasicPin* pin : referencing) pin->PinDestroying(this);
  if (watcher_) *watcher_ = false;
}

TOWGuard TOWBasicPin::EnterRead() {
  IOWLock* owner = OwnerLock();
  return Lock()->EnterRead(owner);
}

TOWGuard TOWBasicPin::EnterWrite() {
  IOWLock* owner = OwnerLock();
  return Lock()->EnterWrite(owner);
}

QObject* TOWBasicPin::GetRoot() const {
  QObject* owner = GetOwner();
  return owner ? ComponentRoot(owner) : nullptr;
}

QString TOWBasicPin::GetRootName() const {
  QObject* root = GetRoot();
  return root ? root->objectName() : QString();
}

namespace {

bool IsComponentLike(const QObject* o) {
  return o->isWidgetType() || o->inherits("TLPComponent") || o->inherits("TOWFormatConverter");
}

QObject* ReadObjectProperty(const QObject* obj, const QMetaProperty& p) {
  if (!p.isReadable()) return nullptr;
  if (!(p.metaType().flags() & QMetaType::PointerToQObject)) return nullptr;
  QVariant v = p.read(obj);
  return v.value<QObject*>();
}

// Property path of `pin` inside `obj` (see the header of pin.h for the form).
bool FindPath(const QObject* obj, const TOWBasicPin* pin, bool internal, const QString& prefix,
              QSet<const QObject*>& visited, QString& out) {
  if (visited.contains(obj)) return false;
  visited.insert(obj);
  const QMetaObject* mo = obj->metaObject();
  for (int i = 0; i < mo->propertyCount(); ++i) {
    QMetaProperty p = mo->property(i);
    QObject* v = ReadObjectProperty(obj, p);
    if (!v) continue;
    const QString name = prefix + QString::fromLatin1(p.name());
    if (v == pin) {
      out = name;
      return true;
    }
    if (auto* list = qobject_cast<TOWPinList*>(v)) {
      int idx = list->IndexOf(pin);
      if (idx >= 0) {
        out = internal ? name + QStringLiteral("._Pin") + QString::number(idx)
                       : name + QStringLiteral(".") + list->GetPinName(idx);
        return true;
      }
      continue;
    }
    if (qobject_cast<TOWObject*>(v) || IsComponentLike(v)) continue;
    if (auto* coll = dynamic_cast<IStoredCollection*>(v)) {
      int n = coll->StoredItemCount();
      for (int j = 0; j < n; ++j) {
        QObject* item = coll->StoredItem(j);
        if (!item) continue;
        QString itemPrefix = internal ? name + QStringLiteral("._Item") + QString::number(j) + QStringLiteral(".")
                                      : name + QStringLiteral("[") + QString::number(j) + QStringLiteral("].");
        if (FindPath(item, pin, internal, itemPrefix, visited, out)) return true;
      }
      continue;
    }
    if (FindPath(v, pin, internal, name + QStringLiteral("."), visited, out)) return true;
  }
  return false;
}

QString PinPath(const TOWBasicPin* pin, QObject* owner, bool internal) {
  // A pin in a list whose owner differs is named through the list's owner.
  if (TOWPinList* list = pin->OwnerList())
    if (list->Owner() && list->Owner() != owner) owner = list->Owner();
  QSet<const QObject*> visited;
  QString out;
  try {
    if (FindPath(owner, pin, internal, QString(), visited, out)) return out;
  } catch (...) {
    // A failing property getter ends the search with no name.
    return QString();
  }
  return QString();
}

QString StripFirstSegment(const QString& name) {
  int dot = name.indexOf(QLatin1Char('.'));
  return dot < 0 ? QString() : name.mid(dot + 1);
}

}  // namespace

QString TOWBasicPin::GetName(bool withRoot) const {
  QObject* owner = GetOwner();
  if (!owner) return QStringLiteral("(No owner)");
  QObject* effectiveOwner = owner;
  if (ownerList_ && ownerList_->Owner()) effectiveOwner = ownerList_->Owner();
  QString name = effectiveOwner->objectName() + QStringLiteral(".") + PinPath(this, owner, true);
  if (withRoot) {
    QObject* root = GetRoot();
    if (root != effectiveOwner) name = GetRootName() + QStringLiteral(".") + name;
  }
  return name;
}

QString TOWBasicPin::GetDisplayName(bool withRoot) const {
  QObject* owner = GetOwner();
  if (!owner) return QStringLiteral("(No owner)");
  QObject* effectiveOwner = owner;
  if (ownerList_ && ownerList_->Owner()) effectiveOwner = ownerList_->Owner();
  QString name = effectiveOwner->objectName() + QStringLiteral(".") + PinPath(this, owner, false);
  if (withRoot) {
    QObject* root = GetRoot();
    if (root != effectiveOwner) name = GetRootName() + QStringLiteral(".") + name;
  }
  return name;
}

bool TOWBasicPin::SupportsType(const TGUID& type) const { return type == IID_IOWPin; }

QString TOWBasicPin::ReplaceFormName(const QString& storedName) const {
  if (formName_.isEmpty()) return storedName;
  const QString prefix = formName_ + QStringLiteral(".");
  if (!storedName.startsWith(prefix)) return storedName;
  return GetRootName() + storedName.mid(formName_.size());
}

bool TOWBasicPin::ConnectByName(QObject* component, const QString& name) {
  (void)component;
  if (name.isEmpty() || name == QStringLiteral("(Disconnected)")) {
    Disconnect();
    return true;
  }
  TOWBasicPin* target = OWFindPinByName(name, GetRoot(), formName_);
  if (!target || target == this) return false;
  if (!CanConnect(target)) return false;
  return Connect(target);
}

void TOWBasicPin::SetDefinedPropertiesHooks(ReadHook read, WriteHook write) {
  TheReadHook() = std::move(read);
  TheWriteHook() = std::move(write);
}

bool TOWBasicPin::ReadDefinedProperty(const QString& name, const TStoredValue& value) {
  auto& hook = TheReadHook();
  return hook ? hook(this, name, value) : false;
}

void TOWBasicPin::WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const {
  auto& hook = TheWriteHook();
  if (hook) hook(this, out);
}

// ---------------------------------------------------------------------------
// TOWPin

TOWPin::TOWPin(QObject* owner, IOWLock* ownerLock) : TOWBasicPin(owner), owner_(owner), ownerLock_(ownerLock) {
  if (owner) {
    QObject* root = ComponentRoot(owner);
    if (root) cachedRootName_ = root->objectName();
  }
}

QString TOWPin::GetRootName() const {
  // Once the owner has lost its own owner the cached name still answers.
  if (owner_ && owner_->parent()) {
    QObject* root = ComponentRoot(owner_);
    if (root) cachedRootName_ = root->objectName();
    return cachedRootName_;
  }
  if (!cachedRootName_.isEmpty()) return cachedRootName_;
  return owner_ ? owner_->objectName() : QString();
}

std::vector<TOWPinStreamType::Entry> TOWStreamPin::CollectTypes() const { return types_.Entries(); }

// ---------------------------------------------------------------------------
// Lookup by stored name

namespace {

bool PinMatches(TOWBasicPin* pin, const QString& name, const QString& rootName, bool display) {
  QString full = display ? pin->GetDisplayName(true) : pin->GetName(true);
  if (pin->GetRootName() != rootName) return full == name;
  if (full == name) return true;
  QString bare = display ? pin->GetDisplayName(false) : pin->GetName(false);
  if (bare == name) return true;
  return bare == StripFirstSegment(name);
}

}  // namespace

TOWBasicPin* OWFindPinByName(const QString& storedName, QObject* root, const QString& formName) {
  if (storedName.isEmpty()) return nullptr;
  const QString rootName = root ? root->objectName() : QString();
  QString name = storedName;
  if (!formName.isEmpty() && name.startsWith(formName + QStringLiteral(".")))
    name = rootName + name.mid(formName.size());
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  for (bool display : {false, true}) {
    for (TOWBasicPin* pin : r.pins) {
      if (pin->IsDestroying()) continue;
      if (auto* placeholder = qobject_cast<TOWUnloadedPin*>(pin)) {
        if (placeholder->MatchesName(name)) return pin;
        continue;
      }
      if (PinMatches(pin, name, rootName, display)) return pin;
    }
  }
  return nullptr;
}

TOWBasicPin* OWResolvePin(const QString& internalName, const QString& displayName, QObject* root, int kind,
                          const QString& formName) {
  auto& r = OWPinRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.section);
  if (TOWBasicPin* p = OWFindPinByName(internalName, root, formName)) return p;
  if (!displayName.isEmpty() && displayName != internalName)
    if (TOWBasicPin* p = OWFindPinByName(displayName, root, formName)) return p;
  const QString rootName = root ? root->objectName() : QString();
  auto replace = [&](const QString& n) {
    if (!formName.isEmpty() && n.startsWith(formName + QStringLiteral(".")))
      return rootName + n.mid(formName.size());
    return n;
  };
  QString internal = replace(internalName);
  QString display = displayName.isEmpty() ? internal : replace(displayName);
  auto* placeholder = new TOWUnloadedPin(root, kind, display, internal);
  r.pending.push_back(placeholder);
  return placeholder;
}

void TOWBasicPin::ResolvePlaceholders() {
  if (qobject_cast<TOWUnloadedPin*>(this)) return;
  auto& r = OWPinRegistry();
  for (;;) {
    TOWUnloadedPin* match = nullptr;
    {
      std::lock_guard<std::recursive_mutex> lock(r.section);
      const QString names[] = {GetDisplayName(true), GetDisplayName(false), GetName(true), GetName(false)};
      for (TOWUnloadedPin* p : r.pending) {
        if (p->OwnedByList()) continue;
        for (const QString& n : names)
          if (p->MatchesName(n)) {
            match = p;
            break;
          }
        if (match) break;
      }
    }
    if (!match) return;
    match->MergeInto(this);
  }
}
