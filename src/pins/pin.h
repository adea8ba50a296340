#pragma once
// Pins and their connections.
//
// A component owns its pins and publishes them as object-valued Q_PROPERTYs
// (a pin, or a TOWPinList of pins). A source pin feeds any number of sinks;
// a sink has at most one source; state pins join through a shared state
// dispatcher. The sink side always builds a link: connecting from the source
// side ends in ConnectEx on the sink.
//
// Application use: sink->Connect(source) re-routes a sink (dropping its old
// source), sink->Disconnect() drops it, list->GetPin(i) reaches list pins.
//
// Window-description support (stored links):
//   OWFindPinByName(name, root, formName)  resolve a stored name (form-name
//                                          replacement applied) to a live pin
//   OWResolvePin(...)                      the same, or a new placeholder
//   pin->GetName(withRoot) / GetDisplayName(withRoot)
//   sink->ConnectByName / source->SinkCount() / Sink(i) / EntryOrderPin(i)
//   pin->SetFormName(recorded root name) before resolving its names
//   pin->ResolvePlaceholders() when a pin reads its own links
//   TOWBasicPin::SetDefinedPropertiesHook(...)  forwards IDefinedProperties
//
// Locks: a pin's own lock is taken after its owner component's lock; its
// read and write guards pass the owner lock as second lock (released after
// ~210 ms of waiting). Delivery into another pin happens only inside that
// pin's destroy-lock use guard, never under a pin guard of the sender.

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <vector>

#include "pins/defined_properties.h"
#include "pins/lock.h"
#include "pins/lock_object.h"
#include "pins/operations.h"
#include "pins/pin_stream_type.h"
#include "platform/guid.h"

class TOWPinList;
class TOWStateDispatcher;
class TOWSourcePin;
class TOWBasicSinkPin;
class TOWSinkPin;
class TOWStatePin;
class TOWUnloadedPin;
class TOWFormatConverter;
class IOWFormatConverter;
struct TOWNegotiation;

enum TOWPinKind : int { pkSource = 0, pkSink = 1, pkState = 2, pkSources = 3 };

using TOWGuard = TRef<IOWLockSection>;

// Identifier of the pin base interface (every pin implements it).
inline constexpr TGUID IID_IOWPin = TGUID::FromLiteral("{2BFF1BE1-1698-4CFA-A427-9E0801C5B357}");

class TOWPinObject : public TOWObject {
  Q_OBJECT
public:
  explicit TOWPinObject(QObject* parent = nullptr);
  // A pin is being destroyed: drop every reference to it.
  virtual void PinDestroying(TOWBasicPin* pin) { (void)pin; }
  // A placeholder is being replaced by a real pin.
  virtual void PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) {
    (void)oldPin;
    (void)newPin;
  }
};

// The pin base interface through which pins address each other. Pins are
// not reference counted (their owner frees them); the counting is inert.
class IOWPin : public virtual IInterface {
public:
  virtual TOWBasicPin* GetPin() noexcept = 0;
};

class TOWBasicPin : public TOWPinObject, public IDefinedProperties, public IOWPin {
  Q_OBJECT
public:
  explicit TOWBasicPin(QObject* owner);
  ~TOWBasicPin() override;

  int32_t AddRef() noexcept override { return 1; }
  int32_t Release() noexcept override { return 1; }
  TOWBasicPin* GetPin() noexcept override { return this; }
  // The pin behind a receiver interface passed to a handler.
  static TOWBasicPin* FromInterface(IInterface* receiver) noexcept {
    auto* p = dynamic_cast<IOWPin*>(receiver);
    return p ? p->GetPin() : nullptr;
  }

  // ---- identity
  virtual QObject* GetOwner() const { return nullptr; }
  virtual int GetKind() const = 0;
  virtual bool IsDestroying() const { return destroying_.load(); }
  // The root component of the owner (a top-level window or the component
  // without owner); none for placeholders.
  virtual QObject* GetRoot() const;
  virtual QString GetRootName() const;
  // Full names: owner name, ".", property path; with root, the root's name
  // and "." first. "(No owner)" without owner.
  virtual QString GetName(bool withRoot = true) const;
  virtual QString GetDisplayName(bool withRoot = true) const;

