#pragma once
// Published properties stored under the owner's component lock. One line
// declares the Q_PROPERTY, its guarded getter and setter and the field:
//
//   TLP_PROPERTY(bool, Visible, true, LayoutChanged)
//
// The setter compares, stores and runs the named member function only when
// the value really changed (ILPLock::SetIfChanged). The class must offer
// Lock() returning an ILPLock*. Access is public afterwards.

#include <QColor>

#include "pins/lock_guarded.h"

#define TLP_PROPERTY(Type, Name, Default, Notify)                                            \
  Q_PROPERTY(Type Name READ Name WRITE Set##Name)                                            \
                                                                                            \
 public:                                                                                     \
  Type Name() const { return Lock()->ReadGuarded(Name##_); }                                 \
  void Set##Name(const Type& value) { Lock()->SetIfChanged(Name##_, value, [this] { Notify(); }); } \
                                                                                            \
 private:                                                                                    \
  Type Name##_ = Default;                                                                    \
                                                                                            \
 public:

// A sub-object published under `Name`: read-only pointer; assigning copies
// the other object's settings into the owned one (it is never replaced).
#define TLP_SUBOBJECT(Type, Name)                                  \
  Q_PROPERTY(Type* Name READ Name WRITE Set##Name)                 \
                                                                   \
 public:                                                           \
  Type* Name() const { return Name##_; }                           \
  void Set##Name(Type* other) {                                    \
    if (other && other != Name##_) Name##_->Assign(other);         \
  }                                                                \
                                                                   \
 private:                                                          \
  Type* Name##_ = nullptr;                                         \
                                                                   \
 public:

// Colours of window descriptions are 0x00BBGGRR numbers.
inline QColor TColorFromRef(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
inline unsigned TColorToRef(const QColor& c) {
  return unsigned(c.red()) | unsigned(c.green()) << 8 | unsigned(c.blue()) << 16;
}
