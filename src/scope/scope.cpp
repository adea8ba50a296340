#include "scope/scope.h"

#include <QPainter>

#include "pins/pin_list.h"
#include "scope/axes/additional_axes.h"

TSLScope::TSLScope(QWidget* parent) : TSLDataChart(parent) {
  channels_ = new TSLScopeChannels(this, this);
  channelLinks_ = new TSLDisplayChannelLinks(this, this);
  cursors_ = new TSLDisplayCursors(this, this);
  zones_ = new TSLDisplayZones(this, this);
  ellipses_ = new TSLDisplayEllipticZones(this, this);
  cursorLinks_ = new TSLDisplayCursorLinks(this, this);
  markerGroups_ = new TSLScopeMarkerGroups(this, this);
  labels_ = new TSLDisplayTextLabels(this, this);
  legend_ = new TSLScopeLegendView(this, this);
  xAxis_ = new TSLScopeXAxis(this, this);
  yAxis_ = new TSLScopeYAxis(this, this);
  dataView_ = new TSLScopeDataView(this, this);
  WatchAdditionalAxes();
  // The channels own their pins; the lists only name them.
  inputPins_ = new TOWPinList(this, false, Lock());
  xInputPins_ = new TOWPinList(this, false, Lock());
  channels_->Add();
  for (TOWExtCollection* c : std::initializer_list<TOWExtCollection*>{channels_, channelLinks_, cursors_, zones_,
                                                                       ellipses_, cursorLinks_, markerGroups_, labels_})
    connect(c, &TOWExtCollection::Changed, this, [this] {
      InvalidateStatic();
      LayoutChanged();
    });
  connect(cursors_, &TOWExtCollection::Changed, this, [this] { CursorsChanged(); });
  connect(cursorLinks_, &TOWExtCollection::Changed, this, [this] { CursorLinksChanged(); });
}

namespace {
// The index an item was removed from, seen by comparing the collection with
// its last snapshot (-1 when none was removed); the snapshot is renewed.
int RemovedIndex(QVector<const QObject*>& snapshot, const TOWExtCollection* c) {
  int removed = -1;
  if (c->Count() == snapshot.size() - 1)
    for (int k = 0; k < snapshot.size(); ++k)
      if (k >= c->Count() || c->Item(k) != snapshot[k]) {
        removed = k;
        break;
      }
  snapshot.clear();
  for (int k = 0; k < c->Count(); ++k) snapshot.append(c->Item(k));
  return removed;
}

// A dragged item's index after item `removed` left its list.
void FollowRemoval(int& dragged, int removed, int count) {
  if (removed >= 0 && dragged == removed) dragged = -1;
  else if (removed >= 0 && dragged > removed) --dragged;
  if (dragged >= count) dragged = -1;
}
}  // namespace

void TSLScope::CursorsChanged() {
  // A cursor gone from the list: the links and the pointer state that
  // refer to cursors by index follow.
  const int count = cursors_->Count();
  const int removed = RemovedIndex(cursorSnapshot_, cursors_);
  if (removed >= 0)
    for (int l = 0; l < cursorLinks_->Count(); ++l) cursorLinks_->Link(l)->CursorRemoved(removed, count + 1);
  FollowRemoval(draggedCursor_, removed, count);
}

void TSLScope::ForEachAxesItem(const std::function<void(TSLOptionalAxesDisplayCollectionItem*)>& visit) const {
  for (const TOWExtCollection* c : std::initializer_list<const TOWExtCollection*>{channels_, cursors_, zones_, ellipses_,
                                                                                  labels_})
    if (c)
      for (int i = 0; i < c->Count(); ++i)
        if (auto* item = qobject_cast<TSLOptionalAxesDisplayCollectionItem*>(c->Item(i))) visit(item);
}

void TSLScope::AdditionalAxisRemoved(bool x, int index) {
  ForEachAxesItem([x, index](TSLOptionalAxesDisplayCollectionItem* item) { item->AxisRemoved(x, index + 1); });
  // The auto-scaling history of the axes left stays theirs; the traces
  // drawn against the removed one are drawn afresh on the main axis.
  ResetTraceCaches();
}

void TSLScope::CursorLinksChanged() {
  FollowRemoval(draggedLink_, RemovedIndex(linkSnapshot_, cursorLinks_), cursorLinks_->Count());
}

TSLScope::~TSLScope() {
  BeginDestroy();
  // The collections go while the scope is whole: their change signals must
  // not reach a scope that is half destroyed.
  const std::initializer_list<TOWExtCollection*> collections{channelLinks_, cursors_, zones_, ellipses_,
                                                             cursorLinks_, markerGroups_, labels_};
  for (TOWExtCollection* c : collections) disconnect(c, nullptr, this, nullptr);
  disconnect(channels_, nullptr, this, nullptr);
  {
    // No data callback runs while the channels and their pins go.
    TRef<IOWLockSection> stop = Lock()->EnterStop();
    for (int i = 0; i < channels_->Count(); ++i) {
      channels_->Channel(i)->InputPin()->Disconnect();
      channels_->Channel(i)->XInputPin()->Disconnect();
    }
    delete channels_;
    channels_ = nullptr;
  }
  for (TOWExtCollection* c : collections) delete c;
  cursorLinks_ = nullptr;
  cursors_ = nullptr;
  channelLinks_ = nullptr;
  zones_ = nullptr;
  ellipses_ = nullptr;
  markerGroups_ = nullptr;
  labels_ = nullptr;
  delete inputPins_;
  inputPins_ = nullptr;
  delete xInputPins_;
  xInputPins_ = nullptr;
}