  // ---- connections
  bool Connect(TOWBasicPin* pin) { return ConnectEx(pin, nullptr); }
  virtual bool ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) = 0;
  virtual void Disconnect() = 0;
  virtual void DisconnectPin(TOWBasicPin* pin) = 0;
  virtual bool IsConnected() const = 0;
  virtual bool IsLinkedTo(const TOWBasicPin* pin) const = 0;
  virtual bool CanConnect(TOWBasicPin* pin) const = 0;
  virtual bool CanConnectTo(TOWBasicPin* pin, TOWBasicPin* orderPin) const {
    (void)orderPin;
    return CanConnect(pin);
  }
  // Does this pin (through its dependency lists) depend on `pin`?
  virtual bool DependsOn(const TOWBasicPin* pin) const {
    (void)pin;
    return false;
  }
  // Called by a sink while connecting; builds the source-side entry.
  virtual bool AddSink(TOWBasicPin* sink, TOWBasicPin* orderPin) {
    (void)sink;
    (void)orderPin;
    return false;
  }
  virtual void RemoveSink(TOWBasicPin* sink, bool leavePlaceholder) {
    (void)sink;
    (void)leavePlaceholder;
  }
  // Placeholders free themselves once nothing refers to them.
  virtual void ReleaseIfUnused() {}
  // "(Disconnected)", a sink's display name, "( n Links )", a source's name,
  // or the dispatcher's name.
  virtual QString GetConnectionText() const = 0;
  // Find the pin called `name` among the live pins that fit and connect; an
  // empty name or "(Disconnected)" disconnects.
  virtual bool ConnectByName(QObject* component, const QString& name);
  // Operation to the other side(s) of the pin's links.
  virtual bool Notify(IOWNotifyOperation* op) = 0;
  // Can the pin take part in links of `type` (its class implements the
  // type's interface)?
  virtual bool SupportsType(const TGUID& type) const;

  // ---- state dispatcher membership
  TOWStateDispatcher* Dispatcher() const { return dispatcher_; }

  // ---- load support
  // Root name recorded by the stored Form value; names that begin with it and
  // "." are resolved against the current root instead.
  void SetFormName(const QString& name) { formName_ = name; }
  QString FormName() const { return formName_; }
  QString ReplaceFormName(const QString& storedName) const;
  // Merge pending placeholders that stand for this pin.
  void ResolvePlaceholders();

  TOWPinList* OwnerList() const { return ownerList_; }
  void SetOwnerList(TOWPinList* list) { ownerList_ = list; }
  // A free reference for the owner's use.
  void* Tag() const { return tag_; }
  void SetTag(void* tag) { tag_ = tag; }
  // An external flag cleared when the pin dies.
  void SetWatcher(bool* flag) { watcher_ = flag; }

  // Destroy lock: other pins call into this pin only inside EnterUse.
  IOWDestroyLock* DestroyLock() const { return destroyLock_.get(); }

  // Stored extra properties: forwarded to hooks the window-description code
  // installs (none by default: nothing is read or written).
  using ReadHook = std::function<bool(TOWBasicPin*, const QString&, const TStoredValue&)>;
  using WriteHook = std::function<void(const TOWBasicPin*, QList<QPair<QString, TStoredValue>>&)>;
  static void SetDefinedPropertiesHooks(ReadHook read, WriteHook write);
  bool ReadDefinedProperty(const QString& name, const TStoredValue& value) override;
  void WriteDefinedProperties(QList<QPair<QString, TStoredValue>>& out) const override;

  // Guards on the pin's own lock (the owner's lock as second lock). An empty
  // guard means the lock was refused during a stop.
  TOWGuard EnterRead() override;
  TOWGuard EnterWrite() override;
  // Owner component's lock, or none.
  virtual IOWLock* OwnerLock() const { return nullptr; }

  // Called (by subclasses) at the start of their destructor: disconnects,
  // raises pin destroying, leaves the registry and tells the remaining pins.
  void BeginDestroy();
  // Set once the pin takes part in links or dependencies; only such pins
  // can refer to others, so only they hear of other pins' deaths and
  // replacements (a pin still being built on another thread is left alone).
  void MarkReferencing() noexcept { referencing_.store(true, std::memory_order_release); }
  bool IsReferencing() const noexcept { return referencing_.load(std::memory_order_acquire); }

protected:
  void SetDispatcher(TOWStateDispatcher* d) {
    dispatcher_ = d;
    ConnectionChanged();
  }
  // The links of the pin changed (called under its write guard).
  virtual void ConnectionChanged() {}
  friend class TOWStateDispatcher;

  TRef<IOWDestroyLock> destroyLock_;
  std::atomic<bool> destroying_{false};
  std::atomic<bool> referencing_{false};
  TOWPinList* ownerList_ = nullptr;
  void* tag_ = nullptr;
  QString formName_;
  TOWStateDispatcher* dispatcher_ = nullptr;
  bool* watcher_ = nullptr;
};

