// Repainting the scope as the screen gets it, side by side with QCustomPlot
// (Debian's Qt 6 build) in the same run: both widgets shown on the offscreen
// platform at 800 x 230, two channels, no anti-aliasing, the same data, the
// steps of the two interleaved. A step is the event followed either by a
// synchronous repaint() of the whole widget ("repaint": an event filter
// counts the paint events, and a step that did not deliver exactly one
// paint event to its widget fails the case, as a repaint that paints
// nothing would otherwise look fast), or by the processing of the update
// the event posted (QCoreApplication::sendPostedEvents: "posted"; Qt paints
// the region the widget asked for, which is what the screen gets), with the
// paint events and the painted area (pixels) counted.
//
//   hover:      a pointer move over the data view (our routing, hit test and
//               repaint), the pointer running on the first channel's trace
//               ("on traces": the scope shows the hit point, its label and
//               the highlighted trace) or above the traces ("above");
//               QCustomPlot: the pointer move, then its cursor (a straight
//               line on a buffered layer of its own) moved, on the traces
//               with a tracer on the graph and a text item with its value on
//               that layer, the layer replotted alone and the layers
//               composed on screen
//   drag:       one pointer move of a cursor drag; the same peer step
//   new block:  two blocks of 2 x 40,000 or 2 x 882,000 samples published,
//               then the repaint; QCustomPlot: setData and a full replot
//   hover share (ours only): hover time over new-block time
//   Qt floor:   a bare widget's pointer move repainting two label-sized
//               rectangles, posted, next to the same new block: the part of
//               a hover no widget can go below
//   wheel step, pan move (ours only): one wheel step over the data view or
//               one pointer move of a pan drag, each with its repaint
//
// Reported: the median times ("ours_ms", "peer_ms") and "peer_per_ours", the
// peer's time divided by ours (above 1: ours is faster); for posted steps
// the paints per step and the median painted area per paint. A table of
// the goals' ratios (medians over --benchmark_repetitions) closes the run.

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "buffers/simple_data_buffer.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "scope/scope.h"

#ifdef TREMORA_WITH_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace {

constexpr int kWidth = 800, kHeight = 230;

std::vector<double> Signal(int n, double phase) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = 0.8 * std::sin(phase + i * 0.001) + 0.1 * std::sin(i * 0.37);
  return v;
}

double MedianMs(std::vector<double> t) {
  if (t.empty()) return 0;
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

double TimeMs(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Counts the paint events a widget receives and the pixels they paint.
class TPaintCounter : public QObject {
public:
  explicit TPaintCounter(QWidget* w) { w->installEventFilter(this); }
  int count = 0;
  double area = 0;

protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++count;
      for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) area += double(r.width()) * r.height();
    }
    return false;
  }
};

// The medians of every case, for the closing table: with repetitions,
// each figure there is the median over the repetitions.
struct TResult {
  std::vector<double> runs;
  TResult& operator=(double v) {
    runs.push_back(v);
    return *this;
  }
};
std::map<std::string, TResult>& Results() {
  static std::map<std::string, TResult> results;
  return results;
}

// The pointer's row: on the first channel's trace or above the traces.
enum TRow { rOnTrace, rAbove };
// The first channel's data (block 0, the one shown after the warm-up).
double SignalAt(int, int i) { return 0.8 * std::sin(i * 0.001) + 0.1 * std::sin(i * 0.37); }

// A pointer path as a hand moves it: two pixels per event across the data
// view and back; its row comes from `rowAt` (the column's row).
QPoint PointerAt(const QRect& view, int k, const std::function<int(int)>& rowAt) {
  const int span = std::max(1, view.width() - 20);
  const int step = (k * 2) % (2 * span);
  const int x = view.left() + 10 + (step < span ? step : 2 * span - step);
  return QPoint(x, rowAt ? rowAt(x) : view.top() + view.height() / 4);
}

