#include "pins/pin_link_storage.h"

#include "pins/component.h"
#include "pins/pin.h"
#include "pins/pin_list.h"
#include "pins/pin_registry.h"
#include "pins/state_dispatcher.h"

#include <QMetaProperty>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <stdexcept>

namespace {

using K = TStoredValue::Kind;

[[noreturn]] void Malformed(const QString& what) { throw std::runtime_error(what.toStdString()); }

// A stored pin reference: internal name, display name (may be empty) and
// the order pin's internal name (may be empty).
struct StoredRef {
  QString internal;
  QString display;
  QString order;
};

// `Name` or `(Name 'Display')`.
bool ParseNamed(const TStoredValue& v, StoredRef& ref) {
  if (v.kind == K::Identifier && !v.IsNil()) {
    ref.internal = v.text;
    return true;
  }
  if (v.kind == K::List && v.items.size() == 2 && v.items[0].kind == K::Identifier && v.items[1].kind == K::String) {
    ref.internal = v.items[0].text;
    ref.display = v.items[1].text;
    return true;
  }
  return false;
}

// SourcePin forms: Name | (Name 'Display') | (Name Order) | ((Name 'Display') Order).
StoredRef ParseSourceForm(const TStoredValue& v) {
  StoredRef ref;
  if (ParseNamed(v, ref)) return ref;
  if (v.kind == K::List && v.items.size() == 2 && v.items[1].kind == K::Identifier && ParseNamed(v.items[0], ref)) {
    ref.order = v.items[1].text;
    return ref;
  }
  Malformed(QStringLiteral("a pin name, (name 'display') or (pin order) expected"));
}

// SinkPins element: Name | (Name [Order] ['Display']).
StoredRef ParseSinkElement(const TStoredValue& v) {
  StoredRef ref;
  if (v.kind == K::Identifier && !v.IsNil()) {
    ref.internal = v.text;
    return ref;
  }
  if (v.kind == K::List && !v.items.isEmpty() && v.items.size() <= 3 && v.items[0].kind == K::Identifier) {
    ref.internal = v.items[0].text;
    int i = 1;
    if (i < v.items.size() && v.items[i].kind == K::Identifier) ref.order = v.items[i++].text;
    if (i < v.items.size() && v.items[i].kind == K::String) ref.display = v.items[i++].text;
    if (i == v.items.size()) return ref;
  }
  Malformed(QStringLiteral("a sink name or (name order 'display') expected"));
}

QList<StoredRef> ParseSinkList(const TStoredValue& v) {
  if (v.kind != K::List) Malformed(QStringLiteral("a list of sinks expected"));
  QList<StoredRef> out;
  for (const TStoredValue& item : v.items) out.append(ParseSinkElement(item));
  return out;
}

TStoredValue NamedValue(const TOWBasicPin* pin) {
  const QString internal = pin->GetName(true);
  const QString display = pin->GetDisplayName(true);
  if (internal == display) return TStoredValue::Ident(internal);
  return TStoredValue::ListOf({TStoredValue::Ident(internal), TStoredValue::Str(display)});
}

// Order pin the source keeps for `sink`, or none.
TOWBasicPin* OrderPinOf(const TOWBasicPin* source, const TOWBasicPin* sink) {
  auto* s = qobject_cast<const TOWSourcePin*>(source);
  if (!s) return nullptr;
  for (int i = 0; i < s->SinkCount(); ++i)
    if (s->Sink(i) == sink) return s->EntryOrderPin(i);
  return nullptr;
}

TOWBasicPin* SourceOf(const TOWBasicPin* pin) {
  auto* sink = qobject_cast<const TOWSinkPin*>(pin);
  if (!sink) return nullptr;
  TOWBasicPin* source = sink->LinkedSource();
  return source ? source : sink->GetSource();
}

TStoredValue SourceForm(const TOWBasicPin* sink, TOWBasicPin* source) {
  TStoredValue named = NamedValue(source);
  if (TOWBasicPin* order = OrderPinOf(source, sink))
    return TStoredValue::ListOf({named, TStoredValue::Ident(order->GetName(true))});
  return named;
}

TStoredValue SinkList(const TOWSourcePin* source) {
  QList<TStoredValue> items;
  for (int i = 0; i < source->SinkCount(); ++i) {
    TOWBasicPin* sink = source->Sink(i);
    if (!sink) continue;
    TOWBasicPin* order = source->EntryOrderPin(i);
    const QString internal = sink->GetName(true);
    const QString display = sink->GetDisplayName(true);
    if (!order && internal == display) {
      items.append(TStoredValue::Ident(internal));
      continue;
    }
    QList<TStoredValue> element{TStoredValue::Ident(internal)};
    if (order) element.append(TStoredValue::Ident(order->GetName(true)));
    if (internal != display) element.append(TStoredValue::Str(display));
    items.append(TStoredValue::ListOf(element));
  }
  return TStoredValue::ListOf(items);
}

TStoredValue StateValue(const TOWBasicPin* pin) {
  TOWStateDispatcher* d = pin->Dispatcher();
  QList<TStoredValue> items{TStoredValue::Ident(d->Name())};
  for (TOWBasicPin* member : d->Members())
    if (member != pin) items.append(NamedValue(member));
  return TStoredValue::ListOf(items);
}

// Resolution against the root with a name rewriter (form-name replacement).
TOWBasicPin* Resolve(const StoredRef& ref, QObject* root, int kind, const std::function<QString(const QString&)>& rename) {
  const QString internal = rename(ref.internal);
  const QString display = ref.display.isEmpty() ? QString() : rename(ref.display);
  return OWResolvePin(internal, display, root, kind);
}

TOWBasicPin* ResolveOrder(const StoredRef& ref, QObject* root, const std::function<QString(const QString&)>& rename) {
  if (ref.order.isEmpty()) return nullptr;
  return OWResolvePin(rename(ref.order), QString(), root, pkSink);
}

// The links a pin stores, connected from `pin` (a real pin or a list entry).
void ConnectSource(TOWBasicPin* pin, const TStoredValue& v, QObject* root, const std::function<QString(const QString&)>& rename) {
  const StoredRef ref = ParseSourceForm(v);
  TOWBasicPin* source = Resolve(ref, root, pkSource, rename);
  TOWBasicPin* order = ResolveOrder(ref, root, rename);
  if (source && source != pin) pin->ConnectEx(source, order);
}

void ConnectSinks(TOWBasicPin* pin, const TStoredValue& v, QObject* root, const std::function<QString(const QString&)>& rename) {
  for (const StoredRef& ref : ParseSinkList(v)) {
    TOWBasicPin* sink = Resolve(ref, root, pkSink, rename);
    TOWBasicPin* order = ResolveOrder(ref, root, rename);
    if (sink && sink != pin) pin->ConnectEx(sink, order);
  }
}

void ConnectSources(TOWBasicPin* pin, const TStoredValue& v, QObject* root, const std::function<QString(const QString&)>& rename) {
  if (v.kind != K::List) Malformed(QStringLiteral("a list of sources expected"));
  for (const TStoredValue& item : v.items) {
    StoredRef ref;
    if (!ParseNamed(item, ref)) Malformed(QStringLiteral("a source name expected"));
    TOWBasicPin* source = Resolve(ref, root, pkSource, rename);
    if (source && source != pin) pin->ConnectEx(source, nullptr);
  }
}

void ConnectState(TOWBasicPin* pin, const TStoredValue& v, QObject* root, const std::function<QString(const QString&)>& rename) {
  if (v.kind != K::List || v.items.isEmpty() || v.items[0].kind != K::Identifier)
    Malformed(QStringLiteral("(dispatcher members...) expected"));
  for (int i = 1; i < v.items.size(); ++i) {
    StoredRef ref;
    if (!ParseNamed(v.items[i], ref)) Malformed(QStringLiteral("a state pin name expected"));
    TOWBasicPin* member = Resolve(ref, root, pkState, rename);
    if (member && member != pin) pin->Connect(member);
  }
}

void CheckStateConverter(const TStoredValue& v) {
  // (dispatcher-or-members 'type' 'type'): the converter itself is made
  // again by type negotiation when the state link is restored.
  if (v.kind != K::List || v.items.size() != 3 || v.items[1].kind != K::String || v.items[2].kind != K::String)
    Malformed(QStringLiteral("(dispatcher 'type' 'type') expected"));
}

QMutex& ListsMutex() {
  static QMutex m;
  return m;
}
QList<QPointer<TOWPinList>>& LoadingLists() {
  static QList<QPointer<TOWPinList>> lists;
  return lists;
}

// Property path of `target` inside `object`'s published object properties.
bool FindPath(const QObject* object, const QObject* target, const QString& prefix, QString& path,
              QSet<const QObject*>& seen) {
  if (!object || seen.contains(object) || seen.size() > 4096) return false;
  seen.insert(object);
  const QMetaObject* meta = object->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    if (!(p.metaType().flags() & QMetaType::PointerToQObject) || !p.isReadable()) continue;
    const QObject* value = p.read(object).value<QObject*>();
    if (!value) continue;
    const QString name = prefix + QString::fromLatin1(p.name());
    if (value == target) {
      path = name;
      return true;
    }
    if (value->inherits("TOWObject") || value->inherits("TLPComponent") || value->isWidgetType()) continue;
    if (FindPath(value, target, name + QStringLiteral("."), path, seen)) return true;
  }
  return false;
}

