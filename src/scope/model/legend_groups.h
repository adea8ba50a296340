#pragma once
// The legend's view of one group: its settings, the collection it lists,
// the highlighting entry of that kind (none for custom groups) and the
// property dialog page that opens for its entries (-1: none). Shared by the legend's painting and
// pointer handling.

#include <QList>

#include "scope/data_chart.h"

struct TSLScopeLegendView::TGroupRef {
  TSLLegendGroup* group;
  TOWExtCollection* collection;
  TSLDisplayItemHighlighting* highlighting;
  int page;

  // A group takes room only when it is visible and has items.
  bool Counts() const { return group->Visible() && collection->Count() > 0; }
  // Items whose own visibility test passes (hidden ones are not listed).
  QList<int> Listed() const {
    QList<int> out;
    for (int i = 0; i < collection->Count(); ++i) {
      const QVariant visible = collection->Item(i)->property("Visible");
      if (!visible.isValid() || visible.toBool()) out.append(i);
    }
    return out;
  }
  QString Name(int i) const { return collection->Item(i)->property("Name").toString(); }
};
