#include "scope/axes/legend_custom_groups.h"

#include "scope/data_display.h"

namespace {
// Entries and groups added or removed change the legend's size.
void WatchLayout(TSLDisplayCollection* collection, TSLDataDisplay* display) {
  if (!display) return;
  QObject::connect(collection, &TOWExtCollection::Changed, display, [display] {
    display->InvalidateStatic();
    display->LayoutChanged();
  });
}
}  // namespace

TSLLegendCustomItem::TSLLegendCustomItem(TOWExtCollection* collection)
    : TSLDisplayCollectionItem(collection), Brush_(MakeBrush(QColor(Qt::red))), Pen_(MakePen(QColor(Qt::red))) {}

TSLLegendCustomItems::TSLLegendCustomItems(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLLegendCustomItem(c); }) {
  WatchLayout(this, display);
}

TSLLegendGroupItem::TSLLegendGroupItem(TOWExtCollection* collection)
    : TSLDisplayCollectionItem(collection),
      LegendGroup_(new TSLLegendGroup(this, Display(), QString())),
      items_(new TSLLegendCustomItems(this, Display())) {}

TSLLegendGroupCollection::TSLLegendGroupCollection(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLLegendGroupItem(c); }) {
  WatchLayout(this, display);
}