void MergePendingInto(TOWUnloadedPin* entry) {
  const QString names[] = {entry->GetName(true), entry->GetDisplayName(true)};
  for (;;) {
    TOWUnloadedPin* match = nullptr;
    {
      TOWPinRegistry& registry = OWPinRegistry();
      std::lock_guard<std::recursive_mutex> guard(registry.section);
      for (TOWUnloadedPin* p : registry.pending) {
        if (p == entry || p->OwnedByList()) continue;
        for (const QString& n : names)
          if (p->MatchesName(n)) match = p;
        if (match) break;
      }
    }
    if (!match) return;
    match->MergeInto(entry);
  }
}

}  // namespace

void InstallPinLinkStorage() {
  static const bool installed = [] {
    TOWBasicPin::SetDefinedPropertiesHooks(&ReadPinLink, &WritePinLinks);
    return true;
  }();
  (void)installed;
}

bool ReadPinLink(TOWBasicPin* pin, const QString& name, const TStoredValue& value) {
  if (!pin) return false;
  QObject* root = pin->GetRoot();
  auto rename = [pin](const QString& n) { return pin->ReplaceFormName(n); };
  if (name == QLatin1String("Form")) {
    if (value.kind != K::Identifier) Malformed(QStringLiteral("a form name expected"));
    pin->SetFormName(value.text);
    // The pin starts reading its links: placeholders waiting for it merge.
    pin->ResolvePlaceholders();
    return true;
  }
  if (name == QLatin1String("SourcePin")) {
    if (pin->GetKind() != pkSink) Malformed(QStringLiteral("only sink pins have a source"));
    pin->ResolvePlaceholders();
    ConnectSource(pin, value, root, rename);
    return true;
  }
  if (name == QLatin1String("SinkPins")) {
    if (pin->GetKind() != pkSource) Malformed(QStringLiteral("only source pins have sinks"));
    pin->ResolvePlaceholders();
    ConnectSinks(pin, value, root, rename);
    return true;
  }
  if (name == QLatin1String("State")) {
    pin->ResolvePlaceholders();
    ConnectState(pin, value, root, rename);
    return true;
  }
  if (name == QLatin1String("StateConverter")) {
    CheckStateConverter(value);
    return true;
  }
  return false;
}

