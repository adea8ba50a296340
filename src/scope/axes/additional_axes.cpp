#include "scope/axes/additional_axes.h"

#include "scope/data_display.h"

TSLScopeXAxis::TSLScopeXAxis(QObject* owner, TSLDataDisplay* display)
    : TSLBasicScopeXAxis(owner, display), additional_(new TSLAdditionalAxes(this, display, true)) {}

void TSLScopeXAxis::SetAdditionalAxes(TSLAdditionalAxes* other) {
  if (other && other != additional_) additional_->Assign(other);
}

TSLScopeYAxis::TSLScopeYAxis(QObject* owner, TSLDataDisplay* display)
    : TSLBasicScopeYAxis(owner, display), additional_(new TSLAdditionalAxes(this, display, false)) {}

void TSLScopeYAxis::SetAdditionalAxes(TSLAdditionalAxes* other) {
  if (other && other != additional_) additional_->Assign(other);
}

TSLAdditionalScopeXAxis::~TSLAdditionalScopeXAxis() {
  if (auto* axes = qobject_cast<TSLAdditionalAxes*>(parent())) axes->Forget(this);
}

TSLAdditionalScopeYAxis::~TSLAdditionalScopeYAxis() {
  if (auto* axes = qobject_cast<TSLAdditionalAxes*>(parent())) axes->Forget(this);
}

TSLAdditionalAxes::TSLAdditionalAxes(QObject* owner, TSLDataDisplay* display, bool x)
    : TSLDisplayPersistent(owner, display), x_(x) {}

TSLAdditionalAxes::~TSLAdditionalAxes() {
  // Quietly: the owner is going, nobody needs to follow the removals.
  blockSignals(true);
  Clear();
}

TSLDisplayAxis* TSLAdditionalAxes::Add() {
  TSLDisplayAxis* axis;
  if (x_) axis = new TSLAdditionalScopeXAxis(this, Display());
  else axis = new TSLAdditionalScopeYAxis(this, Display());
  axes_.append(axis);
  LayoutChanged();
  emit AxesChanged(-1);
  return axis;
}

void TSLAdditionalAxes::Delete(int index) {
  if (index < 0 || index >= axes_.size()) return;
  // Out of the list first: whatever the removal starts sees the axes left.
  TSLDisplayAxis* axis = axes_.takeAt(index);
  delete axis;
  LayoutChanged();
  emit AxesChanged(index);
}

void TSLAdditionalAxes::Forget(TSLDisplayAxis* axis) {
  const int index = IndexOf(axis);
  if (index < 0) return;  // Delete took it out already
  axes_.removeAt(index);
  LayoutChanged();
  emit AxesChanged(index);
}

void TSLAdditionalAxes::Clear() {
  while (!axes_.isEmpty()) Delete(int(axes_.size()) - 1);
}

bool TSLAdditionalAxes::Assign(const QObject* source) {
  auto* other = qobject_cast<const TSLAdditionalAxes*>(source);
  if (!other || other->x_ != x_) return false;
  if (other == this) return true;
  while (Count() > other->Count()) Delete(Count() - 1);
  while (Count() < other->Count()) Add();
  for (int i = 0; i < Count(); ++i) axes_[i]->Assign(other->axes_[i]);
  return true;
}
