#include "forms/class_registry.h"

#include <QReadLocker>
#include <QWriteLocker>

QString PlainClassName(const QMetaObject* meta) {
  if (!meta) return QString();
  const QString name = QString::fromLatin1(meta->className());
  const qsizetype colon = name.lastIndexOf(QStringLiteral("::"));
  return colon < 0 ? name : name.mid(colon + 2);
}

TClassRegistry& TClassRegistry::Instance() {
  static TClassRegistry registry;
  return registry;
}

void TClassRegistry::Register(const QString& className, TComponentFactory factory) {
  QWriteLocker guard(&lock_);
  if (factory)
    factories_.insert(className, std::move(factory));
  else
    factories_.remove(className);
}

void TClassRegistry::Unregister(const QString& className) {
  QWriteLocker guard(&lock_);
  factories_.remove(className);
}

bool TClassRegistry::Contains(const QString& className) const {
  QReadLocker guard(&lock_);
  return factories_.contains(className);
}

TComponentFactory TClassRegistry::Find(const QString& className) const {
  QReadLocker guard(&lock_);
  return factories_.value(className);
}

QObject* TClassRegistry::Create(const QString& className, QObject* owner) const {
  TComponentFactory factory = Find(className);
  // Called outside the lock: a constructor may register further classes.
  return factory ? factory(owner) : nullptr;
}

QStringList TClassRegistry::ClassNames() const {
  QReadLocker guard(&lock_);
  QStringList names = factories_.keys();
  names.sort();
  return names;
}
