#include "scope/scope_channel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QMetaMethod>
#include <QPaintEngine>
#include <QPainter>

#include <functional>

#include "buffers/kernels.h"
#include "buffers/simple_data_buffer.h"
#include "draw/canvas.h"
#include "pins/operations.h"
#include "scope/scope.h"

namespace {

TRef<ISLRealBuffer> NewReals(int32_t count = 0) { return TRef<ISLRealBuffer>(new TSLRealBuffer(count)); }

// A real view of a supplied buffer: reals as they are, integers converted.
TRef<ISLRealBuffer> AsReals(ISLDataBuffer* buffer) {
  if (auto reals = QueryInterface<ISLRealBuffer>(buffer)) return reals;
  if (auto ints = QueryInterface<ISLIntegerBuffer>(buffer)) {
    const int32_t n = ints->GetCount();
    TRef<ISLRealBuffer> out = NewReals(n);
    if (n > 0) Kernels().ippsConvert_32s64f(ints->ReadIntegers(), out->WriteReals(), n);
    return out;
  }
  return {};
}

}  // namespace

TSLScopePoints::TSLScopePoints(QObject* owner, TSLDataDisplay* display)
    : TSLDisplayPersistent(owner, display), Brush_(MakeBrush(QColor(Qt::red))), Pen_(MakePen(QColor(Qt::red))) {}

// ---------------------------------------------------------------------------

TSLDisplayChannel::TSLDisplayChannel(TOWExtCollection* collection) : TSLOptionalAxesDisplayCollectionItem(collection) {}

void TSLDisplayChannel::SetWidth(int width) {
  Lock()->SetIfChanged(width_, std::clamp(width, 1, 2000), [this] { ItemChanged(); });
}

// ---------------------------------------------------------------------------

TSLScopeChannel::TSLScopeChannel(TOWExtCollection* collection)
    : TSLDisplayChannel(collection), recvY_(NewReals()), recvX_(NewReals()), dispY_(NewReals()), dispX_(NewReals()) {
  TSLScope* scope = Scope();
  Points_ = new TSLScopePoints(this, Display());
  markers_ = new TLPCollection(this, [](TOWExtCollection* c) { return new TSLScopeChannelMarker(c); });
  inputPin_ = new TSLOWComboRealIntComplexPairedQueuedSinkPin(
      scope, nullptr, nullptr,
      [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveInput(op); }, Lock());
  xInputPin_ = new TSLOWQueuedIntegerRealSinkPin(
      scope, nullptr, nullptr,
      [this](TSLOWSinkPin*, const TGUID&, uint8_t, IOWNotifyOperation* op) { return ReceiveXInput(op); }, Lock());
  inputPin_->SetIgnoreUpstream(true);
  xInputPin_->SetIgnoreUpstream(true);
  if (scope) scope->ChannelCreated(this);
}

TSLScopeChannel::~TSLScopeChannel() {
  TSLScope* scope = Scope();
  inputPin_->Disconnect();
  xInputPin_->Disconnect();
  if (scope) scope->ChannelDestroyed(this);
  delete inputPin_;
  delete xInputPin_;
}

TSLScope* TSLScopeChannel::Scope() const { return qobject_cast<TSLScope*>(Display()); }

void TSLScopeChannel::NameChanged() {
  if (TSLScope* scope = Scope()) scope->ChannelRenamed(this);
  ItemLayoutChanged();
}

int TSLScopeChannel::DisplayCount() const { return dispY_ ? dispY_->GetCount() : 0; }

bool TSLScopeChannel::IsPending() const {
  std::lock_guard<std::mutex> lock(receiveSection_);
  return pending_;
}

double TSLScopeChannel::SampleRate() const {
  std::lock_guard<std::mutex> lock(receiveSection_);
  return rate_;
}

bool TSLScopeChannel::IsPaired() const {
  std::lock_guard<std::mutex> lock(receiveSection_);
  return paired_;
}

// --- data thread -------------------------------------------------------------