void WritePinLinks(const TOWBasicPin* pin, QList<QPair<QString, TStoredValue>>& out) {
  if (!pin || qobject_cast<const TOWUnloadedPin*>(pin)) return;
  QList<QPair<QString, TStoredValue>> links;
  const bool stateLink = pin->Dispatcher() != nullptr;
  if (stateLink) {
    links.append({QStringLiteral("State"), StateValue(pin)});
  } else if (TOWBasicPin* source = SourceOf(pin)) {
    links.append({QStringLiteral("SourcePin"), SourceForm(pin, source)});
  } else if (auto* s = qobject_cast<const TOWSourcePin*>(pin); s && s->SinkCount() > 0) {
    links.append({QStringLiteral("SinkPins"), SinkList(s)});
  }
  if (links.isEmpty()) return;
  out.append({QStringLiteral("Form"), TStoredValue::Ident(pin->GetRootName())});
  out.append(links);
}

bool ReadPinListLink(TOWPinList* list, const QString& name, const TStoredValue& value, const QString& propertyPath) {
  if (!list) return false;
  QObject* owner = list->Owner();
  QObject* root = owner ? ComponentRoot(owner) : nullptr;
  {
    QMutexLocker guard(&ListsMutex());
    if (!LoadingLists().contains(list)) LoadingLists().append(list);
  }
  list->SetLoading(true);
  if (name == QLatin1String("Form")) {
    if (value.kind != K::Identifier) Malformed(QStringLiteral("a form name expected"));
    list->SetFormName(value.text);
    return true;
  }
  if (name == QLatin1String("PinsOwner")) {
    if (!value.IsIdent(QStringLiteral("True")) && !value.IsIdent(QStringLiteral("False")))
      Malformed(QStringLiteral("True or False expected"));
    return true;
  }
  if (name != QLatin1String("Pins")) return false;
  if (value.kind != K::List) Malformed(QStringLiteral("a list of pin links expected"));

  QString path = propertyPath;
  if (path.isEmpty()) {
    QSet<const QObject*> seen;
    FindPath(owner, list, QString(), path, seen);
  }
  // A list tests only that a name begins with the recorded form name.
  const QString recorded = list->FormName();
  const QString rootName = root ? root->objectName() : QString();
  auto rename = [recorded, rootName](const QString& n) {
    if (!recorded.isEmpty() && n.startsWith(recorded)) return rootName + n.mid(recorded.size());
    return n;
  };
  int entry = 0;
  for (int i = 0; i < value.items.size(); ++i, ++entry) {
    const TStoredValue& item = value.items[i];
    if (item.IsNil()) continue;
    QString marker;
    if (item.kind == K::Identifier &&
        (item.text == QLatin1String("Sinks") || item.text == QLatin1String("Sources") || item.text == QLatin1String("State"))) {
      marker = item.text;
      if (++i >= value.items.size()) Malformed(QStringLiteral("%1 without its list").arg(marker));
    }
    const TStoredValue& links = value.items[i];
    TOWBasicPin* pin = list->EnsureEntry(entry, path);
    if (!pin) Malformed(QStringLiteral("pin list entry %1 cannot be made").arg(entry));
    // A real entry takes over placeholders that stand for it; a list
    // placeholder does too, so that one placeholder holds every link to the
    // entry and the list's clean-up drops them all.
    if (auto* placeholder = qobject_cast<TOWUnloadedPin*>(pin)) MergePendingInto(placeholder);
    else pin->ResolvePlaceholders();
    if (marker.isEmpty()) ConnectSource(pin, links, root, rename);
    else if (marker == QLatin1String("Sinks")) ConnectSinks(pin, links, root, rename);
    else if (marker == QLatin1String("Sources")) ConnectSources(pin, links, root, rename);
    else ConnectState(pin, links, root, rename);
  }
  return true;
}