class TOWPin : public TOWBasicPin {
  Q_OBJECT
public:
  // `ownerLock` is normally the owner component's lock.
  TOWPin(QObject* owner, IOWLock* ownerLock);

  QObject* GetOwner() const override { return owner_; }
  IOWLock* OwnerLock() const override { return ownerLock_.get(); }
  QString GetRootName() const override;
  const TOWPinStreamType& StreamTypes() const { return types_; }
  TOWPinStreamType& StreamTypes() { return types_; }
  // The type used on the pin's links (sinks: the negotiated type).
  virtual TGUID GetStreamType() const { return TGUID{}; }
  int SendingDepth() const { return sendDepth_.load(); }

protected:
  QObject* owner_;
  TRef<IOWLock> ownerLock_;
  TOWPinStreamType types_;
  std::atomic<int> sendDepth_{0};
  mutable QString cachedRootName_;
};

// Pins that carry streams.
class TOWStreamPin : public TOWPin {
  Q_OBJECT
public:
  using TOWPin::TOWPin;
  // Candidate types of this pin for negotiation: its own list followed by
  // the types of its data-type dependencies.
  virtual std::vector<TOWPinStreamType::Entry> CollectTypes() const;
};

// One link of a source.
struct TOWSinkEntry {
  TOWBasicPin* target = nullptr;    // the sink, or a converter's input pin
  TOWBasicPin* sink = nullptr;
  TOWBasicPin* orderPin = nullptr;  // a sink that must be served before this one
  TGUID type;
  TOWHandler handler;
  int32_t activity = 0;
};

// Broadcast snapshot element: the entry and, when the target belongs to a
// converter, a reference that keeps the converter alive during the call.
struct TOWNotifyPinEntry {
  TOWSinkEntry entry;
  TRef<IOWFormatConverter> converter;
};
using TOWPinEntryListNotifyArray = std::vector<TOWNotifyPinEntry>;

class TOWSourcePin : public TOWStreamPin {
  Q_OBJECT
public:
  // maxSinks 0 = unlimited. `inputOwnerLock` is the owner lock of the input
  // side of the component (released and retaken in order around broadcasts).
  TOWSourcePin(QObject* owner, int maxSinks, IOWLock* ownerLock, IOWLock* inputOwnerLock = nullptr);
  ~TOWSourcePin() override;

  int GetKind() const override { return pkSource; }
  bool ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) override;
  void Disconnect() override;
  void DisconnectPin(TOWBasicPin* pin) override;
  bool IsConnected() const override;
  bool IsLinkedTo(const TOWBasicPin* pin) const override;
  bool CanConnect(TOWBasicPin* pin) const override;
  bool CanConnectTo(TOWBasicPin* pin, TOWBasicPin* orderPin) const override;
  bool DependsOn(const TOWBasicPin* pin) const override;
  bool AddSink(TOWBasicPin* sink, TOWBasicPin* orderPin) override;
  void RemoveSink(TOWBasicPin* sink, bool leavePlaceholder) override;
  QString GetConnectionText() const override;
  // Broadcast to every sink; the dispatcher's result (false without one).
  bool Notify(IOWNotifyOperation* op) override;
  // The broadcast restricted to one sink's entries.
  bool NotifySink(IOWNotifyOperation* op, TOWBasicPin* onlySink);
  void PinDestroying(TOWBasicPin* pin) override;
  void PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) override;

  int MaxSinks() const { return maxSinks_; }
  int SinkCount() const;
  // Sink of entry i (entry order), or none.
  TOWBasicPin* Sink(int i) const;
  TOWBasicPin* EntryOrderPin(int i) const;
  bool HasSinks() const { return SinkCount() > 0; }
  // Copy of the entries (for tests and inspection).
  std::vector<TOWSinkEntry> Entries() const;
  bool ConnectSink(TOWBasicPin* pin, TOWBasicPin* orderPin);
  // Make `sink` follow the sink named `orderPinName`; false if either is absent.
  bool SetSinkOrder(TOWBasicPin* sink, const QString& orderPinName);
  // Can this source feed `sink` (a type, directly or by conversion)?
  bool CanFeed(const TOWBasicPin* sink) const;
  // Connection-time notice to one sink, with flags 3.
  void Deliver(TOWBasicPin* sink, TOWHandler handler);
  void Redeliver(TOWBasicPin* sink);
  int ConverterCount() const;

  // Dependencies: sinks whose data (function) or data type this source
  // follows; used to refuse loops and to collect types.
  void AddFunctionDependency(TOWBasicSinkPin* sink);
  void AddDataTypeDependency(TOWBasicSinkPin* sink);
  void RemoveDependency(TOWBasicSinkPin* sink);
  std::vector<TOWPinStreamType::Entry> CollectTypes() const override;