bool TSLScopeChannel::ReceiveInput(IOWNotifyOperation* op) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return false;  // the scope is being destroyed
  TSLScope* scope = Scope();
  if (!scope) return false;
  TSLOWQueuedPinImpl& queue = inputPin_->Queued();
  if (OperationAs<TOWStartOperation>(op)) {
    queue.SetIgnored(false);
    scope->ResetAutoScaling();
    double rate = 10000.0;
    if (const auto* exact = OperationAs<TOWStartSampleRateOperation>(op); exact && exact->SampleRate() > 0)
      rate = exact->SampleRate();
    else if (const auto* withRate = OperationAs<TOWStartRateOperation>(op); withRate && withRate->Rate() > 0)
      rate = withRate->Rate();
    {
      std::lock_guard<std::mutex> lock(receiveSection_);
      rate_ = rate;
      recvY_ = NewReals();
      recvX_ = NewReals();
      recvUniformX_ = true;
    }
    // Ask every input for its stream, so channels fed by one source learn
    // which of them will deliver.
    for (int i = 0; i < scope->InputPins()->Count(); ++i) {
      if (TOWBasicPin* pin = scope->InputPins()->GetPin(i); pin && pin->IsConnected())
        pin->Notify(MakeOperation<TOWQueryStreamOperation>().get());
    }
    xInputPin_->Queued().SetIgnored(false);
    if (xInputPin_->IsConnected()) xInputPin_->Notify(MakeOperation<TOWQueryStreamOperation>().get());
    {
      std::lock_guard<std::mutex> lock(receiveSection_);
      paired_ = xInputPin_->IsConnected() && !xInputPin_->Queued().Ignored();
      pending_ = true;
    }
    scope->XAxis()->ResetRateScale();
    return false;
  }
  if (OperationAs<TOWStopOperation>(op)) {
    queue.SetIgnored(true);
    queue.ForgetRate();
    scope->ResetAutoScaling();
    return false;
  }
  if (auto* supplied = OperationAs<TOWSuppliedBufferOperation>(op)) {
    ISLData* data = supplied->Buffer();
    if (!data) return false;
    if (auto complex = QueryInterface<ISLComplexBuffer>(data)) {
      const int32_t n = complex->GetCount();
      TRef<ISLRealBuffer> x = NewReals(n), y = NewReals(n);
      if (n > 0) {
        const TSLComplex* c = complex->ReadComplex();
        double* xs = x->WriteReals();
        double* ys = y->WriteReals();
        for (int32_t i = 0; i < n; ++i) {
          xs[i] = c[i].re;
          ys[i] = c[i].im;
        }
      }
      std::lock_guard<std::mutex> dataLock(scope->DataLock());
      TakePair(x, y);
      return false;
    }
    auto buffer = QueryInterface<ISLDataBuffer>(data);
    if (!buffer) return false;
    if (IsPaired()) {
      queue.QueueBuffer(buffer);
      std::lock_guard<std::mutex> dataLock(scope->DataLock());
      {
        std::lock_guard<std::mutex> lock(receiveSection_);
        xInputConnected_ = xInputPin_->IsConnected();
        queuedOnInput_ = true;
      }
      TryPair();
      return false;
    }
    Arrival(buffer);
    return false;
  }
  if (auto* single = OperationAs<TOWSuppliedSingleOperation>(op)) {
    AppendSingle(single->Value());
    return false;
  }
  if (auto* real = OperationAs<TOWSuppliedRealOperation>(op)) {
    AppendSingle(real->Value());
    return false;
  }
  if (OperationAs<TOWIgnoreStreamOperation>(op)) queue.SetIgnored(true);
  return false;
}

bool TSLScopeChannel::ReceiveXInput(IOWNotifyOperation* op) {
  TRef<IOWLockSection> guard = Lock()->EnterWrite();
  if (!guard) return false;
  TSLOWQueuedPinImpl& queue = xInputPin_->Queued();
  if (auto* start = OperationAs<TOWStartRateOperation>(op)) {
    queue.SetIgnored(false);
    queue.SetRate(start->Rate());
  } else if (OperationAs<TOWStopOperation>(op)) {
    queue.SetIgnored(true);
    queue.ForgetRate();
  } else if (OperationAs<TOWIgnoreStreamOperation>(op)) {
    queue.SetIgnored(true);
  } else if (auto* supplied = OperationAs<TOWSuppliedBufferOperation>(op)) {
    if (auto buffer = QueryInterface<ISLDataBuffer>(supplied->Buffer())) queue.QueueBuffer(buffer);
  }
  return false;
}

void TSLScopeChannel::RefreshConnectionFlags() {
  const bool in = inputPin_->IsConnected();
  const bool xin = xInputPin_->IsConnected();
  std::lock_guard<std::mutex> lock(receiveSection_);
  inputConnected_ = in;
  xInputConnected_ = xin;
}

