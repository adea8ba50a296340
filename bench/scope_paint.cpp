// Repainting the scope as the screen gets it, side by side with QCustomPlot
// (Debian's Qt 6 build) in the same run: both widgets shown on the offscreen
// platform at 800 x 230, two channels, no anti-aliasing, the same data, the
// steps of the two interleaved. Each step is the event followed by a
// synchronous repaint(); an event filter counts the paint events, and a step
// that did not deliver exactly one paint event to its widget fails the case
// (a repaint that paints nothing would otherwise look fast).
//
//   hover:      a pointer move over the data view (our routing, hit test and
//               repaint); QCustomPlot: the pointer move, then its cursor (a
//               straight line on a buffered layer of its own) moved, that
//               layer replotted alone and the layers composed on screen
//   drag:       one pointer move of a cursor drag; the same peer step
//   new block:  two blocks of 2 x 40,000 or 2 x 882,000 samples published,
//               then the repaint; QCustomPlot: setData and a full replot
//   hover share (ours only): hover time over new-block time
//   wheel step, pan move (ours only): one wheel step over the data view or
//               one pointer move of a pan drag, each with its repaint
//
// Reported: the median times ("ours_ms", "peer_ms") and "peer_per_ours", the
// peer's time divided by ours (above 1: ours is faster).

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
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

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
public:
  explicit TPaintCounter(QWidget* w) { w->installEventFilter(this); }
  int count = 0;

protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
};

// A pointer path as a hand moves it: two pixels per event across the data
// view and back, on the row of the value 0.5.
QPoint PointerAt(const QRect& view, int k) {
  const int span = std::max(1, view.width() - 20);
  const int step = (k * 2) % (2 * span);
  const int x = step < span ? step : 2 * span - step;
  return QPoint(view.left() + 10 + x, view.top() + view.height() / 4);
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

  explicit TTremora(int n) {
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
  void Hover(int k) {
    SendMouse(&scope, QEvent::MouseMove, PointerAt(scope.DataViewRect(), k), Qt::NoButton, Qt::NoButton);
    scope.repaint();
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
  void DragStep(int k) {
    SendMouse(&scope, QEvent::MouseMove, PointerAt(scope.DataViewRect(), k), Qt::NoButton, Qt::LeftButton);
    scope.repaint();
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
// buffered layer of its own, replotted alone when it moves.
struct TQcp {
  QCustomPlot plot;
  QCPLayer* cursorLayer = nullptr;
  QCPItemStraightLine* cursor = nullptr;
  TPaintCounter paints{&plot};
  QVector<double> keys;
  QVector<double> values[4][2];

  explicit TQcp(int n) {
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
    MoveCursorTo(kWidth / 2);
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
  void MoveCursorTo(int x) {
    const double key = plot.xAxis->pixelToCoord(x);
    cursor->point1->setCoords(key, -1);
    cursor->point2->setCoords(key, 1);
  }
  void NewBlock(int k) {
    for (int c = 0; c < 2; ++c) plot.graph(c)->setData(keys, values[k % 4][c], true);
    plot.replot(QCustomPlot::rpQueuedRefresh);
    plot.repaint();
  }
  void PointerStep(int k, Qt::MouseButtons buttons) {
    const QRect view = plot.axisRect()->rect();
    const QPoint p = PointerAt(view, k);
    SendMouse(&plot, QEvent::MouseMove, p, Qt::NoButton, buttons);
    MoveCursorTo(p.x());
    cursorLayer->replot();
    plot.repaint();
  }
};
#endif

// Runs one timed step and checks it delivered exactly one paint event.
template <class Side>
bool Step(benchmark::State& state, Side& side, std::vector<double>& times, const std::function<void()>& f,
          const char* who) {
  side.paints.count = 0;
  const double t = TimeMs(f);
  if (side.paints.count != 1) {
    const std::string message = std::string(who) + ": " + std::to_string(side.paints.count) + " paint events in one step";
    state.SkipWithError(message.c_str());
    return false;
  }
  times.push_back(t);
  return true;
}

enum TCase { cHover, cDrag, cNewBlock };

void Compare(benchmark::State& state, TCase what) {
  const int n = int(state.range(0));
  TTremora ours(n);
  for (int k = 0; k < 5; ++k) ours.NewBlock(k);  // warm-up
  if (what == cDrag) ours.StartDrag();
#ifdef TREMORA_WITH_QCUSTOMPLOT
  TQcp peer(n);
  for (int k = 0; k < 5; ++k) peer.NewBlock(k);
#endif
  std::vector<double> oursMs, peerMs;
  int k = 0;
  for (auto _ : state) {
    // Interleaved, so load from other processes hits both alike.
    const bool ok = Step(state, ours, oursMs,
                         [&] {
                           if (what == cHover) ours.Hover(k);
                           else if (what == cDrag) ours.DragStep(k);
                           else ours.NewBlock(k);
                         },
                         "ours");
    if (!ok) break;
    state.SetIterationTime(oursMs.back() / 1000);
#ifdef TREMORA_WITH_QCUSTOMPLOT
    if (!Step(state, peer, peerMs,
              [&] {
                if (what == cNewBlock) peer.NewBlock(k);
                else peer.PointerStep(k, what == cDrag ? Qt::LeftButton : Qt::NoButton);
              },
              "peer"))
      break;
#endif
    ++k;
  }
  state.counters["ours_ms"] = MedianMs(oursMs);
  if (!peerMs.empty()) {
    state.counters["peer_ms"] = MedianMs(peerMs);
    state.counters["peer_per_ours"] = MedianMs(peerMs) / MedianMs(oursMs);
  }
}

void BM_Hover(benchmark::State& state) { Compare(state, cHover); }
void BM_Drag(benchmark::State& state) { Compare(state, cDrag); }
void BM_NewBlock(benchmark::State& state) { Compare(state, cNewBlock); }

// Hover against new block on our side: a hover repaints the overlay over
// the cached layers, so it must cost at most a tenth of a new-block repaint.
// Blocks come ten times a second; a moving hand sends some ten pointer
// moves between two of them, the first of which may find the traces moved
// under the pointer (a new highlight repaints the trace layer).
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
      if (!Step(state, ours, hover, [&] { ours.Hover(move++); }, "hover")) break;
      total += hover.back();
    }
    state.SetIterationTime(total / 10 / 1000);
    ++k;
  }
  state.counters["new_block_ms"] = MedianMs(block);
  state.counters["hover_ms"] = MedianMs(hover);
  if (!block.empty()) state.counters["hover_share"] = MedianMs(hover) / MedianMs(block);
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

BENCHMARK(BM_Hover)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Drag)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewBlock)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HoverShare)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelStep)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanMove)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
