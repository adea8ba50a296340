#pragma once
// The main axes' AdditionalAxes collections. An additional axis is a whole
// axis (its own band, ranges, ticks, auto-scaling and zoom) registered after
// the scope's own views; channels, cursors, zones and labels reach it by
// index (1 is the first additional axis, 0 the main one).

#include <QList>

#include "pins/defined_properties.h"
#include "scope/axes/axes.h"

// An axis deleted by itself (not through its collection) leaves the
// collection first, while it is still whole.
class TSLAdditionalScopeXAxis : public TSLBasicScopeXAxis {
  Q_OBJECT
public:
  using TSLBasicScopeXAxis::TSLBasicScopeXAxis;
  ~TSLAdditionalScopeXAxis() override;
};

class TSLAdditionalScopeYAxis : public TSLBasicScopeYAxis {
  Q_OBJECT
public:
  using TSLBasicScopeYAxis::TSLBasicScopeYAxis;
  ~TSLAdditionalScopeYAxis() override;
};

// Owns the additional axes of one kind, in order. Window descriptions store
// it like the scope's other collections; removing an axis tells the chart,
// which moves the items drawn against it back to the main axis.
class TSLAdditionalAxes : public TSLDisplayPersistent, public IStoredCollection {
  Q_OBJECT
  Q_PROPERTY(int Count READ Count)
public:
  TSLAdditionalAxes(QObject* owner, TSLDataDisplay* display, bool x);
  ~TSLAdditionalAxes() override;

  bool IsXKind() const { return x_; }
  int Count() const { return int(axes_.size()); }
  TSLBasicScopeXAxis* XAxis(int i) const { return qobject_cast<TSLBasicScopeXAxis*>(Axis(i)); }
  TSLBasicScopeYAxis* YAxis(int i) const { return qobject_cast<TSLBasicScopeYAxis*>(Axis(i)); }
  TSLDisplayAxis* Axis(int i) const { return axes_.value(i); }
  int IndexOf(const TSLDisplayAxis* axis) const { return int(axes_.indexOf(const_cast<TSLDisplayAxis*>(axis))); }
  TSLDisplayAxis* Add();
  void Delete(int index);
  void Clear();

  // Same number of axes as `source`, each copying its counterpart.
  bool Assign(const QObject* source) override;

  int StoredItemCount() const override { return Count(); }
  QObject* StoredItem(int index) const override { return Axis(index); }
  void ClearStoredItems() override { Clear(); }
  QObject* AddStoredItem() override { return Add(); }

  // An axis of the collection is being deleted.
  void Forget(TSLDisplayAxis* axis);

signals:
  // After an axis joined (removed = -1) or left the collection at `removed`.
  void AxesChanged(int removed);

private:
  bool x_;
  QList<TSLDisplayAxis*> axes_;
};