protected:
  // Hooks of typed pins around the broadcast and around sinks.
  virtual void AfterBroadcast(IOWNotifyOperation* op) { (void)op; }
  // `bringUpToDate` is false when the sink joined an existing converter,
  // whose output brings it up to date itself.
  virtual void SinkAdded(TOWBasicPin* sink, bool bringUpToDate) {
    (void)sink;
    (void)bringUpToDate;
  }
  virtual void SinkRemoving(TOWBasicPin* sink) { (void)sink; }
  virtual void Disconnecting() {}

  bool Broadcast(IOWNotifyOperation* op, TOWBasicPin* onlySink);
  void DetachEntryLocked(int index, bool keep);
  void DropConverterLinks(TOWBasicPin* sink);
  void Reorder();

  int maxSinks_;
  std::vector<TOWSinkEntry> entries_;
  std::vector<TRef<IOWFormatConverter>> converters_;
  std::vector<TOWBasicSinkPin*> functionDeps_;
  std::vector<TOWBasicSinkPin*> dataTypeDeps_;
  TRef<IOWLock> inputOwnerLock_;
  std::atomic<bool> inDisconnect_{false};
  mutable bool inDependencyQuery_ = false;
  bool inEditor_ = false;
  friend class TOWSinkPin;
  friend TOWNegotiation OWNegotiate(const TOWSourcePin*, const TOWBasicPin*, bool, bool);
};

class TOWBasicSinkPin : public TOWStreamPin {
  Q_OBJECT
public:
  using TOWStreamPin::TOWStreamPin;
  ~TOWBasicSinkPin() override;
  int GetKind() const override { return pkSink; }
  // When set the sink accepts any type the source offers.
  bool IgnoreUpstream() const { return ignoreUpstream_; }
  void SetIgnoreUpstream(bool v) { ignoreUpstream_ = v; }
  // Can this sink take data from `source`?
  virtual bool CanAccept(const TOWBasicPin* source) const;
  // Pins whose function / data type follow this sink.
  void AddDependant(TOWSourcePin* pin, bool dataType);
  void RemoveDependant(TOWSourcePin* pin);
  const std::vector<TOWSourcePin*>& DataTypeDependants() const { return typeDependants_; }
  void PinDestroying(TOWBasicPin* pin) override;

protected:
  bool ignoreUpstream_ = false;
  std::vector<TOWSourcePin*> functionDependants_;
  std::vector<TOWSourcePin*> typeDependants_;
};

class TOWSinkPin : public TOWBasicSinkPin {
  Q_OBJECT
public:
  TOWSinkPin(QObject* owner, IOWLock* ownerLock);
  ~TOWSinkPin() override;

  bool ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) override;
  void Disconnect() override;
  void DisconnectPin(TOWBasicPin* pin) override;
  bool IsConnected() const override;
  bool IsLinkedTo(const TOWBasicPin* pin) const override;
  bool CanConnect(TOWBasicPin* pin) const override;
  QString GetConnectionText() const override;
  // Upstream to the source; the source-side handler's result, or false.
  bool Notify(IOWNotifyOperation* op) override;
  void PinDestroying(TOWBasicPin* pin) override;
  void PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) override;

  // The source as answered to callers (a placeholder while restoring links).
  TOWBasicPin* GetSource() const;
  // The pin that actually delivers (a converter's output pin when one sits
  // in between).
  TOWBasicPin* DeliveringPin() const;
  TOWBasicPin* LinkedSource() const;
  TGUID GetStreamType() const override;
  QString StreamTypeText() const;

  // Hooks for typed pins.
  virtual void Connected(TOWBasicPin* source, TOWBasicPin* orderPin) {
    (void)source;
    (void)orderPin;
  }
  virtual void Disconnecting() {}

  // Used by sources while building links (not for application use): a
  // converter's output becomes the delivering pin; a converter's input
  // follows the source that created it without an entry of its own.
  void SetDeliveringPin(TOWBasicPin* pin);
  void AttachAsConverterInput(TOWSourcePin* source, const TGUID& type);
  void DetachConverterInput();

