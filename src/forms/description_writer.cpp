#include "forms/description_writer.h"

#include "forms/class_registry.h"
#include "forms/description_syntax.h"
#include "forms/description_values.h"
#include "forms/event_binding.h"
#include "pins/component.h"
#include "pins/pin_link_storage.h"
#include "pins/pin_list.h"
#include "pins/stored_floats.h"

#include <QFont>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <memory>

namespace {

// Owner of the throw-away instances that tell the defaults: it is marked
// loading, so components made under it do not start up (open devices ...).
class TDefaultsOwner : public QObject, public IStoredLoading {
public:
  TDefaultsOwner() { SetObjectLoading(this, true); }
  void BeginLoading() override {}
  bool IsLoading() const override { return true; }
  void Loaded() override {}
};

struct DefaultInstance {
  std::unique_ptr<TDefaultsOwner> owner = std::make_unique<TDefaultsOwner>();
  QPointer<QObject> object;
  ~DefaultInstance() {
    if (object && object->parent() != owner.get()) delete object.data();
  }
};

bool IsObjectProperty(const QMetaProperty& p) { return p.metaType().flags() & QMetaType::PointerToQObject; }

class Writer {
public:
  explicit Writer(const QObject* root) : root_(root) {}

  TDescriptionObject Build(const QObject* object) {
    TDescriptionObject d;
    d.name = object->objectName();
    d.className = PlainClassName(object->metaObject());
    DefaultInstance def;
    def.object = TClassRegistry::Instance().Create(d.className, def.owner.get());
    if (!def.object) {
      const QMetaObject* meta = object->metaObject();
      if (meta->constructorCount() > 0) def.object = meta->newInstance();
    }
    if (def.object) {
      if (auto* loading = dynamic_cast<IStoredLoading*>(def.object.data())) loading->BeginLoading();
    }
    QList<QPair<QString, TStoredValue>> props;
    QSet<const QObject*> subObjects;
    WriteObject(object, def.object, QString(), props, subObjects, 0);
    for (const auto& p : props) d.properties.append({p.first, p.second, 0});
    for (const QObject* child : Components(object, subObjects)) d.children.append(Build(child));
    return d;
  }

private:
  bool IsComponent(const QObject* object) const {
    if (!object) return false;
    if (object == root_) return true;
    if (object->objectName().isEmpty()) return false;
    if (!TClassRegistry::Instance().Contains(PlainClassName(object->metaObject()))) return false;
    for (const QObject* p = object->parent(); p; p = p->parent())
      if (p == root_) return true;
    return false;
  }

  // Components below `container`, looking through objects that are not
  // components themselves (internal widgets of a page control ...).
  QList<const QObject*> Components(const QObject* container, const QSet<const QObject*>& subObjects) const {
    QList<const QObject*> out;
    CollectComponents(container, subObjects, out, 0);
    return out;
  }

  void CollectComponents(const QObject* container, const QSet<const QObject*>& subObjects,
                         QList<const QObject*>& out, int depth) const {
    if (depth > 64) return;
    for (const QObject* child : container->children()) {
      if (subObjects.contains(child)) continue;
      if (IsComponent(child)) out.append(child);
      else CollectComponents(child, subObjects, out, depth + 1);
    }
  }