bool TSLScopeChannel::ReadyFor(TSLScopeChannel* b, int32_t n, double rate) {
  bool connected, xConnected;
  double bRate;
  {
    std::lock_guard<std::mutex> lock(b->receiveSection_);
    connected = b->inputConnected_;
    xConnected = b->xInputConnected_;
    bRate = b->rate_;
  }
  TSLOWQueuedPinImpl& queue = b->inputPin_->Queued();
  if (!b->Visible() || !connected || queue.Ignored()) return true;
  const int32_t head = queue.Queue().HeadCount();
  if (rate != bRate || (head != 0 && head != n)) return true;
  if (n > rate * queue.CollectedSamples() / bRate) return false;
  TSLOWQueuedPinImpl& xQueue = b->xInputPin_->Queued();
  if (!xConnected || xQueue.Ignored()) return true;
  const double xRate = xQueue.Rate();
  if (xRate <= 0) return true;
  return n <= rate * xQueue.CollectedSamples() / xRate;
}

void TSLScopeChannel::Arrival(const TRef<ISLDataBuffer>& buffer) {
  TSLScope* scope = Scope();
  scope->RefreshConnectionFlags();
  std::lock_guard<std::mutex> dataLock(scope->DataLock());
  TSLBufferQueue& queue = inputPin_->Queued().Queue();
  const double rate = SampleRate();
  int32_t b = queue.HeadCount();
  if (b > 0) {
    // Older data still wait for the other channels: the newer block goes.
    while (b > 0 && scope->AllReady(this, b, rate)) {
      TRef<ISLDataBuffer> head;
      if (!queue.Pop(head)) break;
      TakeBuffer(head);
      b = queue.HeadCount();
    }
    return;
  }
  if (scope->AllReady(this, buffer->GetCount(), rate)) TakeBuffer(buffer);
  else queue.Push(buffer);
}

void TSLScopeChannel::DrainOne() {
  if (IsPaired()) {
    TryPair();
    return;
  }
  TRef<ISLDataBuffer> head;
  if (inputPin_->Queued().Queue().Pop(head)) TakeBuffer(head);
}

bool TSLScopeChannel::TryPair() {
  TSLOWQueuedPinImpl& yQueue = inputPin_->Queued();
  TSLOWQueuedPinImpl& xQueue = xInputPin_->Queued();
  const int32_t n = yQueue.Queue().HeadCount();
  const double q = xQueue.Rate();
  const double r = SampleRate();
  if (n <= 0 || q <= 0 || r <= 0) return false;
  const double needed = n * q / r;
  if (xQueue.CollectedSamples() < needed) return false;
  xQueue.SetRequestedCount(int32_t(std::lround(needed)));
  TRef<ISLDataBuffer> head;
  if (!yQueue.Queue().Pop(head)) return false;
  TRef<ISLRealBuffer> y = AsReals(head.get());
  TRef<ISLRealBuffer> x = xInputPin_->TakeSamples(n);
  if (!y || !x) return false;
  TakePair(x, y);
  return true;
}

void TSLScopeChannel::TakePair(const TRef<ISLRealBuffer>& x, const TRef<ISLRealBuffer>& y) {
  const int32_t limit = Scope()->SizeLimit();
  std::lock_guard<std::mutex> lock(receiveSection_);
  const int32_t m = std::min(x->GetCount(), y->GetCount());
  if (limit > 0) {
    AppendSamples(y->ReadReals(), m, x->ReadReals());
  } else {
    recvY_->Assign(y.get());
    recvX_->Assign(x.get());
    if (recvY_->GetCount() > m) recvY_->SetCount(m);
    if (recvX_->GetCount() > m) recvX_->SetCount(m);
  }
  recvUniformX_ = false;
  pending_ = true;
}

void TSLScopeChannel::TakeBuffer(const TRef<ISLDataBuffer>& buffer) {
  TRef<ISLRealBuffer> reals = AsReals(buffer.get());
  if (!reals) return;
  std::lock_guard<std::mutex> lock(receiveSection_);
  TakeReals(reals);
  RebuildUniformX();
  pending_ = true;
}

