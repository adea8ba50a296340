#pragma once
// Class registry of window descriptions: maps the class name written in
// `object Name: TClass` to a factory that creates an instance.
//
// Conventions for factories (the description reader relies on them):
// - A factory receives the owner, which for every component declared in a
//   form is the root form object. A non-widget component takes the owner as
//   its QObject parent. A widget may be created without a parent: the reader
//   afterwards places it in the enclosing widget of the description (the
//   nearest enclosing `object` block that is a QWidget, else the root). If the
//   enclosing object declares `Q_INVOKABLE void InsertControl(QWidget*)`, the
//   reader calls that instead of QWidget::setParent (page controls, tabs).
// - A factory called with a null owner must still work: the writer creates
//   a throw-away instance of each class it writes to learn its defaults.
// - Class names are compared exactly (case-sensitive), as moc spells them
//   but without C++ namespaces (a class formtest::TPanel is "TPanel").

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QReadWriteLock>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <type_traits>

using TComponentFactory = std::function<QObject*(QObject* owner)>;

// The class name used in descriptions: moc's name without namespaces.
QString PlainClassName(const QMetaObject* meta);

class TClassRegistry {
public:
  // The process-wide registry used by the description reader and writer.
  static TClassRegistry& Instance();

  // Registers (or replaces) the factory for `className`.
  void Register(const QString& className, TComponentFactory factory);
  // Registers T under its moc class name; T needs a constructor T(QObject*)
  // or, for widgets, T(QWidget*) (the owner is then passed only when it is a
  // widget; the reader sets the visual parent afterwards anyway).
  template <class T>
  void Register() {
    Register(PlainClassName(&T::staticMetaObject), [](QObject* owner) -> QObject* {
      if constexpr (std::is_constructible_v<T, QObject*>) {
        return new T(owner);
      } else {
        return new T(qobject_cast<QWidget*>(owner));
      }
    });
  }
  void Unregister(const QString& className);

  bool Contains(const QString& className) const;
  // The factory, or an empty function when the class is not registered.
  TComponentFactory Find(const QString& className) const;
  // Creates an instance; nullptr when the class is not registered or the
  // factory gave nothing.
  QObject* Create(const QString& className, QObject* owner) const;
  QStringList ClassNames() const;

private:
  mutable QReadWriteLock lock_;
  QHash<QString, TComponentFactory> factories_;
};

// Shorthand: TRegisterClass<TMyButton>() in a start-up function.
template <class T>
void TRegisterClass() {
  TClassRegistry::Instance().Register<T>();
}
