#include "forms/event_binding.h"

#include <QHash>
#include <QMetaMethod>
#include <QMutex>
#include <QObject>
#include <algorithm>
#include <stdexcept>

namespace {

struct Binding {
  QString event;
  QString handler;
  int signalIndex = -1;
  QMetaObject::Connection connection;
};

struct BindingTable {
  QMutex mutex;
  QHash<const QObject*, QList<Binding>> bindings;
};

BindingTable& Table() {
  static BindingTable table;
  return table;
}

QList<QMetaMethod> MethodsNamed(const QMetaObject* meta, const QString& name, bool signalsOnly) {
  QList<QMetaMethod> found;
  const QByteArray wanted = name.toLatin1();
  for (int i = 0; i < meta->methodCount(); ++i) {
    const QMetaMethod m = meta->method(i);
    if (m.name() != wanted) continue;
    const bool isSignal = m.methodType() == QMetaMethod::Signal;
    if (signalsOnly != isSignal) continue;
    if (!signalsOnly && m.methodType() == QMetaMethod::Constructor) continue;
    found.append(m);
  }
  return found;
}

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

}  // namespace

bool HasEvent(const QObject* object, const QString& event) {
  return object && !MethodsNamed(object->metaObject(), event, true).isEmpty();
}

void BindEvent(QObject* object, const QString& event, QObject* handlerOwner, const QString& handler) {
  if (!object || !handlerOwner) Fail(QStringLiteral("no object to bind"));
  const QList<QMetaMethod> signalList = MethodsNamed(object->metaObject(), event, true);
  if (signalList.isEmpty()) Fail(QStringLiteral("unknown event %1").arg(event));
  if (signalList.size() > 1) Fail(QStringLiteral("event %1 is overloaded").arg(event));
  // Overloads of a handler are told apart by the event's parameter list.
  const QMetaMethod signal = signalList.first();
  const QList<QMetaMethod> candidates = MethodsNamed(handlerOwner->metaObject(), handler, false);
  if (candidates.isEmpty())
    Fail(QStringLiteral("unknown handler %1 in %2").arg(handler, QString::fromLatin1(handlerOwner->metaObject()->className())));
  QMetaMethod slot;
  for (const QMetaMethod& m : candidates)
    if (m.parameterTypes() == signal.parameterTypes()) slot = m;
  if (!slot.isValid()) {
    Fail(QStringLiteral("handler %1(%2) does not match event %3(%4)")
             .arg(handler, QString::fromLatin1(candidates.first().parameterTypes().join(", ")), event,
                  QString::fromLatin1(signal.parameterTypes().join(", "))));
  }
  UnbindEvent(object, event);
  Binding b;
  b.event = event;
  b.handler = handler;
  b.signalIndex = signal.methodIndex();
  b.connection = QObject::connect(object, signal, handlerOwner, slot, Qt::DirectConnection);
  if (!b.connection) Fail(QStringLiteral("cannot connect %1 to %2").arg(event, handler));
  BindingTable& table = Table();
  QMutexLocker guard(&table.mutex);
  auto it = table.bindings.find(object);
  if (it == table.bindings.end()) {
    it = table.bindings.insert(object, {});
    // The table must not keep entries of dead objects whose address returns.
    QObject::connect(object, &QObject::destroyed, [object] {
      BindingTable& t = Table();
      QMutexLocker g(&t.mutex);
      t.bindings.remove(object);
    });
  }
  it->append(b);
}

void UnbindEvent(QObject* object, const QString& event) {
  BindingTable& table = Table();
  QMutexLocker guard(&table.mutex);
  auto it = table.bindings.find(object);
  if (it == table.bindings.end()) return;
  for (qsizetype i = it->size() - 1; i >= 0; --i) {
    if ((*it)[i].event == event) {
      QObject::disconnect((*it)[i].connection);
      it->removeAt(i);
    }
  }
}

QString BoundHandler(const QObject* object, const QString& event) {
  BindingTable& table = Table();
  QMutexLocker guard(&table.mutex);
  for (const Binding& b : table.bindings.value(object))
    if (b.event == event) return b.handler;
  return QString();
}

QList<QPair<QString, QString>> BoundEvents(const QObject* object) {
  QList<Binding> list;
  {
    BindingTable& table = Table();
    QMutexLocker guard(&table.mutex);
    list = table.bindings.value(object);
  }
  std::stable_sort(list.begin(), list.end(), [](const Binding& a, const Binding& b) { return a.signalIndex < b.signalIndex; });
  QList<QPair<QString, QString>> out;
  for (const Binding& b : list) out.append({b.event, b.handler});
  return out;
}