void TSLScopeChannel::TakeReals(const TRef<ISLRealBuffer>& reals) {
  const int32_t limit = Scope()->SizeLimit();
  const int32_t count = reals->GetCount();
  if (limit > 0 && count > limit) {
    TRef<ISLRealBuffer> last = NewReals(limit);
    Kernels().ippsCopy_64f(reals->ReadReals() + (count - limit), last->WriteReals(), limit);
    recvY_ = last;
  } else if (limit > 0 && count < limit) {
    AppendSamples(reals->ReadReals(), count, nullptr);
  } else {
    // No copy: the receive buffer shares the upstream block.
    recvY_->Assign(reals.get());
  }
}

void TSLScopeChannel::AppendSamples(const double* values, int32_t k, const double* xValues) {
  const int32_t limit = Scope()->SizeLimit();
  if (limit > 0 && k > limit) {
    values += k - limit;
    if (xValues) xValues += k - limit;
    k = limit;
  }
  const int32_t old = recvY_->GetCount();
  const int32_t total = limit > 0 ? std::min(limit, old + k) : old + k;
  const int32_t keep = total - k;
  TRef<ISLRealBuffer> y = NewReals(total);
  TRef<ISLRealBuffer> x = xValues ? NewReals(total) : TRef<ISLRealBuffer>();
  if (keep > 0) {
    Kernels().ippsCopy_64f(recvY_->ReadReals() + (old - keep), y->WriteReals(), keep);
    if (x && recvX_->GetCount() >= old) Kernels().ippsCopy_64f(recvX_->ReadReals() + (old - keep), x->WriteReals(), keep);
  }
  if (k > 0) {
    Kernels().ippsCopy_64f(values, y->WriteReals() + keep, k);
    if (x) Kernels().ippsCopy_64f(xValues, x->WriteReals() + keep, k);
  }
  recvY_ = y;
  if (x) recvX_ = x;
  pending_ = true;
  if (TSLScope* scope = Scope()) scope->MarkLayoutChanged();
}

void TSLScopeChannel::RebuildUniformX() {
  const int32_t count = recvY_->GetCount();
  if (recvUniformX_ && recvX_->GetCount() == count) return;  // already 0, 1, ..., count - 1
  TRef<ISLRealBuffer> x = NewReals(count);
  double* xs = count > 0 ? x->WriteReals() : nullptr;
  for (int32_t i = 0; i < count; ++i) xs[i] = i;
  recvX_ = x;
  recvUniformX_ = true;
}

void TSLScopeChannel::AppendSingle(double value) {
  const int32_t limit = Scope()->SizeLimit();
  std::lock_guard<std::mutex> lock(receiveSection_);
  const int32_t old = recvY_->GetCount();
  const double lastX = old > 0 && recvX_->GetCount() >= old ? recvX_->GetValue(old - 1) : -1.0;
  const bool drop = limit > 0 && old >= limit;
  const int32_t total = drop ? limit : old + 1;
  const int32_t from = old - (total - 1);
  TRef<ISLRealBuffer> y = NewReals(total), x = NewReals(total);
  if (total > 1) {
    Kernels().ippsCopy_64f(recvY_->ReadReals() + from, y->WriteReals(), total - 1);
    if (recvX_->GetCount() >= old) Kernels().ippsCopy_64f(recvX_->ReadReals() + from, x->WriteReals(), total - 1);
  }
  y->SetValue(total - 1, value);
  x->SetValue(total - 1, lastX + 1.0);
  recvY_ = y;
  recvX_ = x;
  recvUniformX_ = false;
  pending_ = true;
  Scope()->MarkLayoutChanged();
}

// --- window thread -------------------------------------------------------------

bool TSLScopeChannel::Publish() {
  std::lock_guard<std::mutex> receive(receiveSection_);
  if (!pending_) return false;
  {
    std::lock_guard<std::mutex> display(displaySection_);
    dispY_ = NewReals();
    dispY_->Assign(recvY_.get());
    dispX_ = NewReals();
    dispX_->Assign(recvX_.get());
    dispUniformX_ = recvUniformX_;
    wasChanged_ = true;
  }
  pending_ = false;
  return true;
}

void TSLScopeChannel::ClearData() {
  std::lock_guard<std::mutex> receive(receiveSection_);
  recvY_ = NewReals();
  recvX_ = NewReals();
  recvUniformX_ = true;
  pending_ = false;
  std::lock_guard<std::mutex> display(displaySection_);
  dispY_ = NewReals();
  dispX_ = NewReals();
  dispUniformX_ = true;
  wasChanged_ = false;
  trace_.Clear();
}

