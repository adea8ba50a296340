#include "forms/description_reader.h"

#include "forms/class_registry.h"
#include "forms/description_syntax.h"
#include "forms/description_values.h"
#include "forms/event_binding.h"
#include "pins/component.h"
#include "pins/pin.h"
#include "pins/pin_link_storage.h"
#include "pins/pin_list.h"
#include "pins/pin_registry.h"
#include "pins/stored_floats.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace {

QString ErrorText(int line, const QString& item, const QString& message) {
  QString text = QStringLiteral("line %1: ").arg(line);
  if (!item.isEmpty()) text += item + QStringLiteral(": ");
  return text + message;
}

// Exact name first; descriptions written by hand may differ in case.
int FindProperty(const QMetaObject* meta, const QString& name) {
  const QByteArray latin = name.toLatin1();
  const int exact = meta->indexOfProperty(latin.constData());
  if (exact >= 0) return exact;
  for (int i = 0; i < meta->propertyCount(); ++i)
    if (QString::fromLatin1(meta->property(i).name()).compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bool IsObjectProperty(const QMetaProperty& p) { return p.metaType().flags() & QMetaType::PointerToQObject; }

// The texts a user reads: Caption, Hint and Title, a sub-object's Text (a
// scope's title, an axis label; a control's own Text is what the user
// typed), and the entries of Items and Lines. translations/
// extract_form_texts.py gives lupdate the same texts.
bool IsReadText(const QString& path) {
  QStringList segments = path.split(u'.');
  if (segments.size() > 1 && segments.last() == QLatin1String("Strings")) segments.removeLast();
  const QString& name = segments.last();
  if (name == QLatin1String("Caption") || name == QLatin1String("Hint") || name == QLatin1String("Title") ||
      name == QLatin1String("Items") || name == QLatin1String("Lines"))
    return true;
  return name == QLatin1String("Text") && segments.size() > 1;
}

bool HasLetter(const QString& text) {
  for (const QChar c : text)
    if (c.isLetter()) return true;
  return false;
}

// The text in the program's language, the form's class being the context;
// without a translation (English) the text stays as it is.
TStoredValue Translated(const TStoredValue& value, const QByteArray& context) {
  TStoredValue out = value;
  if (value.kind == TStoredValue::Kind::String && HasLetter(value.text)) {
    out.text = QCoreApplication::translate(context.constData(), value.text.toUtf8().constData());
  } else if (value.kind == TStoredValue::Kind::List) {
    for (TStoredValue& item : out.items) item = Translated(item, context);
  }
  return out;
}

bool InheritsClass(const QMetaObject* meta, const QString& className) {
  for (; meta; meta = meta->superClass())
    if (PlainClassName(meta) == className) return true;
  return false;
}

class Reader {
public:
  explicit Reader(QObject* root) : root_(root) {}

  void Read(const TDescriptionObject& desc) {
    if (!InheritsClass(root_->metaObject(), desc.className)) {
      Fail(desc.line, desc.name,
           QStringLiteral("the description is of class %1, the form of class %2")
               .arg(desc.className, PlainClassName(root_->metaObject())));
    }
    if (root_->objectName().isEmpty()) root_->setObjectName(desc.name);
    rootName_ = root_->objectName();
    context_ = desc.className.toUtf8();
    names_.insert(rootName_.toLower(), root_);
    Begin(root_);
    ReadBody(desc, root_, root_, rootName_);
    ResolveReferences();
    Finish();
  }

  // On failure: everything created so far goes again.
  void Discard() {
    for (qsizetype i = created_.size() - 1; i >= 0; --i) delete created_[i].data();
    created_.clear();
  }

private:
  struct Reference {
    QPointer<QObject> object;
    QMetaProperty property;
    QString name;
    int line;
    QString item;
  };

  [[noreturn]] void Fail(int line, const QString& item, const QString& message) const {
    throw EDescriptionError(line, item, message);
  }

  void Begin(QObject* object) {
    loadOrder_.append(object);
    SetObjectLoading(object, true);
    if (auto* component = qobject_cast<TLPComponent*>(object)) component->AfterConstruction();
    if (auto* loading = dynamic_cast<IStoredLoading*>(object)) loading->BeginLoading();
  }

  void ReadBody(const TDescriptionObject& desc, QObject* object, QObject* enclosing, const QString& item) {
    for (const TDescriptionProperty& p : desc.properties) SetPath(object, p.path, p.value, p.line, item);
    for (const TDescriptionObject& child : desc.children) ReadChild(child, enclosing, item);
  }

  void ReadChild(const TDescriptionObject& desc, QObject* enclosing, const QString& parentItem) {
    const QString item = desc.name.isEmpty() ? parentItem + QStringLiteral(".") + desc.className
                                             : rootName_ + QStringLiteral(".") + desc.name;
    QObject* object = nullptr;
    if (desc.kind != TDescriptionObject::Kind::Object) {
      // An inherited part of the form already exists.
      object = desc.name.isEmpty() ? nullptr : root_->findChild<QObject*>(desc.name);
      if (!object) Fail(desc.line, item, QStringLiteral("inherited component %1 does not exist").arg(desc.name));
      if (!InheritsClass(object->metaObject(), desc.className))
        Fail(desc.line, item, QStringLiteral("component %1 is not of class %2").arg(desc.name, desc.className));
    } else {
      if (!TClassRegistry::Instance().Contains(desc.className))
        Fail(desc.line, item, QStringLiteral("unknown class %1").arg(desc.className));
      if (!desc.name.isEmpty() && names_.contains(desc.name.toLower()))
        Fail(desc.line, item, QStringLiteral("a component named %1 already exists").arg(desc.name));
      try {
        object = TClassRegistry::Instance().Create(desc.className, root_);
      } catch (const std::exception& e) {
        Fail(desc.line, item, QStringLiteral("creating %1 failed: %2").arg(desc.className, QString::fromUtf8(e.what())));
      }
      if (!object) Fail(desc.line, item, QStringLiteral("the factory of %1 created nothing").arg(desc.className));
      created_.append(object);
      object->setObjectName(desc.name);
      if (object->isWidgetType()) Place(static_cast<QWidget*>(object), enclosing, desc.line, item);
    }
    if (!desc.name.isEmpty()) names_.insert(desc.name.toLower(), object);
    Begin(object);
    ReadBody(desc, object, object, item);
  }

  void Place(QWidget* widget, QObject* enclosing, int line, const QString& item) {
    QObject* container = enclosing;
    while (container && !container->isWidgetType()) container = container->parent();
    if (!container) return;  // a root that is no widget: the widget stays top-level
    const QMetaObject* meta = container->metaObject();
    const int insert = meta->indexOfMethod("InsertControl(QWidget*)");
    if (insert >= 0) {
      if (!meta->method(insert).invoke(container, Qt::DirectConnection, Q_ARG(QWidget*, widget)))
        Fail(line, item, QStringLiteral("cannot insert the control"));
      return;
    }
    widget->setParent(static_cast<QWidget*>(container));
  }

  void SetPath(QObject* object, const QString& path, const TStoredValue& stored, int line, const QString& item) {
    const TStoredValue value = IsReadText(path) ? Translated(stored, context_) : stored;
    const QStringList segments = path.split(u'.');
    const QString where = item + QStringLiteral(".") + path;
    QObject* current = object;
    for (int i = 0; i + 1 < segments.size(); ++i) {
      const int index = FindProperty(current->metaObject(), segments[i]);
      if (index < 0) Fail(line, where, QStringLiteral("unknown property %1").arg(segments[i]));
      const QMetaProperty p = current->metaObject()->property(index);
      const int id = p.metaType().id();
      const bool last = i + 2 == segments.size();
      if (id == QMetaType::QFont && last) {
        QFont font = p.read(current).value<QFont>();
        QString error;
        if (segments[i + 1] == QLatin1String("Color")) {
          SetFontColor(current, value, line, where);
          return;
        }
        if (!ApplyFontSubProperty(font, segments[i + 1], value, error)) Fail(line, where, error);
        Write(current, p, QVariant(font), line, where);
        return;
      }
      if (id == QMetaType::QStringList && last && segments[i + 1] == QLatin1String("Strings")) {
        SetProperty(current, p, value, line, where);
        return;
      }
      if (id == QMetaType::QByteArray && last && segments[i + 1] == QLatin1String("Data")) {
        SetProperty(current, p, value, line, where);
        return;
      }
      if (!IsObjectProperty(p)) Fail(line, where, QStringLiteral("%1 has no sub-properties").arg(segments[i]));
      QObject* next = p.read(current).value<QObject*>();
      if (!next) Fail(line, where, QStringLiteral("%1 is empty").arg(segments[i]));
      current = next;
    }
    const QString name = segments.last();
    const int index = FindProperty(current->metaObject(), name);
    if (index >= 0) {
      SetProperty(current, current->metaObject()->property(index), value, line, where);
      return;
    }
    if (HasEvent(current, name)) {
      if (value.IsNil()) {
        UnbindEvent(current, name);
        return;
      }
      if (value.kind != TStoredValue::Kind::Identifier || value.text.contains(u'.'))
        Fail(line, where, QStringLiteral("wrong value type: a handler name expected"));
      try {
        BindEvent(current, name, root_, value.text);
      } catch (const std::exception& e) {
        Fail(line, where, QString::fromUtf8(e.what()));
      }
      return;
    }
    if (auto* hook = dynamic_cast<IDefinedProperties*>(current)) {
      bool taken = false;
      try {
        taken = hook->ReadDefinedProperty(name, value);
      } catch (const EDescriptionError&) {
        throw;
      } catch (const std::exception& e) {
        Fail(line, where, QString::fromUtf8(e.what()));
      }
      if (taken) return;
    }
    if (auto* list = qobject_cast<TOWPinList*>(current)) {
      // The list's path inside its component names its placeholders.
      const QString listPath = object == current || segments.size() < 2 || object->inherits("TOWExtCollectionItem")
                                   ? QString()
                                   : QStringList(segments.mid(0, segments.size() - 1)).join(u'.');
      bool taken = false;
      try {
        taken = ReadPinListLink(list, name, value, listPath);
      } catch (const std::exception& e) {
        Fail(line, where, QString::fromUtf8(e.what()));
      }
      if (taken) return;
    }
    if (name == kFloatsPropertyName) {
      ApplyFloats(current, value);
      return;
    }
    Fail(line, where, QStringLiteral("unknown property %1").arg(name));
  }

  void SetFontColor(QObject* object, const TStoredValue& value, int line, const QString& where) {
    const int index = FindProperty(object->metaObject(), QStringLiteral("FontColor"));
    if (index < 0) {
      // The colour is part of the font only in the original toolkit.
      QString error;
      qint64 number = 0;
      if (value.kind == TStoredValue::Kind::Integer || (value.kind == TStoredValue::Kind::Identifier && ColorNumberFromName(value.text, number)))
        return;
      Fail(line, where, QStringLiteral("colour expected"));
    }
    SetProperty(object, object->metaObject()->property(index), value, line, where);
  }

  void SetProperty(QObject* object, const QMetaProperty& p, const TStoredValue& value, int line, const QString& where) {
    if (IsObjectProperty(p)) {
      if (value.kind == TStoredValue::Kind::Collection) {
        FillCollection(p.read(object).value<QObject*>(), value, line, where);
        return;
      }
      if (value.kind != TStoredValue::Kind::Identifier)
        Fail(line, where, QStringLiteral("wrong value type: a component name expected"));
      if (!p.isWritable()) Fail(line, where, QStringLiteral("property %1 is read-only").arg(QString::fromLatin1(p.name())));
      if (value.IsNil()) {
        Write(object, p, QVariant::fromValue<QObject*>(nullptr), line, where);
        return;
      }
      // Components named later in the description are resolved at the end.
      references_.append({object, p, value.text, line, where});
      return;
    }
    if (!p.isWritable()) Fail(line, where, QStringLiteral("property %1 is read-only").arg(QString::fromLatin1(p.name())));
    QString error;
    const QVariant v = ConvertForProperty(p, value, error);
    if (!v.isValid()) Fail(line, where, error);
    Write(object, p, v, line, where);
  }

  void Write(QObject* object, const QMetaProperty& p, const QVariant& v, int line, const QString& where) {
    bool ok = false;
    try {
      ok = p.write(object, v);
    } catch (const std::exception& e) {
      Fail(line, where, QStringLiteral("setting %1 failed: %2").arg(QString::fromLatin1(p.name()), QString::fromUtf8(e.what())));
    }
    if (!ok) Fail(line, where, QStringLiteral("property %1 does not accept the value").arg(QString::fromLatin1(p.name())));
  }

  void FillCollection(QObject* target, const TStoredValue& value, int line, const QString& where) {
    auto* collection = dynamic_cast<IStoredCollection*>(target);
    if (!collection) Fail(line, where, QStringLiteral("not a collection"));
    collection->ClearStoredItems();
    for (int i = 0; i < value.collection.size(); ++i) {
      QObject* item = collection->AddStoredItem();
      if (!item) Fail(line, where, QStringLiteral("the collection refused item %1").arg(i));
      const QString itemWhere = where + QStringLiteral("[%1]").arg(i);
      for (const auto& pair : value.collection[i])
        SetPath(item, pair.first, pair.second, pair.second.line ? pair.second.line : line, itemWhere);
    }
  }

  void ResolveReferences() {
    for (const Reference& r : references_) {
      if (!r.object) continue;
      QObject* target = names_.value(r.name.toLower());
      if (!target) Fail(r.line, r.item, QStringLiteral("unknown component %1").arg(r.name));
      QVariant v = QVariant::fromValue<QObject*>(target);
      if (!v.convert(r.property.metaType()))
        Fail(r.line, r.item, QStringLiteral("component %1 is of the wrong class").arg(r.name));
      Write(r.object, r.property, v, r.line, r.item);
    }
  }

  void Finish() {
    // Every loading mark goes first, so that what Loaded starts sees a
    // finished form; then Loaded runs in creation order, the form first.
    ClearMarks(root_, 0);
    // Pins that store no links of their own still take over placeholders
    // that stand for them.
    ResolveAllPlaceholders();
    for (const QPointer<QObject>& object : loadOrder_) {
      if (!object) continue;
      if (auto* component = qobject_cast<TLPComponent*>(object.data())) {
        if (component->IsAwaitingLoaded()) component->Loaded();
      } else if (auto* loading = dynamic_cast<IStoredLoading*>(object.data())) {
        loading->Loaded();
      }
    }
    // Components made by code while their owner was loading finish now too.
    CompleteLoading(root_);
    QList<QPointer<QObject>> rest;
    for (QObject* object : root_->findChildren<QObject*>()) {
      auto* loading = dynamic_cast<IStoredLoading*>(object);
      if (loading && loading->IsLoading()) rest.append(object);
    }
    for (const QPointer<QObject>& object : rest)
      if (object) dynamic_cast<IStoredLoading*>(object.data())->Loaded();
    // Pins added while loading finished; list entries no pin took go.
    ResolveAllPlaceholders();
    FinishPinListLoading();
  }

  void ResolveAllPlaceholders() {
    // Pins are not QObject children of their components: take the form's
    // pins from the registry of live pins.
    QList<QPointer<TOWBasicPin>> pins;
    {
      TOWPinRegistry& registry = OWPinRegistry();
      std::lock_guard<std::recursive_mutex> guard(registry.section);
      for (TOWBasicPin* pin : registry.pins)
        if (!pin->IsDestroying() && !qobject_cast<TOWUnloadedPin*>(pin) && pin->GetRoot() == root_) pins.append(pin);
    }
    for (const QPointer<TOWBasicPin>& pin : pins)
      if (pin) pin->ResolvePlaceholders();
  }

  static void ClearMarks(QObject* object, int depth) {
    if (depth > 256) return;
    if (IsObjectLoading(object)) SetObjectLoading(object, false);
    for (QObject* child : object->children()) ClearMarks(child, depth + 1);
  }

  QObject* root_;
  QString rootName_;
  QByteArray context_;  // the form's class: its texts' translation context
  QHash<QString, QObject*> names_;
  QList<QPointer<QObject>> created_;
  QList<QPointer<QObject>> loadOrder_;
  QList<Reference> references_;
};

}  // namespace

EDescriptionError::EDescriptionError(int line, const QString& item, const QString& message)
    : std::runtime_error(ErrorText(line, item, message).toStdString()), line_(line), item_(item), reason_(message) {}

void ReadDescription(QObject* root, const QString& text) {
  if (!root) throw EDescriptionError(0, QString(), QStringLiteral("no form to read into"));
  const TDescriptionObject desc = ParseDescription(text);
  InstallPinLinkStorage();
  Reader reader(root);
  try {
    reader.Read(desc);
  } catch (...) {
    reader.Discard();
    FinishPinListLoading();
    throw;
  }
}

void ReadDescriptionFromResource(QObject* root, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EDescriptionError(0, path, QStringLiteral("cannot open: %1").arg(file.errorString()));
  ReadDescription(root, QString::fromUtf8(file.readAll()));
}
