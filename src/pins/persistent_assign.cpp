#include "pins/persistent_assign.h"

#include <QMetaProperty>
#include <QSet>

void AssignPublishedProperties(QObject* destination, const QObject* source, bool skipName) {
  if (!destination || !source || destination == source) return;
  const QMetaObject* meta = destination->metaObject();
  const QMetaObject* sourceMeta = source->metaObject();
  for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
    QMetaProperty property = meta->property(i);
    if (!property.isReadable() || !property.isWritable()) continue;
    const QString name = QString::fromLatin1(property.name());
    if (skipName && name == QLatin1String("Name")) continue;
    int sourceIndex = sourceMeta->indexOfProperty(property.name());
    if (sourceIndex < 0) continue;
    QMetaProperty sourceProperty = sourceMeta->property(sourceIndex);
    if (!sourceProperty.isReadable()) continue;

    if (property.metaType().flags() & QMetaType::PointerToQObject) {
      QObject* target = property.read(destination).value<QObject*>();
      const QObject* from = sourceProperty.read(source).value<QObject*>();
      if (auto* assignable = dynamic_cast<IPersistentAssign*>(target); assignable && from)
        assignable->Assign(from);
      continue;
    }
    property.write(destination, sourceProperty.read(source));
  }
}
