// A class of 30 groups opened and drawn: every run folder loaded and solved
// (the fitting region included), the class pooled, and the map painted as
// the Class Results window paints it. Target: under a second.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "app/run/class_report.h"
#include "app/run/class_results.h"
#include "class_folders.h"

namespace fs = std::filesystem;

namespace {

// Written once, in the system's temporary folder, by the program's saving.
const fs::path& ClassFolder() {
  static const fs::path folder = [] {
    const fs::path dir = fs::temp_directory_path() / ("tremora-bench-class-" + std::to_string(::getpid()));
    for (int g = 0; g < 30; ++g)
      classfolders::SaveGroup(dir / ("team" + std::to_string(100 + g)), {g % 3 - 1, 120000, g % 5 == 4 ? 0.003 : 0.0});
    return dir;
  }();
  return folder;
}

void BM_OpenAndDrawThirtyGroups(benchmark::State& state) {
  const fs::path folder = ClassFolder();
  QImage map(700, 500, QImage::Format_ARGB32);
  for (auto _ : state) {
    const TClassResults results = LoadClassResults({folder});
    if (results.figures.located != 30) state.SkipWithError("a group was not located");
    QPainter p(&map);
    DrawClassMap(p, QRectF(0, 0, 699, 499), results, QImage());
    p.end();
    benchmark::DoNotOptimize(map.constBits());
  }
}
BENCHMARK(BM_OpenAndDrawThirtyGroups)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DrawThirtyGroups(benchmark::State& state) {
  const TClassResults results = LoadClassResults({ClassFolder()});
  QImage map(700, 500, QImage::Format_ARGB32);
  for (auto _ : state) {
    QPainter p(&map);
    DrawClassMap(p, QRectF(0, 0, 699, 499), results, QImage());
    p.end();
    benchmark::DoNotOptimize(map.constBits());
  }
}
BENCHMARK(BM_DrawThirtyGroups)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The map's numbers need the toolkit's fonts; no window opens.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::error_code ec;
  fs::remove_all(ClassFolder(), ec);
  return 0;
}
