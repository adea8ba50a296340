#pragma once
// Application-defined legend groups (the legend's CustomGroups): each has
// its group settings and its own entries with a name, a tag, a brush and a
// pen. They are listed after the scope's own groups; a click on one of
// their entries raises the group's OnItemClick and nothing else.

#include "scope/model/display_collections.h"
#include "scope/axes/views.h"

class TSLLegendCustomItem : public TSLDisplayCollectionItem {
  Q_OBJECT
  TLP_SUBOBJECT(TSLDisplayBrush, Brush)
  TLP_SUBOBJECT(TSLDisplayPen, Pen)
public:
  explicit TSLLegendCustomItem(TOWExtCollection* collection);
};

class TSLLegendCustomItems : public TSLDisplayCollection {
  Q_OBJECT
public:
  TSLLegendCustomItems(QObject* owner, TSLDataDisplay* display);
  TSLLegendCustomItem* Entry(int i) const { return static_cast<TSLLegendCustomItem*>(Item(i)); }
};

class TSLLegendGroupItem : public TSLDisplayCollectionItem {
  Q_OBJECT
  TLP_SUBOBJECT(TSLLegendGroup, LegendGroup)
  Q_PROPERTY(TSLLegendCustomItems* Items READ Items)
public:
  explicit TSLLegendGroupItem(TOWExtCollection* collection);
  TSLLegendCustomItems* Items() const { return items_; }

private:
  TSLLegendCustomItems* items_ = nullptr;
};

class TSLLegendGroupCollection : public TSLDisplayCollection {
  Q_OBJECT
public:
  TSLLegendGroupCollection(QObject* owner, TSLDataDisplay* display);
  TSLLegendGroupItem* Group(int i) const { return static_cast<TSLLegendGroupItem*>(Item(i)); }
};