void WritePinListLinks(TOWPinList* list, QList<QPair<QString, TStoredValue>>& out) {
  if (!list) return;
  QObject* owner = list->Owner();
  QObject* root = owner ? ComponentRoot(owner) : nullptr;
  out.append({QStringLiteral("Form"), TStoredValue::Ident(root ? root->objectName() : QString())});
  QList<TStoredValue> items;
  bool any = false;
  const int count = list->Count();
  for (int i = 0; i < count; ++i) {
    TOWBasicPin* pin = list->GetPin(i);
    if (!pin) {
      items.append(TStoredValue::Ident(QStringLiteral("nil")));
      continue;
    }
    if (pin->Dispatcher()) {
      items.append(TStoredValue::Ident(QStringLiteral("State")));
      items.append(StateValue(pin));
      any = true;
    } else if (TOWBasicPin* source = SourceOf(pin)) {
      items.append(SourceForm(pin, source));
      any = true;
    } else if (auto* s = qobject_cast<const TOWSourcePin*>(pin); s && s->SinkCount() > 0) {
      items.append(TStoredValue::Ident(QStringLiteral("Sinks")));
      items.append(SinkList(s));
      any = true;
    } else {
      items.append(TStoredValue::Ident(QStringLiteral("nil")));
    }
  }
  if (any) out.append({QStringLiteral("Pins"), TStoredValue::ListOf(items)});
}

void FinishPinListLoading() {
  QList<QPointer<TOWPinList>> lists;
  {
    QMutexLocker guard(&ListsMutex());
    lists.swap(LoadingLists());
  }
  for (const QPointer<TOWPinList>& list : lists) {
    if (!list) continue;
    list->SetLoading(false);
    list->CleanUpPlaceholders();
  }
}
