// Components and property objects: when they are initialized, how their
// shared lock and guarded setters notify, and how Assign copies them.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include "pins/collection.h"
#include "pins/component.h"
#include "pins/lock_object.h"
#include "pins/persistent.h"
#include "pins/timer.h"
#include "support/test_support.h"

namespace {

class TTestPen : public TLPPersistentNotify {
  Q_OBJECT
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(double Scale READ Scale WRITE SetScale)
public:
  using TLPPersistentNotify::TLPPersistentNotify;
  int Width() const { return Lock()->ReadGuarded(width_); }
  void SetWidth(int w) { Lock()->SetIfChanged(width_, w); }
  double Scale() const { return scale_; }
  void SetScale(double s) { Lock()->SetIfChanged(scale_, s); }

private:
  int width_ = 1;
  double scale_ = 1.5;
};

class TTestComponent : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(int Rate READ Rate WRITE SetRate)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(TTestPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(TLPComponent* Buddy READ Buddy WRITE SetBuddy)
  Q_PROPERTY(TOWObject* Pin READ Pin WRITE SetPin)
  Q_PROPERTY(int Derived READ Derived)
public:
  explicit TTestComponent(QObject* owner = nullptr) : TLPComponent(owner), pen_(new TTestPen(this)) {
    derivedReady_ = 7;  // set by the most-derived constructor, read by Initialized
  }
  int Rate() const { return Lock()->ReadGuarded(rate_); }
  void SetRate(int r) {
    Lock()->SetIfChanged(rate_, r, [this] { order_ += QStringLiteral("callback;"); });
  }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c) { Lock()->SetIfChanged(caption_, c); }
  TTestPen* Pen() const { return pen_; }
  void SetPen(TTestPen* p) { pen_->Assign(p); }
  TLPComponent* Buddy() const { return buddy_; }
  void SetBuddy(TLPComponent* b) { buddy_ = b; }
  TOWObject* Pin() const { return pin_; }
  void SetPin(TOWObject* p) { pin_ = p; }
  int Derived() const { return derivedReady_; }

  int initializedCount = 0;
  int derivedSeenByInitialized = 0;
  int lockChanges = 0;
  QString order_;

protected:
  void Initialized() override {
    ++initializedCount;
    derivedSeenByInitialized = derivedReady_;
  }
  void LockChanged() override {
    ++lockChanges;
    order_ += QStringLiteral("notify;");
  }

private:
  int rate_ = 0;
  QString caption_;
  TTestPen* pen_;
  TLPComponent* buddy_ = nullptr;
  TOWObject* pin_ = nullptr;
  int derivedReady_ = 0;
};

// Stand-ins for classes of the window layer; the root rule goes by class name.
class TForm : public QObject {
  Q_OBJECT
};
class TApplication : public QObject {
  Q_OBJECT
};

TEST(ComponentLifecycle, CodeCreatedComponentIsInitializedOnceAfterItsWholeConstructor) {
  QObject owner;
  auto* c = MakeComponent<TTestComponent>(&owner);
  EXPECT_EQ(c->initializedCount, 1);
  EXPECT_EQ(c->derivedSeenByInitialized, 7);
  c->AfterConstruction();
  EXPECT_EQ(c->initializedCount, 1);
  EXPECT_FALSE(c->IsLoading());
}

TEST(ComponentLifecycle, ComponentCreatedInsideALoadingFormWaitsForLoadCompletion) {
  TForm form;
  SetObjectLoading(&form, true);
  auto* direct = MakeComponent<TTestComponent>(&form);
  auto* nested = MakeComponent<TTestComponent>(direct);  // owner chain: nested -> direct -> form
  EXPECT_EQ(direct->initializedCount, 0);
  EXPECT_EQ(nested->initializedCount, 0);
  EXPECT_TRUE(direct->IsLoading());
  EXPECT_TRUE(nested->IsLoading());
  CompleteLoading(&form);
  EXPECT_EQ(direct->initializedCount, 1);
  EXPECT_EQ(nested->initializedCount, 1);
  EXPECT_FALSE(IsObjectLoading(&form));
  EXPECT_FALSE(direct->IsLoading());
  // Completing again initializes nobody twice.
  CompleteLoading(&form);
  EXPECT_EQ(direct->initializedCount, 1);
}

TEST(ComponentLifecycle, ReaderProtocolInitializesOnLoadedAndDesigningNever) {
  TForm form;
  auto* read = new TTestComponent(&form);  // the reader's factory does not run AfterConstruction
  read->BeginLoading();
  EXPECT_TRUE(read->IsLoading());
  EXPECT_EQ(read->initializedCount, 0);
  read->Loaded();
  EXPECT_EQ(read->initializedCount, 1);
  EXPECT_FALSE(read->IsLoading());

  auto* designed = new TTestComponent(&form);
  designed->SetDesigning(true);
  designed->AfterConstruction();
  designed->BeginLoading();
  designed->Loaded();
  EXPECT_EQ(designed->initializedCount, 0);
}