void TSLScopeChannel::ShrinkTo(int32_t limit) {
  std::lock_guard<std::mutex> receive(receiveSection_);
  if (recvY_->GetCount() <= limit) return;
  recvY_->SetCount(limit);
  if (recvX_->GetCount() > limit) recvX_->SetCount(limit);
}

void TSLScopeChannel::PrepareTrace() {
  TSLScope* scope = Scope();
  if (!scope || !Visible() || DisplayCount() == 0) {
    trace_.Clear();
    return;
  }
  if (isSignalConnected(QMetaMethod::fromSignal(&TSLScopeChannel::OnChannelDraw))) {
    scope->BeginChannelDraw();
    RunEventHandler([&] {
      emit OnChannelDraw(scope, Index(), dispY_->ReadReals(), dispY_->GetCount(), wasChanged_);
    });
    scope->EndChannelDraw();
  }
  trace_.Prepare(dispY_, dispX_, dispUniformX_, wasChanged_, scope->XAxisAt(XAxisIndex()), scope->YAxisAt(YAxisIndex()),
                 scope->DataViewRect(), scope->IsVertical());
  wasChanged_ = false;
}

void TSLScopeChannel::DrawTrace(TLPCanvas& canvas, bool highlight) {
  const QVector<QPoint>& points = trace_.Points();
  if (points.isEmpty() || !Visible()) return;
  QPainter* painter = canvas.Painter();
  if (!painter) return;
  const QColor color = highlight && Scope() ? Scope()->Highlighting()->Channels()->Color() : Color();
  const int width = Width() + (highlight ? 2 : 0);
  QPen pen(color);
  pen.setWidth(width);
  // One device pixel, as the thin pens of the canvas: the fast line path.
  pen.setCosmetic(width <= 1);
  painter->setPen(pen);
  painter->setBrush(color);
  // Pieces between breaks, each drawn in one call.
  const auto forEachPiece = [this](auto&& draw) { trace_.ForEachPiece(draw); };
  // A reduced one-pixel line goes straight into the back buffer's pixels.
  if (ChannelMode() == SL::cmLine && width <= 1 && painter->paintEngine() &&
      painter->paintEngine()->type() == QPaintEngine::Raster && !painter->testRenderHint(QPainter::Antialiasing) &&
      painter->worldTransform().isIdentity() && painter->hasClipping()) {
    // Spans are in pixels: at a device pixel ratio above 1 the painter
    // scales the line instead.
    if (auto* image = dynamic_cast<QImage*>(painter->device()); image && image->devicePixelRatio() == 1.0) {
      const QRect clip = painter->clipBoundingRect().toAlignedRect();
      if (trace_.DrawSpans(*image, clip, color.rgba())) return;
    }
  }
  switch (ChannelMode()) {
    case SL::cmLine:
      forEachPiece([&](const QPoint* p, int n) {
        if (n > 1) painter->drawPolyline(p, n);
        else painter->drawPoint(p[0]);
      });
      break;
    case SL::cmStep:
      forEachPiece([&](const QPoint* p, int n) {
        QVector<QPoint> steps;
        steps.reserve(2 * n);
        for (int i = 0; i < n; ++i) {
          if (i > 0) steps.append(QPoint(p[i].x(), p[i - 1].y()));
          steps.append(p[i]);
        }
        if (steps.size() > 1) painter->drawPolyline(steps.constData(), int(steps.size()));
        else painter->drawPoint(p[0]);
      });
      break;
    case SL::cmBar: {
      TSLScope* scope = Scope();
      const int base = BarBase();
      const int barWidth = std::max(1, width);
      const bool handled = isSignalConnected(QMetaMethod::fromSignal(&TSLScopeChannel::OnSampleDraw));
      for (int i = 0; i < points.size(); ++i) {
        const QPoint& p = points[i];
        bool defaultDraw = true;
        if (handled) {
          const TSLRealPoint value = VertexValue(i);
          // The handler may draw with the canvas; the bar is drawn afresh.
          RunEventHandler([&] { emit OnSampleDraw(scope, value.X, value.Y, &canvas, highlight, defaultDraw); });
        }
        if (!defaultDraw) continue;
        painter->setPen(Qt::NoPen);
        painter->setBrush(color);
        painter->drawRect(QRect(QPoint(p.x() - barWidth / 2, std::min(base, p.y())),
                                QPoint(p.x() - barWidth / 2 + barWidth - 1, std::max(base, p.y()))));
      }
      break;
    }
    case SL::cmPoint:
      // Shown by their marks instead when those are on.
      if (Points()->Visible()) break;
      if (highlight) {
        for (const QPoint& p : points) painter->fillRect(QRect(p.x() - 1, p.y() - 1, 3, 3), color);
      } else {
        painter->drawPoints(points.constData(), int(points.size()));
      }
      break;
  }
  if (Points()->Visible()) DrawPointMarks(*painter, highlight);
}

