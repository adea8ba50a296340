#pragma once
// State dispatchers: state pins connect by sharing one. A notification sent
// on one member reaches every other member.

#include <QObject>
#include <QString>

#include <vector>

#include "pins/pin.h"

class TOWStateDispatcher : public TOWPinObject {
  Q_OBJECT
  Q_PROPERTY(QString Name READ Name)
public:
  // Registered in the run-time (or design-time) dispatcher list.
  TOWStateDispatcher(const QString& name, bool designTime = false);
  ~TOWStateDispatcher() override;

  QString Name() const { return name_; }
  std::vector<TOWBasicPin*> Members() const;
  int MemberCount() const;
  // Joining requires a common stream type with every non-sink member.
  bool CanJoin(TOWBasicPin* pin) const;
  bool AddMember(TOWBasicPin* pin);
  // Removes the pin; a dispatcher left with fewer than two members dissolves
  // (it is freed when empty).
  void RemoveMember(TOWBasicPin* pin);
  // To every member except `sender`; the last receiver gets flag 2.
  bool Notify(TOWBasicPin* sender, IOWNotifyOperation* op);

  // "<root>Link<n>" with the smallest n not used in the same list.
  static QString NewName(const QString& rootName, bool designTime);

private:
  QString name_;
  bool designTime_;
  mutable std::recursive_mutex section_;
  std::vector<TOWBasicPin*> members_;
};