TEST(ComponentLifecycle, RootIsTheFormOrTheComponentBelowTheApplication) {
  TApplication app;
  TForm form;
  auto* top = new TTestComponent(&form);
  auto* inner = new TTestComponent(top);
  EXPECT_EQ(ComponentRoot(inner), &form);
  EXPECT_EQ(ComponentRoot(&form), &form);
  form.setParent(&app);
  EXPECT_EQ(ComponentRoot(inner), &form);  // a form is a root even when owned
  auto* loose = new TTestComponent(&app);
  auto* underLoose = new TTestComponent(loose);
  EXPECT_EQ(ComponentRoot(underLoose), loose);
  TTestComponent orphan;
  EXPECT_EQ(ComponentRoot(&orphan), &orphan);
  form.setParent(nullptr);
}

TEST(GuardedSetters, ChangeStoresThenCallsTheCallbackThenTheOwnerNotification) {
  TTestComponent c;
  c.SetRate(5);
  EXPECT_EQ(c.Rate(), 5);
  EXPECT_EQ(c.order_, QStringLiteral("callback;notify;"));
  c.order_.clear();
  c.SetRate(5);  // same value: nothing happens
  EXPECT_TRUE(c.order_.isEmpty());
  EXPECT_EQ(c.lockChanges, 1);
  int field = 3;
  EXPECT_FALSE(c.Lock()->SetIfChanged(field, 3));
  EXPECT_TRUE(c.Lock()->SetIfChanged(field, 4));
  EXPECT_EQ(field, 4);
  EXPECT_EQ(c.lockChanges, 2);
  // Guarded setters are what setting a published property by name runs.
  EXPECT_TRUE(c.setProperty("Caption", QStringLiteral("Scope")));
  EXPECT_EQ(c.Caption(), QStringLiteral("Scope"));
  EXPECT_EQ(c.lockChanges, 3);
}

TEST(PersistentObjects, ShareTheirComponentsLockDownTheOwnerChain) {
  TTestComponent c;
  TLPPersistent child(&c);
  TLPPersistent grandChild(&child);
  TLPCollection collection(&c, [](TOWExtCollection* owner) { return new TLPCollectionItem(owner); });
  auto* item = qobject_cast<TLPCollectionItem*>(collection.Add());
  ASSERT_NE(item, nullptr);
  TLPPersistent inItem(item);
  TOWLock* shared = c.Lock()->LockObject();
  EXPECT_EQ(child.Lock()->LockObject(), shared);
  EXPECT_EQ(grandChild.Lock()->LockObject(), shared);
  EXPECT_EQ(collection.Lock()->LockObject(), shared);
  EXPECT_EQ(item->Lock()->LockObject(), shared);
  EXPECT_EQ(inItem.Lock()->LockObject(), shared);
  EXPECT_EQ(child.GetOwner(), &c);
  EXPECT_EQ(grandChild.GetOwner(), &child);
  // A hold through any of them is a hold on the component.
  auto guard = grandChild.Lock()->EnterWrite();
  EXPECT_EQ(shared->Counts().holdCount, 1);
  // An explicitly given lock wins; an owner without one gets a new lock.
  TRef<TOWLock> other(new TOWLock);
  TLPPersistent explicitLock(&c, other.get());
  EXPECT_EQ(explicitLock.Lock()->LockObject(), other.get());
  QObject plain;
  TLPPersistent alone(&plain);
  EXPECT_NE(alone.Lock()->LockObject(), nullptr);
  EXPECT_NE(alone.Lock()->LockObject(), shared);
}

TEST(PersistentObjects, NotifyAndVisibilityReportOnlyRealChanges) {
  TTestComponent c;
  TLPOptionalVisibilityProperty visibility(&c);
  int calls = 0;
  TLPPersistentNotify* seen = nullptr;
  visibility.SetOnChange([&](TLPPersistentNotify* sender) {
    ++calls;
    seen = sender;
  });
  EXPECT_TRUE(visibility.Visible());
  EXPECT_TRUE(visibility.setProperty("Visible", false));
  EXPECT_FALSE(visibility.Visible());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, &visibility);
  visibility.SetVisible(false);
  EXPECT_EQ(calls, 1);
  visibility.SetVisible(true);
  EXPECT_EQ(calls, 2);
  // The property object's change goes to its own hook, not the component's.
  EXPECT_EQ(c.lockChanges, 0);
}