int TSLScopeChannel::BarBase() const {
  TSLScope* scope = Scope();
  if (!scope) return 0;
  const QRect view = scope->DataViewRect();
  TSLDisplayAxis* yAxis = scope->YAxisAt(YAxisIndex());
  if (ShadeMode() == SL::csmZero) return yAxis ? yAxis->TickToScreen(yAxis->DataToTick(yAxis->ToData(0))) : view.bottom();
  // Top and bottom are the ends of the value range: a reversed axis has
  // them the other way round.
  const bool top = (ShadeMode() == SL::csmTop) != (yAxis && yAxis->IsReversed());
  return top ? view.top() : view.bottom();
}

TSLRealPoint TSLScopeChannel::VertexValue(int vertex) const {
  TSLScope* scope = Scope();
  TSLDisplayAxis* xAxis = scope ? scope->XAxisAt(XAxisIndex()) : nullptr;
  const QVector<int>& first = trace_.VertexFirstSample();
  const QVector<int>& last = trace_.VertexLastSample();
  const int count = DisplayCount();
  if (!xAxis || vertex < 0 || vertex >= first.size() || !dispY_ || first[vertex] >= count) return {};
  const double* yv = dispY_->ReadReals();
  // A reduced column's two vertices are its lowest and its highest sample.
  int sample = first[vertex];
  if (trace_.Reduced()) {
    const bool highest = vertex % 2 == 1;
    for (int i = first[vertex], end = std::min(last[vertex], count - 1); i <= end; ++i)
      if (std::isnan(yv[sample]) || (highest ? yv[i] > yv[sample] : yv[i] < yv[sample])) sample = i;
  }
  const double xData = dispUniformX_ || !dispX_ || dispX_->GetCount() <= sample ? double(sample) : dispX_->ReadReals()[sample];
  return {SLMapRange(xAxis->DataToTick(xData), xAxis->TickLimits(), xAxis->ValueLimits()), yv[sample]};
}

void TSLScopeChannel::DrawPointMarks(QPainter& painter, bool highlight) const {
  TSLScopePoints* marks = Points();
  const bool own = marks->UseChannelColor();
  QPen pen = own ? QPen(Color()) : marks->Pen()->ToQPen();
  pen.setWidth(1);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(own ? QBrush(Color()) : marks->Brush()->ToQBrush());
  // Box from x - Size to x + Size in both directions, one pixel larger all
  // round in the highlight pass; a 1-pixel outline of (l, t, w, h) covers
  // l .. l + w.
  const int r = std::max(0, marks->Size()) + (highlight ? 1 : 0);
  for (const QPoint& c : trace_.Points()) {
    const QRect box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    switch (marks->Shape()) {
      case SL::psCircle: painter.drawEllipse(box); break;
      case SL::psSquare: painter.drawRect(box); break;
      case SL::psDiamond: {
        const QPoint diamond[] = {{c.x(), box.top()}, {box.left() + 2 * r, c.y()}, {c.x(), box.top() + 2 * r}, {box.left(), c.y()}};
        painter.drawPolygon(diamond, 4);
        break;
      }
      case SL::psPlus:
        painter.drawLine(c.x(), c.y() - r, c.x(), c.y() + r);
        painter.drawLine(c.x() - r, c.y(), c.x() + r, c.y());
        break;
      case SL::psCross:
        painter.drawLine(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
        painter.drawLine(c.x() - r, c.y() + r, c.x() + r, c.y() - r);
        break;
      case SL::psStar:
        painter.drawLine(c.x(), c.y() - r, c.x(), c.y() + r);
        painter.drawLine(c.x() - r, c.y(), c.x() + r, c.y());
        painter.drawLine(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
        painter.drawLine(c.x() - r, c.y() + r, c.x() + r, c.y() - r);
        break;
    }
  }
}

// ---------------------------------------------------------------------------

TSLScopeChannels::TSLScopeChannels(QObject* owner, TSLDataDisplay* display)
    : TSLOptionalDisplayCollection(owner, display, [](TOWExtCollection* c) { return new TSLScopeChannel(c); }) {}
