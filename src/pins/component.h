#pragma once
// TLPComponent: the base of every non-visual component. A component is a
// QObject: its owner is the QObject parent, its Name the objectName, its
// published properties Q_PROPERTYs. It owns one lock (a TLPLock whose change
// notification is LockChanged) that its property objects share.
//
// Lifecycle. C++ cannot call an overridden virtual from a base constructor,
// so the step that runs after construction is explicit:
//   - code creates components with MakeComponent<T>(owner, ...), which
//     constructs and then calls AfterConstruction();
//   - AfterConstruction() calls Initialized() unless the component is being
//     designed or loaded, or any owner up the chain is loading; then the
//     component waits for Loaded();
//   - the window-description reader creates components with new T(owner)
//     under a loading root and drives them through IStoredLoading
//     (BeginLoading, then Loaded once the description is read); a component
//     created by code while an owner is loading reports IsLoading() until
//     the reader's Loaded reaches it. CompleteLoading(root) does the same
//     for code that marks objects with SetObjectLoading itself.

#include <QObject>
#include <QString>
#include <utility>

#include "pins/defined_properties.h"
#include "pins/lock_guarded.h"

class TLPComponent : public QObject, public ILPLockOwner, public IStoredLoading {
  Q_OBJECT
public:
  explicit TLPComponent(QObject* owner = nullptr);
  ~TLPComponent() override;

  QObject* GetOwner() const { return parent(); }
  QString Name() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }

  ILPLock* GetLPLock() const override { return lock_.get(); }
  ILPLock* Lock() const { return lock_.get(); }

  // Runs the after-construction step once (see above).
  void AfterConstruction();
  // Called once the window description holding the component has been
  // read: clears the loading state and runs Initialized unless designing.
  void Loaded() override;
  void BeginLoading() override { SetLoading(true); }
  // Loading, or waiting for Loaded() because an owner was loading.
  bool IsLoading() const override { return loading_ || awaitingLoaded_; }

  // Marking a component loading makes it wait for Loaded().
  void SetLoading(bool loading) {
    loading_ = loading;
    if (loading && !designing_) awaitingLoaded_ = true;
  }
  void SetDesigning(bool designing) { designing_ = designing; }
  bool IsDesigning() const { return designing_; }
  // True while the component waits for Loaded() to initialize it.
  bool IsAwaitingLoaded() const { return awaitingLoaded_; }

  // Copies the published properties of another component (all with a getter
  // and a setter, except Name) under a write guard. False, copying nothing,
  // when the source is not a TLPComponent.
  virtual bool Assign(const QObject* source);

protected:
  // The component is fully created or loaded.
  virtual void Initialized() {}
  // A guarded setter changed a value of the component or a property object.
  virtual void LockChanged() {}

private:
  TRef<TLPLock> lock_;
  bool loading_ = false;
  bool designing_ = false;
  bool constructed_ = false;
  bool awaitingLoaded_ = false;
};

template <class T, class... Args>
T* MakeComponent(Args&&... args) {
  T* component = new T(std::forward<Args>(args)...);
  component->AfterConstruction();
  return component;
}

// Loading and designing marks of any QObject (components and forms alike).
void SetObjectLoading(QObject* object, bool loading);
bool IsObjectLoading(const QObject* object);
void SetObjectDesigning(QObject* object, bool designing);
bool IsObjectDesigning(const QObject* object);
// True when `object` or any owner up its parent chain is loading.
bool IsLoadingInChain(const QObject* object);
// Ends loading of `root` and everything it owns: clears the loading marks,
// then calls Loaded() on `root` (if a component) and on every component it
// owns, depth first in child order, that is still waiting for it.
void CompleteLoading(QObject* root);

// The root of a component, used for full pin names and the Form of stored
// links: walk up the owners; an object without owner is the root; an object
// whose owner is (or derives from) TApplication, or that is itself a form
// (TForm, TCustomForm) or a frame (TFrame), is the root.
QObject* ComponentRoot(QObject* component);

// The component lock of an object that carries one (component, property
// object, collection, item), or nullptr.
ILPLock* LockOfObject(const QObject* object);
