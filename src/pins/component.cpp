#include "pins/component.h"

#include <QVariant>

#include "pins/persistent_assign.h"

namespace {
// Marks for objects that are not components (forms, for instance).
constexpr const char* kLoadingMark = "_tremoraLoading";
constexpr const char* kDesigningMark = "_tremoraDesigning";

void CollectComponents(QObject* object, QList<TLPComponent*>& out) {
  for (QObject* child : object->children()) {
    if (auto* component = qobject_cast<TLPComponent*>(child)) out.append(component);
    CollectComponents(child, out);
  }
}

void ClearLoading(QObject* object) {
  SetObjectLoading(object, false);
  for (QObject* child : object->children()) ClearLoading(child);
}
}  // namespace

TLPComponent::TLPComponent(QObject* owner) : QObject(owner), lock_(new TLPLock([this] { LockChanged(); })) {}

TLPComponent::~TLPComponent() = default;

void TLPComponent::AfterConstruction() {
  if (constructed_) return;
  constructed_ = true;
  if (designing_ || IsLoadingInChain(this)) {
    awaitingLoaded_ = !designing_;
    return;
  }
  Initialized();
}

void TLPComponent::Loaded() {
  loading_ = false;
  awaitingLoaded_ = false;
  if (!designing_) Initialized();
}

bool TLPComponent::Assign(const QObject* source) {
  if (!qobject_cast<const TLPComponent*>(source)) return false;
  TRef<IOWLockSection> guard = lock_->EnterWrite();
  AssignPublishedProperties(this, source, true);
  return true;
}

void SetObjectLoading(QObject* object, bool loading) {
  if (!object) return;
  if (auto* component = qobject_cast<TLPComponent*>(object)) {
    component->SetLoading(loading);
  } else if (auto* stored = dynamic_cast<IStoredLoading*>(object); stored && loading) {
    stored->BeginLoading();
  } else if (loading || object->property(kLoadingMark).isValid()) {
    object->setProperty(kLoadingMark, loading ? QVariant(true) : QVariant());
  }
}

bool IsObjectLoading(const QObject* object) {
  if (!object) return false;
  if (auto* component = qobject_cast<const TLPComponent*>(object)) return component->IsLoading();
  if (auto* loading = dynamic_cast<const IStoredLoading*>(object); loading && loading->IsLoading()) return true;
  return object->property(kLoadingMark).toBool();
}

void SetObjectDesigning(QObject* object, bool designing) {
  if (!object) return;
  if (auto* component = qobject_cast<TLPComponent*>(object)) {
    component->SetDesigning(designing);
  } else if (designing || object->property(kDesigningMark).isValid()) {
    object->setProperty(kDesigningMark, designing ? QVariant(true) : QVariant());
  }
}

bool IsObjectDesigning(const QObject* object) {
  if (!object) return false;
  if (auto* component = qobject_cast<const TLPComponent*>(object)) return component->IsDesigning();
  return object->property(kDesigningMark).toBool();
}

bool IsLoadingInChain(const QObject* object) {
  for (const QObject* o = object; o; o = o->parent())
    if (IsObjectLoading(o)) return true;
  return false;
}

void CompleteLoading(QObject* root) {
  if (!root) return;
  QList<TLPComponent*> components;
  if (auto* self = qobject_cast<TLPComponent*>(root)) components.append(self);
  CollectComponents(root, components);
  ClearLoading(root);
  for (TLPComponent* component : components)
    if (component->IsAwaitingLoaded()) component->Loaded();
}

QObject* ComponentRoot(QObject* component) {
  QObject* current = component;
  while (current) {
    QObject* owner = current->parent();
    if (!owner) return current;
    if (owner->inherits("TApplication") || owner->inherits("QCoreApplication")) return current;
    if (current->inherits("TForm") || current->inherits("TCustomForm") || current->inherits("TFrame"))
      return current;
    current = owner;
  }
  return nullptr;
}

ILPLock* LockOfObject(const QObject* object) {
  if (auto* owner = dynamic_cast<const ILPLockOwner*>(object)) return owner->GetLPLock();
  return nullptr;
}
