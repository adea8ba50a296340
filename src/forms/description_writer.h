#pragma once
// Writing a component tree back as a window description.
//
// Written per object: its published properties (Q_PROPERTYs whose name
// starts with an upper-case letter, readable, writable and STORED) that
// differ from a fresh instance of the class (made through TClassRegistry,
// else through a Q_INVOKABLE constructor, else every such property is
// written), in declaration order, sub-objects as dotted paths at their
// property's place; then the bound events; then the stored extra properties
// of the IDefinedProperties hook. Children: the QObject children that are
// components (registered class and non-empty objectName), widgets nested
// under their parent widget.

#include <QString>

class QObject;

QString WriteDescription(const QObject* root);
