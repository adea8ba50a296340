#pragma once
// A component's ordered list of pins with their display names, published as
// an object-valued Q_PROPERTY of the component (for example `OutputPins`).
// While a form loads, stored entries beyond the real pins are held by list
// placeholders; real pins added later take their places.

#include <QObject>
#include <QString>

#include <vector>

#include "pins/lock.h"
#include "pins/lock_object.h"

class TOWBasicPin;
class TOWUnloadedPin;

class TOWPinList : public TOWObject {
  Q_OBJECT
  Q_PROPERTY(int Count READ Count)
public:
  // `pinsOwner`: the list frees its pins on Delete/Remove/Clear.
  TOWPinList(QObject* owner, bool pinsOwner, IOWLock* ownerLock);
  ~TOWPinList() override;

  QObject* Owner() const { return owner_; }
  // Real pins (placeholders are not counted).
  int Count();
  // Pin at index i (0-based), or none when out of range.
  TOWBasicPin* GetPin(int i);
  // Display name of entry i: the stored one, or "Pin [i]".
  QString GetPinName(int i) const;
  // A name equal to the default is stored as empty.
  void SetPinName(int i, const QString& name);
  // Returns the index; a pending list placeholder hands its place over.
  int Add(TOWBasicPin* pin);
  int AddNamed(TOWBasicPin* pin, const QString& name);
  void Delete(int i);
  void Remove(TOWBasicPin* pin);
  void Exchange(int i, int j);
  int IndexOf(const TOWBasicPin* pin) const;
  void Clear();
  // Entries including list placeholders.
  int EntryCount() const;
  int PlaceholderCount() const;

  // Load support: ensures entry i exists, appending list placeholders named
  // after `propertyPath` ("<root>.<owner>.<path>._Pin<i>").
  TOWBasicPin* EnsureEntry(int i, const QString& propertyPath);
  void SetFormName(const QString& name) { formName_ = name; }
  QString FormName() const { return formName_; }
  // Whether list placeholders are kept (set while the owner's form loads).
  void SetLoading(bool v) { loading_ = v; }
  // Drop list placeholders still present, last first.
  void CleanUpPlaceholders();

  TRef<IOWLockSection> EnterRead() override;
  TRef<IOWLockSection> EnterWrite() override;

private:
  struct Entry {
    TOWBasicPin* pin;
    QString name;
  };
  void FreeOrDetach(TOWBasicPin* pin);
  bool IsPlaceholder(const TOWBasicPin* pin) const;

  QObject* owner_;
  bool pinsOwner_;
  TRef<IOWLock> ownerLock_;
  std::vector<Entry> entries_;
  int placeholders_ = 0;
  bool inCleanUp_ = false;
  bool loading_ = false;
  QString formName_;
};