TEST(Assign, ComponentsCopyPublishedValuesAndSubObjectsButNotNamesComponentsOrPins) {
  TTestComponent source, target;
  source.setObjectName(QStringLiteral("Source"));
  target.setObjectName(QStringLiteral("Target"));
  source.SetRate(44100);
  source.SetCaption(QStringLiteral("Left"));
  source.Pen()->SetWidth(3);
  source.Pen()->SetScale(0.0);
  TTestComponent buddy;
  buddy.SetRate(9);
  TOWObject pin;
  source.SetBuddy(&buddy);
  source.SetPin(&pin);
  TTestPen* targetPen = target.Pen();
  TTestComponent targetBuddy;
  target.SetBuddy(&targetBuddy);

  EXPECT_TRUE(target.Assign(&source));
  EXPECT_EQ(target.Rate(), 44100);
  EXPECT_EQ(target.Caption(), QStringLiteral("Left"));
  EXPECT_EQ(target.Pen(), targetPen);  // the sub-object is copied into, not replaced
  EXPECT_EQ(target.Pen()->Width(), 3);
  EXPECT_EQ(target.Pen()->Scale(), 0.0);
  EXPECT_EQ(target.objectName(), QStringLiteral("Target"));
  // Object properties holding components or pins are neither re-pointed nor
  // assigned into.
  EXPECT_EQ(target.Buddy(), &targetBuddy);
  EXPECT_EQ(targetBuddy.Rate(), 0);
  EXPECT_EQ(target.Pin(), nullptr);

  QObject notAComponent;
  EXPECT_FALSE(target.Assign(&notAComponent));
  TTestPen pen(&target);
  EXPECT_FALSE(pen.Assign(&source));
  EXPECT_TRUE(pen.Assign(source.Pen()));
  EXPECT_EQ(pen.Width(), 3);
}

TEST(Collections, ItemsKeepOrderLeaveWhenFreedAndClearTheirWatcher) {
  TTestComponent c;
  TLPCollection collection(&c, [](TOWExtCollection* owner) { return new TLPCollectionItem(owner); });
  auto* a = collection.Add();
  auto* b = collection.Add();
  auto* d = collection.Add();
  EXPECT_EQ(collection.Count(), 3);
  EXPECT_EQ(b->Index(), 1);
  EXPECT_EQ(collection.GetOwner(), &c);
  bool watched = true;
  b->SetWatcherFlag(&watched);
  collection.Delete(1);
  EXPECT_FALSE(watched);
  EXPECT_EQ(collection.Count(), 2);
  EXPECT_EQ(collection.Item(0), a);
  EXPECT_EQ(collection.Item(1), d);
  EXPECT_EQ(d->Index(), 1);
  collection.Delete(5);  // out of range: nothing
  EXPECT_EQ(collection.Count(), 2);
  delete a;
  EXPECT_EQ(collection.Count(), 1);
  EXPECT_EQ(collection.IndexOf(d), 0);

  // Stored items go through the same operations.
  IStoredCollection& stored = collection;
  stored.ClearStoredItems();
  EXPECT_EQ(stored.StoredItemCount(), 0);
  QObject* added = stored.AddStoredItem();
  EXPECT_EQ(stored.StoredItem(0), added);
}

TEST(Collections, AnItemHasItsSharedLockAlreadyWhenItJoins) {
  TTestComponent c;
  TLPCollection collection(&c, [](TOWExtCollection* owner) { return new TLPCollectionItem(owner); });
  TOWLock* lockAtJoin = nullptr;
  QObject::connect(&collection, &TOWExtCollection::Changed, [&] {
    TOWExtCollectionItem* item = collection.Item(collection.Count() - 1);
    if (item && item->ItemLock()) lockAtJoin = item->ItemLock()->LockObject();
  });
  collection.Add();
  EXPECT_EQ(lockAtJoin, c.Lock()->LockObject());
}

class TCountedNotification : public TInterfacedObject {
public:
  explicit TCountedNotification(int* alive) : alive_(alive) { ++*alive_; }
  ~TCountedNotification() override { --*alive_; }

private:
  int* alive_;
};

TEST(Collections, NotificationInterfacesAreFreedWithTheCollection) {
  int alive = 0;
  {
    TOWExtCollection collection(nullptr, {});
    collection.AddNotification(TRef<IInterface>(new TCountedNotification(&alive)));
    EXPECT_EQ(collection.NotificationCount(), 1);
    EXPECT_EQ(collection.Add(), nullptr);  // no item factory
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST(Timer, TicksWhileEnabledAndStopsWhenDisabled) {
  TLPTimer timer;
  int ticks = 0;
  QObject* sender = nullptr;
  QObject::connect(&timer, &TLPTimer::OnTimer, [&](QObject* s) {
    ++ticks;
    sender = s;
  });
  timer.SetInterval(5);
  EXPECT_TRUE(timer.IsRunning());
  ASSERT_TRUE(testsupport::WaitUntil([&] {
    QCoreApplication::processEvents();
    return ticks >= 2;
  }));
  EXPECT_EQ(sender, &timer);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.IsRunning());
  timer.SetEnabled(true);
  timer.SetInterval(0);
  EXPECT_FALSE(timer.IsRunning());
}

}  // namespace

#include "component_lifecycle_test.moc"