  void WriteObject(const QObject* object, const QObject* def, const QString& prefix,
                   QList<QPair<QString, TStoredValue>>& out, QSet<const QObject*>& subObjects, int depth) {
    if (!object || depth > 32) return;
    QList<QPair<QString, TStoredValue>> defined;
    if (auto* hook = dynamic_cast<const IDefinedProperties*>(object)) hook->WriteDefinedProperties(defined);
    if (auto* list = qobject_cast<const TOWPinList*>(object)) WritePinListLinks(const_cast<TOWPinList*>(list), defined);
    bool floatsStored = false;
    for (const auto& d : defined)
      if (d.first == kFloatsPropertyName) floatsStored = true;
    // Components and property objects store their zero floats even when
    // their own hook leaves "_Floats" to the base (it comes first then).
    if (!floatsStored && (object->inherits("TLPComponent") || object->inherits("TLPPersistent"))) {
      TStoredValue floats;
      floatsStored = FloatsValue(object, floats, def);
      if (floatsStored) defined.prepend({kFloatsPropertyName, floats});
    }

    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
      const QMetaProperty p = meta->property(i);
      if (!IsPublishedProperty(p) || !p.isReadable() || !p.isStored()) continue;
      const QString name = QString::fromLatin1(p.name());
      const QString path = prefix + name;
      QMetaProperty dp;
      if (def) {
        const int di = def->metaObject()->indexOfProperty(p.name());
        if (di >= 0) dp = def->metaObject()->property(di);
      }
      const QVariant value = p.read(object);
      const QVariant defValue = dp.isValid() ? dp.read(def) : QVariant();
      if (IsObjectProperty(p)) {
        WriteObjectProperty(object, p, path, value.value<QObject*>(), defValue.value<QObject*>(), dp.isValid(),
                            out, subObjects, depth);
        continue;
      }
      const int id = p.metaType().id();
      if (id == QMetaType::QFont) {
        if (!p.isWritable()) continue;
        const QFont reference = dp.isValid() ? defValue.value<QFont>() : QFont(QStringLiteral("-"), 1);
        for (const auto& diff : FontDifferences(value.value<QFont>(), reference))
          out.append({path + QStringLiteral(".") + diff.first, diff.second});
        continue;
      }
      if (!p.isWritable()) continue;
      TStoredValue stored;
      if (!StoredFromProperty(p, value, stored)) continue;
      if (floatsStored && IsStoredFloatProperty(p) && stored.kind == TStoredValue::Kind::Float && stored.real == 0.0)
        continue;  // stored through "_Floats"
      if (dp.isValid()) {
        TStoredValue defStored;
        if (StoredFromProperty(dp, defValue, defStored) && defStored == stored) continue;
      }
      QString written = path;
      if (id == QMetaType::QStringList) written += QStringLiteral(".Strings");
      else if (id == QMetaType::QByteArray) written += QStringLiteral(".Data");
      out.append({written, stored});
    }
    for (const auto& e : BoundEvents(object)) out.append({prefix + e.first, TStoredValue::Ident(e.second)});
    for (const auto& d : defined) out.append({prefix + d.first, d.second});
  }

  void WriteObjectProperty(const QObject* holder, const QMetaProperty& p, const QString& path, QObject* sub,
                           QObject* defSub, bool hasDefault, QList<QPair<QString, TStoredValue>>& out,
                           QSet<const QObject*>& subObjects, int depth) {
    if (sub && IsComponent(sub) && sub->parent() != holder) {
      // A reference to another component of the form.
      if (!p.isWritable()) return;
      if (hasDefault && defSub && defSub->objectName() == sub->objectName()) return;
      out.append({path, TStoredValue::Ident(sub->objectName())});
      return;
    }
    if (!sub) {
      if (p.isWritable() && hasDefault && defSub) out.append({path, TStoredValue::Ident(QStringLiteral("nil"))});
      return;
    }
    subObjects.insert(sub);
    if (auto* collection = dynamic_cast<const IStoredCollection*>(sub)) {
      auto* defCollection = hasDefault ? dynamic_cast<IStoredCollection*>(defSub) : nullptr;
      if (defCollection) {
        // Unchanged from the class's own items: nothing to store.
        if (ItemsValue(collection, nullptr, depth) == ItemsValue(defCollection, nullptr, depth)) return;
        // Items are written against a fresh item of the throw-away instance.
        defCollection->ClearStoredItems();
        out.append({path, ItemsValue(collection, defCollection->AddStoredItem(), depth)});
        return;
      }
      if (collection->StoredItemCount() == 0) return;
      out.append({path, ItemsValue(collection, nullptr, depth)});
      return;
    }
    WriteObject(sub, hasDefault ? defSub : nullptr, path + QStringLiteral("."), out, subObjects, depth + 1);
  }

  // The items of a collection, each written against `freshItem` (all
  // published properties when there is none).
  TStoredValue ItemsValue(const IStoredCollection* collection, const QObject* freshItem, int depth) {
    TStoredValue value;
    value.kind = TStoredValue::Kind::Collection;
    for (int i = 0; i < collection->StoredItemCount(); ++i) {
      QList<QPair<QString, TStoredValue>> props;
      QSet<const QObject*> ignored;
      WriteObject(collection->StoredItem(i), freshItem, QString(), props, ignored, depth + 1);
      value.collection.append(props);
    }
    return value;
  }

  const QObject* root_;
};

}  // namespace

QString WriteDescription(const QObject* root) {
  if (!root) return QString();
  InstallPinLinkStorage();
  Writer writer(root);
  return FormatDescription(writer.Build(root));
}
