// Repainting the scope, side by side with QCustomPlot (Debian's Qt 6
// build) in the same run: both offscreen at 800 x 230, two channels, no
// anti-aliasing, the same data. Reported per case: the median time of each
// and their ratio (QCustomPlot / Tremora: above 1 means Tremora is faster).
//
//   new block:  2 x 40,000 and 2 x 882,000 samples arrive, then a repaint
//   hover:      a pointer move over the traces (routing, hit test and the
//               repaint with no new data)
//   wheel step, pan move (Tremora only): one wheel step over the data view
//               or one pointer move of a pan drag, each with its repaint

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
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

double MedianMs(std::vector<double>& t) {
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

double TimeMs(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct TTremora {
  TLPComponent owner;
  TSLOWRealSourcePin left{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  TSLOWRealSourcePin right{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  TSLScope scope;
  std::vector<TRef<ISLRealBuffer>> blocks[2];

  TTremora(int n) {
    scope.resize(kWidth, kHeight);
    scope.Channels()->Add();
    scope.YAxis()->AutoScaling()->SetEnabled(false);
    scope.YAxis()->Min()->SetValue(-1);
    scope.YAxis()->Max()->SetValue(1);
    scope.InputPins()->GetPin(0)->Connect(&left);
    scope.InputPins()->GetPin(1)->Connect(&right);
    left.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
    right.Notify(MakeOperation<TOWStartSampleRateOperation>(44100.0).get());
    for (int k = 0; k < 4; ++k)
      for (int c = 0; c < 2; ++c) {
        const auto v = Signal(n, k + c);
        blocks[c].emplace_back(new TSLRealBuffer(v.data(), n));
      }
  }
  ~TTremora() {
    scope.InputPins()->GetPin(0)->Disconnect();
    scope.InputPins()->GetPin(1)->Disconnect();
  }
  void NewBlock(int k) {
    left.SendBuffer(blocks[0][k % 4].get());
    right.SendBuffer(blocks[1][k % 4].get());
    scope.RefreshTimerTick();
    scope.RedrawBackBuffer();
  }
  void Send(QEvent::Type type, const QPoint& p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), scope.mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&scope, &e);
  }
  void Hover(int k = 0) {
    const QRect view = scope.DataViewRect();
    Send(QEvent::MouseMove, QPoint(view.left() + 10 + (k * 37) % (view.width() - 20), view.center().y()),
         Qt::NoButton, Qt::NoButton);
    scope.RedrawBackBuffer();
  }
  void Wheel(int k) {
    // In and out by turns, so the range stays in the same region.
    scope.WheelStep(k % 2 == 1, Qt::NoModifier, scope.DataViewRect().center());
    scope.RedrawBackBuffer();
  }
  void StartPan() {
    scope.SetNavigateMode(SL::nmPan);
    scope.ZoomByFactor(0.25);
    Send(QEvent::MouseButtonPress, scope.DataViewRect().center(), Qt::LeftButton, Qt::LeftButton);
  }
  void PanMove(int k) {
    Send(QEvent::MouseMove, scope.DataViewRect().center() + QPoint(k % 2 ? 40 : -40, 0), Qt::NoButton,
         Qt::LeftButton);
    scope.RedrawBackBuffer();
  }
};

#ifdef TREMORA_WITH_QCUSTOMPLOT
struct TQcp {
  QCustomPlot plot;
  QVector<double> keys;
  QVector<double> values[4][2];

  TQcp(int n) {
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
    keys.resize(n);
    for (int i = 0; i < n; ++i) keys[i] = i;
    for (int k = 0; k < 4; ++k)
      for (int c = 0; c < 2; ++c) {
        const auto v = Signal(n, k + c);
        values[k][c] = QVector<double>(v.begin(), v.end());
      }
  }
  void NewBlock(int k) {
    for (int c = 0; c < 2; ++c) plot.graph(c)->setData(keys, values[k % 4][c], true);
    plot.replot(QCustomPlot::rpImmediateRefresh);
  }
  void Hover() { plot.replot(QCustomPlot::rpImmediateRefresh); }
};
#endif

void Compare(benchmark::State& state, bool newData) {
  const int n = int(state.range(0));
  TTremora tremora(n);
  for (int k = 0; k < 5; ++k) tremora.NewBlock(k);  // warm-up
#ifdef TREMORA_WITH_QCUSTOMPLOT
  TQcp qcp(n);
  for (int k = 0; k < 5; ++k) qcp.NewBlock(k);
#endif
  std::vector<double> ours, theirs;
  int k = 0;
  for (auto _ : state) {
    // Interleaved, so load from other processes hits both alike.
    const double t = TimeMs([&] { newData ? tremora.NewBlock(k) : tremora.Hover(k); });
    ours.push_back(t);
    state.SetIterationTime(t / 1000);
#ifdef TREMORA_WITH_QCUSTOMPLOT
    theirs.push_back(TimeMs([&] { newData ? qcp.NewBlock(k) : qcp.Hover(); }));
#endif
    ++k;
  }
  state.counters["tremora_ms"] = MedianMs(ours);
  if (!theirs.empty()) {
    state.counters["qcustomplot_ms"] = MedianMs(theirs);
    state.counters["speedup"] = MedianMs(theirs) / MedianMs(ours);
  }
}

void BM_NewBlock(benchmark::State& state) { Compare(state, true); }
void BM_Hover(benchmark::State& state) { Compare(state, false); }

// Hover against new block on our side: a hover repaint reuses the pixel
// arrays, so it must cost at most a third of a new-block repaint.
void BM_HoverShare(benchmark::State& state) {
  const int n = int(state.range(0));
  TTremora tremora(n);
  for (int k = 0; k < 5; ++k) tremora.NewBlock(k);
  std::vector<double> block, hover;
  int k = 0;
  for (auto _ : state) {
    block.push_back(TimeMs([&] { tremora.NewBlock(k++); }));
    const double t = TimeMs([&] { tremora.Hover(k); });
    hover.push_back(t);
    state.SetIterationTime(t / 1000);
  }
  state.counters["new_block_ms"] = MedianMs(block);
  state.counters["hover_ms"] = MedianMs(hover);
  state.counters["hover_share"] = MedianMs(hover) / MedianMs(block);
}

// Wheel steps and pan moves over the 2-channel scope: each must stay well
// under 5 ms to keep zooming interactive.
void Navigate(benchmark::State& state, bool pan) {
  const int n = int(state.range(0));
  TTremora tremora(n);
  for (int k = 0; k < 5; ++k) tremora.NewBlock(k);
  if (pan) tremora.StartPan();
  std::vector<double> times;
  int k = 0;
  for (auto _ : state) {
    const double t = TimeMs([&] { pan ? tremora.PanMove(k) : tremora.Wheel(k); });
    ++k;
    times.push_back(t);
    state.SetIterationTime(t / 1000);
  }
  state.counters["median_ms"] = MedianMs(times);
}

void BM_WheelStep(benchmark::State& state) { Navigate(state, false); }
void BM_PanMove(benchmark::State& state) { Navigate(state, true); }

BENCHMARK(BM_NewBlock)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hover)->Arg(40000)->Arg(882000)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);
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