protected:
  // Detach from the current source (under the sink's write guard).
  void DetachSource(bool keep);
  // Keeps the connected flag in step with the links. IsConnected reads the
  // flag: it is asked from data threads, also while a stop of the owner
  // makes guards come back empty.
  void ConnectionChanged() override {
    connected_.store(source_ != nullptr || linked_ != nullptr || dispatcher_ != nullptr, std::memory_order_release);
  }
  std::atomic<bool> connected_{false};

  TOWBasicPin* delivering_ = nullptr;
  TOWBasicPin* linked_ = nullptr;
  TOWBasicPin* source_ = nullptr;
  TGUID negotiated_;
  TOWHandler upstream_;
  friend class TOWSourcePin;
  friend class TOWUnloadedPin;
};

// A state pin: joins a state dispatcher; Notify reaches every other member.
class TOWStatePin : public TOWPin {
  Q_OBJECT
public:
  TOWStatePin(QObject* owner, IOWLock* ownerLock);
  ~TOWStatePin() override;
  int GetKind() const override { return pkState; }
  bool ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) override;
  void Disconnect() override;
  void DisconnectPin(TOWBasicPin* pin) override;
  bool IsConnected() const override;
  bool IsLinkedTo(const TOWBasicPin* pin) const override;
  bool CanConnect(TOWBasicPin* pin) const override;
  QString GetConnectionText() const override;
  bool Notify(IOWNotifyOperation* op) override;
};

// Placeholder for a pin that does not exist yet. Pins connected to it are
// recorded; when the real pin appears the placeholder merges into it.
class TOWUnloadedPin : public TOWBasicPin {
  Q_OBJECT
public:
  TOWUnloadedPin(QObject* root, int kind, const QString& displayName, const QString& internalName,
                 const QString& creatorName = QString());
  ~TOWUnloadedPin() override;

  int GetKind() const override { return kind_; }
  QObject* GetRoot() const override { return root_; }
  QString GetRootName() const override;
  QString GetName(bool withRoot = true) const override;
  QString GetDisplayName(bool withRoot = true) const override;
  bool ConnectEx(TOWBasicPin* pin, TOWBasicPin* orderPin) override;
  void Disconnect() override;
  void DisconnectPin(TOWBasicPin* pin) override;
  bool IsConnected() const override;
  bool IsLinkedTo(const TOWBasicPin* pin) const override;
  bool CanConnect(TOWBasicPin*) const override { return true; }
  bool AddSink(TOWBasicPin* sink, TOWBasicPin* orderPin) override;
  void RemoveSink(TOWBasicPin* sink, bool leavePlaceholder) override;
  void ReleaseIfUnused() override;
  QString GetConnectionText() const override;
  bool Notify(IOWNotifyOperation*) override { return false; }
  bool SupportsType(const TGUID&) const override { return true; }
  void PinDestroying(TOWBasicPin* pin) override;
  void PinReplaced(TOWBasicPin* oldPin, TOWBasicPin* newPin) override;

  // Does a stored name denote this placeholder?
  bool MatchesName(const QString& name) const;
  // Connect every recorded pin to `real` and free the placeholder.
  void MergeInto(TOWBasicPin* real);
  int LinkCount() const;
  bool OwnedByList() const { return ownedByList_; }
  void SetOwnedByList(bool v) { ownedByList_ = v; }

private:
  struct Link {
    TOWBasicPin* pin;
    TOWBasicPin* orderPin;
  };
  QObject* root_;
  QString rootName_;
  int kind_;
  QString display_;
  QString internal_;
  QString creator_;
  bool ownedByList_ = false;
  bool removing_ = false;
  std::vector<Link> links_;
};

// Live pin whose full name (or display name) matches `name` (form-name
// replacement applied with `formName` against `root`); none if no match.
TOWBasicPin* OWFindPinByName(const QString& name, QObject* root, const QString& formName = QString());
// As OWFindPinByName, or a new pending placeholder of `kind`.
TOWBasicPin* OWResolvePin(const QString& internalName, const QString& displayName, QObject* root, int kind,
                          const QString& formName = QString());
// Number of pending placeholders (for inspection).
int OWPendingPlaceholderCount();
// Number of live pins.
int OWLivePinCount();
