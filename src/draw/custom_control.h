#pragma once
// The base of the library's own visual controls (the scope and its layers):
// a TControl (geometry, visibility, colours, font and hint handling shared
// with the standard controls) with a component lock that its property
// objects share, and mouse enter/leave detection that does not rely on the
// toolkit's leave notice: while the pointer is inside, a 100 ms timer looks
// where it is and reports leaving itself.

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include "draw/control.h"
#include "pins/defined_properties.h"
#include "draw/message_service.h"
#include "pins/persistent.h"
#include "platform/guid.h"
#include "pins/lock_guarded.h"

class TLPTimer;

class TLPCustomControl : public TControl, public ILPLockOwner, public IStoredLoading {
  Q_OBJECT
public:
  static constexpr QPoint kNoMousePosition{-10000, -10000};

  explicit TLPCustomControl(QWidget* parent = nullptr);
  ~TLPCustomControl() override;

  ILPLock* GetLPLock() const override { return lock_.get(); }
  ILPLock* Lock() const { return lock_.get(); }

  bool MouseInside() const { return mouseInside_; }
  // The last pointer position seen by a move, in client coordinates.
  QPoint StoredMousePosition() const { return mousePos_; }
  // The position hover effects are drawn for: the stored one when the
  // control tracks it, else the pointer's, else kNoMousePosition.
  QPoint HoverMousePosition() const;
  bool IsWatchingMouse() const;

  // Loading from a window description.
  void BeginLoading() override { loading_ = true; }
  bool IsLoading() const override { return loading_; }
  void Loaded() override;
  bool IsDesigning() const { return designing_; }
  void SetDesigning(bool v) { designing_ = v; }

  // Runs the enter or leave handling as the toolkit's notices would.
  void MouseEnterMessage();
  void MouseLeaveMessage();

signals:
  void OnMouseEnter(QObject* Sender);
  void OnMouseLeave(QObject* Sender);
  void OnResize(QObject* Sender);

protected:
  void mouseMoveEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  // Where the pointer is now, in client coordinates; nullopt-like
  // kNoMousePosition when it cannot be read.
  virtual QPoint CurrentCursorPosition() const;
  virtual bool TracksMousePosition() const { return true; }
  virtual void MouseEntered() {}
  virtual void MouseLeft() {}
  virtual void LockChanged() {}
  virtual void AfterLoaded() {}

private:
  void WatchTick();

  TRef<TLPLock> lock_;
  TLPTimer* watch_ = nullptr;
  QPoint mousePos_ = kNoMousePosition;
  bool mouseInside_ = false;
  bool loading_ = false;
  bool designing_ = false;
};

// Item controls: a child control kept in its parent's item list.
inline constexpr TGUID IID_ISLComponentItem = TGUID::FromLiteral("{08C4BC2F-F721-4E47-9391-C5510E1DE17B}");
inline constexpr TGUID IID_IOWOwnedComponent = TGUID::FromLiteral("{26204375-2E95-4CDE-9D24-95E73E0390A1}");
inline constexpr TGUID IID_ILPDrawLayer = TGUID::FromLiteral("{618B80BD-4DBE-4645-9BAC-469E9CAC8756}");

class TSLCustomControlItem;

// A list of item controls owned by a component; clearing removes each
// item's control from the component and frees it.
class TSLComponentItems : public TLPPersistent {
  Q_OBJECT
public:
  explicit TSLComponentItems(QObject* owner);
  ~TSLComponentItems() override;
  int Count() const { return items_.size(); }
  TSLCustomControlItem* Item(int i) const { return items_.value(i); }
  void Add(TSLCustomControlItem* item);
  void Remove(TSLCustomControlItem* item);
  void Clear();

private:
  QList<QPointer<TSLCustomControlItem>> items_;
};

class TLPComponentElements : public TSLComponentItems {
  Q_OBJECT
public:
  using TSLComponentItems::TSLComponentItems;
};

class TLPDrawLayers : public TSLComponentItems {
  Q_OBJECT
public:
  using TSLComponentItems::TSLComponentItems;
};

// A child control that is an item of its parent's item list. Without a
// parent it lives on a hidden form that is never shown.
class TSLCustomControlItem : public TLPCustomControl {
  Q_OBJECT
public:
  explicit TSLCustomControlItem(QWidget* parent = nullptr);
  ~TSLCustomControlItem() override;
  TSLComponentItems* OwnerCollection() const { return collection_; }
  void SetOwnerCollection(TSLComponentItems* collection);
  // The hidden parent of items that have none yet.
  static QWidget* HiddenParent();

private:
  friend class TSLComponentItems;
  QPointer<TSLComponentItems> collection_;
};

// A control used as a layer of a larger display: the owner forwards mouse
// events to it; it owns auxiliary objects and a keyed object map.
class TLPControlDrawLayer : public TSLCustomControlItem {
  Q_OBJECT
public:
  explicit TLPControlDrawLayer(QWidget* parent = nullptr);
  ~TLPControlDrawLayer() override;

  // Owned auxiliary objects, freed last to first with the layer.
  void AddOwnedObject(QObject* object) { owned_.append(object); }
  // Keyed map: nullptr when absent; setting nullptr deletes the key; an
  // existing key's object is replaced (and freed).
  QObject* ObjectForKey(const QString& key) const;
  void SetObjectForKey(const QString& key, QObject* object);
  void ClearObjectMap();

  // Forwarded input (acted on only while the layer is visible and enabled);
  // positions in the layer's own coordinates.
  void ForwardMouseMove(Qt::KeyboardModifiers shift, const QPoint& p);
  void ForwardMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& p);
  void ForwardMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& p);
  // Wheel only when `p` lies strictly inside the layer; true when taken.
  bool ForwardMouseWheel(bool down, Qt::KeyboardModifiers shift, const QPoint& p);
  void ForwardMouseEnter();
  void ForwardMouseLeave();

protected:
  virtual void LayerMouseMove(Qt::KeyboardModifiers, const QPoint&) {}
  virtual void LayerMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint&) {}
  virtual void LayerMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, const QPoint&) {}
  virtual void LayerMouseWheel(bool /*down*/, Qt::KeyboardModifiers, const QPoint&) {}

private:
  bool Accepts() const { return Visible() && Enabled(); }
  QList<QObject*> owned_;
  QStringList keys_;
  QList<QObject*> keyed_;
};