void SendMouse(QWidget* w, QEvent::Type type, const QPoint& p, Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

struct TTremora {
  TLPComponent owner;
  TSLOWRealSourcePin left{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  TSLOWRealSourcePin right{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  // A control without a parent lives on a hidden form: this window shows it.
  QWidget window;
  TSLScope scope{&window};
  TSLDisplayCursor* cursor = nullptr;
  TPaintCounter paints{&scope};
  std::vector<TRef<ISLRealBuffer>> blocks[2];
  int n = 0;

  explicit TTremora(int samples) : n(samples) {
    scope.resize(kWidth, kHeight);
    scope.Channels()->Add();
    scope.YAxis()->AutoScaling()->SetEnabled(false);
    scope.YAxis()->Min()->SetValue(-1);
    scope.YAxis()->Max()->SetValue(1);
    cursor = static_cast<TSLDisplayCursor*>(scope.Cursors()->Add());
    scope.InputPins()->GetPin(0)->Connect(&left);
    scope.InputPins()->GetPin(1)->Connect(&right);
    left.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
    right.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
    for (int k = 0; k < 4; ++k)
      for (int c = 0; c < 2; ++c) {
        const auto v = Signal(n, k + c);
        blocks[c].emplace_back(new TSLRealBuffer(v.data(), n));
      }
    window.resize(kWidth, kHeight);
    window.show();
    QApplication::processEvents();
  }
  ~TTremora() {
    scope.InputPins()->GetPin(0)->Disconnect();
    scope.InputPins()->GetPin(1)->Disconnect();
  }
  void Publish(int k) {
    left.SendBuffer(blocks[0][k % 4].get());
    right.SendBuffer(blocks[1][k % 4].get());
    scope.RefreshTimerTick();
  }
  void NewBlock(int k) {
    Publish(k);
    scope.repaint();
  }
  // The row of the first channel's value at column x, as the axes map it.
  int RowAt(int x, TRow row) const {
    const QRect view = scope.DataViewRect();
    if (row == rAbove) return view.top() + 2;
    const int i = int(std::lround(double(x - view.left()) * (n - 1) / (view.width() - 1)));
    const double v = SignalAt(n, std::clamp(i, 0, n - 1));
    return int(std::lround(view.bottom() - (v + 1) / 2 * (view.height() - 1)));
  }
  QPoint Pointer(int k, TRow row) const {
    return PointerAt(scope.DataViewRect(), k, [&](int x) { return RowAt(x, row); });
  }
  // The move, then the whole widget repainted or the posted update processed.
  void Finish(bool posted) {
    if (posted) QCoreApplication::sendPostedEvents();
    else scope.repaint();
  }
  void Hover(int k, TRow row, bool posted) {
    SendMouse(&scope, QEvent::MouseMove, Pointer(k, row), Qt::NoButton, Qt::NoButton);
    Finish(posted);
  }
  // The cursor stands in the middle of the shown range and is held there.
  void StartDrag() {
    const QRect view = scope.DataViewRect();
    const TSLRange shown = scope.XAxis()->ShownTick();
    cursor->Position()->SetX((shown.lo + shown.hi) / 2);
    scope.repaint();
    const QPoint at(scope.CursorColumn(cursor, cursor->Position()->X()), view.top() + view.height() / 4);
    SendMouse(&scope, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    SendMouse(&scope, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    scope.repaint();
  }
  void DragStep(int k, bool posted) {
    SendMouse(&scope, QEvent::MouseMove, Pointer(k, rOnTrace), Qt::NoButton, Qt::LeftButton);
    Finish(posted);
  }
  void Wheel(int k) {
    // In and out by turns, so the range stays in the same region.
    scope.WheelStep(k % 2 == 1, Qt::NoModifier, scope.DataViewRect().center());
    scope.repaint();
  }
  void StartPan() {
    scope.SetNavigateMode(SL::nmPan);
    scope.ZoomByFactor(0.25);
    scope.repaint();
    SendMouse(&scope, QEvent::MouseButtonPress, scope.DataViewRect().center(), Qt::LeftButton, Qt::LeftButton);
  }
  void PanMove(int k) {
    SendMouse(&scope, QEvent::MouseMove, scope.DataViewRect().center() + QPoint(k % 2 ? 40 : -40, 0),
              Qt::NoButton, Qt::LeftButton);
    scope.repaint();
  }
};

#ifdef TREMORA_WITH_QCUSTOMPLOT
// QCustomPlot as its documentation advises for interaction: the cursor on a
// buffered layer of its own, replotted alone when it moves; over the traces
// a tracer on the graph and a text item with the value, on the same layer.
struct TQcp {
  QCustomPlot plot;
  QCPLayer* cursorLayer = nullptr;
  QCPItemStraightLine* cursor = nullptr;
  QCPItemTracer* tracer = nullptr;
  QCPItemText* label = nullptr;
  TPaintCounter paints{&plot};
  QVector<double> keys;
  QVector<double> values[4][2];
  int n = 0;

  explicit TQcp(int samples) : n(samples) {
    plot.resize(kWidth, kHeight);
    plot.setNotAntialiasedElements(QCP::aeAll);
    plot.setAntialiasedElements(QCP::aeNone);
    plot.setBackground(Qt::black);
    plot.yAxis->setRange(-1, 1);
    plot.xAxis->setRange(0, n - 1);
    for (int c = 0; c < 2; ++c) {
      plot.addGraph();
      plot.graph(c)->setPen(QPen(c ? Qt::yellow : Qt::red));
      plot.graph(c)->setAdaptiveSampling(true);
    }
    plot.addLayer(QStringLiteral("cursor"), plot.layer(QStringLiteral("main")), QCustomPlot::limAbove);
    cursorLayer = plot.layer(QStringLiteral("cursor"));
    cursorLayer->setMode(QCPLayer::lmBuffered);
    cursor = new QCPItemStraightLine(&plot);
    cursor->setLayer(cursorLayer);
    cursor->setPen(QPen(Qt::green));
    tracer = new QCPItemTracer(&plot);
    tracer->setLayer(cursorLayer);
    tracer->setStyle(QCPItemTracer::tsSquare);
    tracer->setSize(5);
    tracer->setPen(QPen(Qt::red));
    label = new QCPItemText(&plot);
    label->setLayer(cursorLayer);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->position->setParentAnchor(tracer->position);
    label->position->setCoords(4, 0);
    label->setColor(Qt::white);
    label->setPen(QPen(Qt::red));
    label->setBrush(Qt::black);
    label->setPadding(QMargins(2, 1, 2, 1));
    MoveCursorTo(kWidth / 2, false);
    keys.resize(n);
    for (int i = 0; i < n; ++i) keys[i] = i;
    for (int k = 0; k < 4; ++k)
      for (int c = 0; c < 2; ++c) {
        const auto v = Signal(n, k + c);
        values[k][c] = QVector<double>(v.begin(), v.end());
      }
    plot.show();
    QApplication::processEvents();
  }
  void MoveCursorTo(int x, bool showValue) {
    const double key = plot.xAxis->pixelToCoord(x);
    cursor->point1->setCoords(key, -1);
    cursor->point2->setCoords(key, 1);
    tracer->setVisible(showValue);
    label->setVisible(showValue);
    if (!showValue) return;
    if (!tracer->graph()) tracer->setGraph(plot.graph(0));
    tracer->setGraphKey(key);
    tracer->updatePosition();
    label->setText(QStringLiteral("%1 : %2").arg(tracer->position->key(), 0, 'f', 0).arg(tracer->position->value(), 0, 'f', 3));
  }
  void NewBlock(int k) {
    for (int c = 0; c < 2; ++c) plot.graph(c)->setData(keys, values[k % 4][c], true);
    plot.replot(QCustomPlot::rpQueuedRefresh);
    plot.repaint();
  }
  int RowAt(int x, TRow row) const {
    const QRect view = plot.axisRect()->rect();
    if (row == rAbove) return view.top() + 2;
    const int i = int(std::lround(plot.xAxis->pixelToCoord(x)));
    return int(std::lround(plot.yAxis->coordToPixel(SignalAt(n, std::clamp(i, 0, n - 1)))));
  }
  void PointerStep(int k, Qt::MouseButtons buttons, TRow row, bool posted) {
    const QRect view = plot.axisRect()->rect();
    const QPoint p = PointerAt(view, k, [&](int x) { return RowAt(x, row); });
    SendMouse(&plot, QEvent::MouseMove, p, Qt::NoButton, buttons);
    MoveCursorTo(p.x(), row == rOnTrace && buttons == Qt::NoButton);
    cursorLayer->replot();
    if (posted) QCoreApplication::sendPostedEvents();
    else plot.repaint();
  }
};
#endif

// Runs one timed step; a repaint step must deliver exactly one paint event,
// a posted one at most one.
template <class Side>
bool Step(benchmark::State& state, Side& side, std::vector<double>& times, const std::function<void()>& f,
          const char* who, bool posted = false) {
  side.paints.count = 0;
  const double t = TimeMs(f);
  if (side.paints.count != 1 && !(posted && side.paints.count == 0)) {
    const std::string message = std::string(who) + ": " + std::to_string(side.paints.count) + " paint events in one step";
    state.SkipWithError(message.c_str());
    return false;
  }
  times.push_back(t);
  return true;
}

enum TCase { cHover, cDrag, cNewBlock };

std::string CaseName(TCase what, int n, TRow row, bool posted) {
  std::string name = what == cHover ? "hover" : what == cDrag ? "drag" : "new block";
  if (what == cHover) name += row == rOnTrace ? " on traces" : " above";
  if (what != cNewBlock) name += posted ? " posted" : " repaint";
  return name + " " + std::to_string(n);
}

void Compare(benchmark::State& state, TCase what, TRow row = rOnTrace, bool posted = false) {
  const int n = int(state.range(0));
  TTremora ours(n);
  for (int k = 0; k < 5; ++k) ours.NewBlock(k);  // warm-up
  if (what == cDrag) ours.StartDrag();
#ifdef TREMORA_WITH_QCUSTOMPLOT
  TQcp peer(n);
  for (int k = 0; k < 5; ++k) peer.NewBlock(k);
#endif
  // The pointer goes to its path first (entering shows the toolbar).
  if (what == cHover) {
    ours.Hover(0, row, false);
#ifdef TREMORA_WITH_QCUSTOMPLOT
    peer.PointerStep(0, Qt::NoButton, row, false);
#endif
  }
  std::vector<double> oursMs, peerMs;
  int oursPaints = 0, peerPaints = 0;
  double oursArea = 0, peerArea = 0;
  int k = 1;
  for (auto _ : state) {
    // Interleaved, so load from other processes hits both alike.
    ours.paints.area = 0;
    const bool ok = Step(state, ours, oursMs,
                         [&] {
                           if (what == cHover) ours.Hover(k, row, posted);
                           else if (what == cDrag) ours.DragStep(k, posted);
                           else ours.NewBlock(k);
                         },
                         "ours", posted);
    if (!ok) break;
    oursPaints += ours.paints.count;
    oursArea += ours.paints.area;
    state.SetIterationTime(oursMs.back() / 1000);
#ifdef TREMORA_WITH_QCUSTOMPLOT
    peer.paints.area = 0;
    if (!Step(state, peer, peerMs,
              [&] {
                if (what == cNewBlock) peer.NewBlock(k);
                else peer.PointerStep(k, what == cDrag ? Qt::LeftButton : Qt::NoButton, row, posted);
              },
              "peer", posted))
      break;
    peerPaints += peer.paints.count;
    peerArea += peer.paints.area;
#endif
    ++k;
  }
  const std::string name = CaseName(what, n, row, posted);
  state.counters["ours_ms"] = MedianMs(oursMs);
  Results()[name + " ours"] = MedianMs(oursMs);
  if (posted && !oursMs.empty()) {
    state.counters["ours_paints"] = double(oursPaints) / oursMs.size();
    state.counters["ours_area"] = oursPaints ? oursArea / oursPaints : 0;
    Results()[name + " ours paints"] = double(oursPaints) / oursMs.size();
    Results()[name + " ours area"] = oursPaints ? oursArea / oursPaints : 0;
  }
  if (!peerMs.empty()) {
    state.counters["peer_ms"] = MedianMs(peerMs);
    state.counters["peer_per_ours"] = MedianMs(peerMs) / MedianMs(oursMs);
    Results()[name + " peer"] = MedianMs(peerMs);
    if (posted) {
      state.counters["peer_paints"] = double(peerPaints) / peerMs.size();
      state.counters["peer_area"] = peerPaints ? peerArea / peerPaints : 0;
      Results()[name + " peer area"] = peerPaints ? peerArea / peerPaints : 0;
    }
  }
}

// Arguments: samples, row (0 on traces, 1 above), posted (0 repaint, 1 posted).
void BM_Hover(benchmark::State& state) {
  Compare(state, cHover, state.range(1) ? rAbove : rOnTrace, state.range(2) != 0);
}
void BM_Drag(benchmark::State& state) { Compare(state, cDrag, rOnTrace, state.range(1) != 0); }
void BM_NewBlock(benchmark::State& state) { Compare(state, cNewBlock); }

// Hover against new block on our side: a hover repaints the overlay over
// the cached layers, so it must cost at most a tenth of a new-block repaint.
// Blocks come ten times a second; a moving hand sends some ten pointer
// moves between two of them, the first of which may find the traces moved
// under the pointer (a new highlight repaints the trace layer). The hover
// runs on the traces, with the update it posted processed.
void BM_HoverShare(benchmark::State& state) {
  const int n = int(state.range(0));
  TTremora ours(n);
  for (int k = 0; k < 5; ++k) ours.NewBlock(k);
  std::vector<double> block, hover;
  int k = 0, move = 0;
  for (auto _ : state) {
    if (!Step(state, ours, block, [&] { ours.NewBlock(k); }, "new block")) break;
    double total = 0;
    for (int i = 0; i < 10; ++i) {
      if (!Step(state, ours, hover, [&] { ours.Hover(move++, rOnTrace, true); }, "hover", true)) break;
      total += hover.back();
    }
    state.SetIterationTime(total / 10 / 1000);
    ++k;
  }
  state.counters["new_block_ms"] = MedianMs(block);
  state.counters["hover_ms"] = MedianMs(hover);
  if (!block.empty()) state.counters["hover_share"] = MedianMs(hover) / MedianMs(block);
  Results()["share new block " + std::to_string(n)] = MedianMs(block);
  Results()["share hover " + std::to_string(n)] = MedianMs(hover);
}

// Qt's own floor for a hover: a bare widget of the scope's size, shown the
// same way, whose pointer move asks for the repaint of two label-sized
// rectangles (where a label was and where it is, about the area our hover
// paints) and whose paint fills them, the update processed as in "posted".
// What Qt spends on routing the event, keeping the dirty region, beginning
// the painter and flushing, with nothing of ours in it.
class TBareWidget : public QWidget {
public:
  explicit TBareWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // as the scope: moves without a button reach it
  }
  QPoint last{100, 100};

protected:
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPoint p = e->position().toPoint();
    update(QRect(last, QSize(60, 14)));
    update(QRect(p, QSize(60, 14)));
    last = p;
  }
  void paintEvent(QPaintEvent* e) override {
    QPainter painter(this);
    painter.fillRect(e->rect(), Qt::black);
  }
};

void BM_QtFloor(benchmark::State& state) {
  TTremora ours(40000);  // the same conditions: a scope shown alongside
  for (int k = 0; k < 5; ++k) ours.NewBlock(k);
  QWidget window;
  TBareWidget bare(&window);
  TPaintCounter paints(&bare);
  bare.resize(kWidth, kHeight);
  window.resize(kWidth, kHeight);
  window.show();
  QApplication::processEvents();
  std::vector<double> floor, block;
  int k = 0;
  for (auto _ : state) {
    if (!Step(state, ours, block, [&] { ours.NewBlock(k); }, "new block")) break;
    paints.count = 0;
    const QPoint p = PointerAt(ours.scope.DataViewRect(), k, nullptr);
    const double t = TimeMs([&] {
      SendMouse(&bare, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
      QCoreApplication::sendPostedEvents();
    });
    if (paints.count != 1) {
      state.SkipWithError(("bare widget: " + std::to_string(paints.count) + " paints in a step").c_str());
      break;
    }
    floor.push_back(t);
    state.SetIterationTime(t / 1000);
    ++k;
  }
  state.counters["floor_ms"] = MedianMs(floor);
  state.counters["new_block_ms"] = MedianMs(block);
  Results()["floor"] = MedianMs(floor);
  Results()["floor new block"] = MedianMs(block);
}

// Wheel steps and pan moves over the 2-channel scope: each must stay well
// under 5 ms to keep zooming interactive.
void Navigate(benchmark::State& state, bool pan) {
  const int n = int(state.range(0));
  TTremora ours(n);
  for (int k = 0; k < 5; ++k) ours.NewBlock(k);
  if (pan) ours.StartPan();
  std::vector<double> times;
  int k = 0;
  for (auto _ : state) {
    if (!Step(state, ours, times, [&] { pan ? ours.PanMove(k) : ours.Wheel(k); }, "ours")) break;
    state.SetIterationTime(times.back() / 1000);
    ++k;
  }
  state.counters["median_ms"] = MedianMs(times);
}

void BM_WheelStep(benchmark::State& state) { Navigate(state, false); }
void BM_PanMove(benchmark::State& state) { Navigate(state, true); }

BENCHMARK(BM_Hover)
    ->ArgsProduct({{40000, 882000}, {0, 1}, {0, 1}})
    ->UseManualTime()
    ->Iterations(400)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Drag)->ArgsProduct({{40000, 882000}, {0, 1}})->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewBlock)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoverShare)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtFloor)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelStep)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanMove)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