bool TSLScope::Vertical() const { return Lock()->ReadGuarded(vertical_); }

void TSLScope::SetVertical(bool v) {
  Lock()->SetIfChanged(vertical_, v, [this] {
    InvalidateStatic();
    LayoutChanged();
  });
}

void TSLScope::SetSizeLimit(int limit) {
  limit = qMax(0, limit);
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (sizeLimit_.exchange(limit) == limit) return;
  if (limit > 0 && channels_) {
    std::lock_guard<std::mutex> data(dataLock_);
    for (int i = 0; i < channels_->Count(); ++i) channels_->Channel(i)->ShrinkTo(limit);
  }
}

void TSLScope::LayoutChanged() {
  if (channelDraw_) return;
  TSLDataChart::LayoutChanged();
}

void TSLScope::ChannelCreated(TSLScopeChannel* channel) {
  QList<QColor> used;
  for (int i = 0; i < channels_->Count(); ++i)
    if (channels_->Channel(i) != channel) used.append(channels_->Channel(i)->Color());
  channel->SetColor(SLLeastUsedColor(used));
  const QString name = QStringLiteral("Channel%1").arg(inputPins_->Count());
  channel->SetName(name);
  inputPins_->AddNamed(channel->InputPin(), name);
  xInputPins_->AddNamed(channel->XInputPin(), name);
  LayoutChanged();
}

void TSLScope::ChannelDestroyed(TSLScopeChannel* channel) {
  if (inputPins_) inputPins_->Remove(channel->InputPin());
  if (xInputPins_) xInputPins_->Remove(channel->XInputPin());
  MarkLayoutChanged();
}

void TSLScope::ChannelRenamed(TSLScopeChannel* channel) {
  const QString name = channel->Name();
  if (inputPins_) {
    const int i = inputPins_->IndexOf(channel->InputPin());
    if (i >= 0) inputPins_->SetPinName(i, name);
  }
  if (xInputPins_) {
    const int i = xInputPins_->IndexOf(channel->XInputPin());
    if (i >= 0) xInputPins_->SetPinName(i, name);
  }
}

void TSLScope::RefreshConnectionFlags() {
  for (int i = 0; i < channels_->Count(); ++i) channels_->Channel(i)->RefreshConnectionFlags();
}

bool TSLScope::AllReady(TSLScopeChannel* self, int32_t n, double rate) {
  for (int i = 0; i < channels_->Count(); ++i) {
    TSLScopeChannel* other = channels_->Channel(i);
    if (other != self && !self->ReadyFor(other, n, rate)) return false;
  }
  for (int i = 0; i < channels_->Count(); ++i) {
    TSLScopeChannel* other = channels_->Channel(i);
    if (other == self || !other->Visible() || !other->InputPin()->IsConnected()) continue;
    TSLOWQueuedPinImpl& queue = other->InputPin()->Queued();
    if (!queue.Ignored() && queue.Queue().HeadCount() > 0) other->DrainOne();
  }
  return true;
}

bool TSLScope::PublishPendingData() {
  // A zoom frame being drawn keeps the traces under it still.
  if (Hold() || (viewDrag_ && NavigateMode() == SL::nmZoom && Zooming()->MouseZoom())) return false;
  bool published = false;
  {
    std::lock_guard<std::mutex> data(dataLock_);
    for (int i = 0; i < channels_->Count(); ++i) {
      TSLScopeChannel* channel = channels_->Channel(i);
      if (!channel->IsPending()) continue;
      LayoutChanged();
      channel->Publish();
      if (TSLDisplayAxis* x = XAxisAt(channel->XAxisIndex())) x->DataChanged();
      if (TSLDisplayAxis* y = YAxisAt(channel->YAxisIndex())) y->DataChanged();
      published = true;
    }
  }
  if (published) {
    for (TSLDisplayAxis* axis : Axes()) {
      axis->ForgetRanges();
      if (auto* y = qobject_cast<TSLBasicScopeYAxis*>(axis)) y->RecordHistory();
    }
  }
  return layoutStale_.load();
}

void TSLScope::ResetAutoScaling() {
  for (TSLDisplayAxis* axis : Axes())
    if (auto* y = qobject_cast<TSLBasicScopeYAxis*>(axis)) y->ResetHistory();
  Changed();
}

QString TSLScope::HitPointText(double x, double y) {
  QString text = FormatPointText(Highlighting()->MouseHitPoint()->PointLabel()->Text(), QStringLiteral("%X : %Y"), x, y);
  emit OnCustomMouseHitLabel(this, x, y, text);
  return text;
}

void TSLScope::AfterLoaded() {
  LayoutChanged();
  if (yAxis_->Min()->Value() == yAxis_->Max()->Value()) yAxis_->Min()->SetValue(-yAxis_->Min()->Value());
  for (int i = 0; i < cursorLinks_->Count(); ++i) cursorLinks_->Link(i)->ResolveStoredIndices();
  ForEachAxesItem([](TSLOptionalAxesDisplayCollectionItem* item) { item->ResolveAxisIndices(); });
}

void TSLScope::PaintBackBuffer(TLPCanvas& canvas) { PaintAll(canvas, false); }

void TSLScope::ClearData() {
  {
    std::lock_guard<std::mutex> data(dataLock_);
    for (int i = 0; i < channels_->Count(); ++i) channels_->Channel(i)->ClearData();
  }
  for (TSLDisplayAxis* axis : Axes()) axis->ForgetRanges();
  LayoutChanged();
}

void TSLScope::ResetTraceCaches() {
  for (int i = 0; i < channels_->Count(); ++i) channels_->Channel(i)->ResetTraceCache();
}