// The goals' ratios from the medians of the last run of each case.
void PrintSummary() {
  const auto& r = Results();
  const auto get = [&](const std::string& key) {
    const auto it = r.find(key);
    return it == r.end() ? 0.0 : MedianMs(it->second.runs);
  };
  std::printf("\n%-34s %10s %10s %10s %12s %12s\n", "case", "ours_ms", "peer_ms", "peer/ours", "ours_area", "peer_area");
  for (const char* what : {"hover on traces", "hover above", "drag"})
    for (const char* how : {"repaint", "posted"})
      for (int n : {40000, 882000}) {
        const std::string name = std::string(what) + " " + how + " " + std::to_string(n);
        const double ours = get(name + " ours"), peer = get(name + " peer");
        if (ours == 0) continue;
        std::printf("%-34s %10.4f %10.4f %10.2f", name.c_str(), ours, peer, peer > 0 ? peer / ours : 0.0);
        if (std::string(how) == "posted")
          std::printf(" %12.0f %12.0f", get(name + " ours area"), get(name + " peer area"));
        std::printf("\n");
      }
  for (int n : {40000, 882000}) {
    const std::string name = "new block " + std::to_string(n);
    if (get(name + " ours") > 0)
      std::printf("%-34s %10.4f %10.4f %10.2f\n", name.c_str(), get(name + " ours"), get(name + " peer"),
                  get(name + " peer") / get(name + " ours"));
  }
  for (const char* what : {"hover on traces", "hover above", "drag"})
    for (const char* how : {"repaint", "posted"}) {
      const std::string base = std::string(what) + " " + how + " ";
      const double small = get(base + "40000 ours"), large = get(base + "882000 ours");
      if (small > 0 && large > 0)
        std::printf("%-34s 882,000 / 40,000 = %.2f\n", (base + "ours").c_str(), large / small);
    }
  const double block = get("new block 40000 ours");
  for (const char* how : {"repaint", "posted"}) {
    const double hover = get(std::string("hover on traces ") + how + " 40000 ours");
    if (block > 0 && hover > 0)
      std::printf("hover on traces %-8s 40,000 / new block 40,000 = %.3f\n", how, hover / block);
  }
  if (get("floor") > 0) {
    std::printf("Qt floor (bare widget, two label rectangles, posted) %.4f ms = %.3f of a new block 40,000 (%.4f ms)\n",
                get("floor"), get("floor") / get("floor new block"), get("floor new block"));
    const double hover = get("hover on traces posted 40000 ours");
    if (hover > 0) std::printf("hover on traces posted 40,000 / Qt floor = %.2f\n", hover / get("floor"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}
