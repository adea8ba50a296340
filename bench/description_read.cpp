// Parsing, reading and writing a large window description (200 components
// with sub-objects, collections and events).

#include "forms/class_registry.h"
#include "forms/description_reader.h"
#include "forms/description_syntax.h"
#include "forms/description_writer.h"
#include "pins/collection.h"
#include "pins/component.h"
#include "pins/persistent.h"

#include <benchmark/benchmark.h>

#include <QObject>

namespace {

class TBenchAxis : public TLPPersistent {
  Q_OBJECT
  Q_PROPERTY(double Min MEMBER min_)
  Q_PROPERTY(double Max MEMBER max_)
  Q_PROPERTY(QString Caption MEMBER caption_)
public:
  explicit TBenchAxis(QObject* owner) : TLPPersistent(owner) {}

private:
  double min_ = -1.0;
  double max_ = 1.0;
  QString caption_;
};

class TBenchItem : public TOWExtCollectionItem {
  Q_OBJECT
  Q_PROPERTY(QString Name MEMBER name_)
  Q_PROPERTY(double Position MEMBER position_)
public:
  explicit TBenchItem(TOWExtCollection* c) : TOWExtCollectionItem(c) {}

private:
  QString name_;
  double position_ = 0.5;
};

class TBenchComponent : public TLPComponent {
  Q_OBJECT
  Q_PROPERTY(bool Enabled MEMBER enabled_)
  Q_PROPERTY(int Rate MEMBER rate_)
  Q_PROPERTY(QString Title MEMBER title_)
  Q_PROPERTY(TBenchAxis* XAxis READ XAxis)
  Q_PROPERTY(TBenchAxis* YAxis READ YAxis)
  Q_PROPERTY(TOWExtCollection* Cursors READ Cursors)
public:
  explicit TBenchComponent(QObject* owner)
      : TLPComponent(owner),
        x_(new TBenchAxis(this)),
        y_(new TBenchAxis(this)),
        cursors_(new TOWExtCollection(this, [](TOWExtCollection* c) { return new TBenchItem(c); })) {}
  TBenchAxis* XAxis() const { return x_; }
  TBenchAxis* YAxis() const { return y_; }
  TOWExtCollection* Cursors() const { return cursors_; }
signals:
  void OnChange(QObject* Sender);

private:
  bool enabled_ = true;
  int rate_ = 44100;
  QString title_ = QStringLiteral("Scope");
  TBenchAxis* x_;
  TBenchAxis* y_;
  TOWExtCollection* cursors_;
};

class TBenchForm : public QObject {
  Q_OBJECT
public slots:
  void Changed(QObject* Sender) { (void)Sender; }
};

QString BigDescription() {
  QString text = QStringLiteral("object Form1: TBenchForm\n");
  for (int i = 0; i < 200; ++i) {
    text += QStringLiteral(
                "  object C%1: TBenchComponent\n"
                "    Enabled = False\n"
                "    Rate = 22050\n"
                "    Title = 'Component %1'\n"
                "    XAxis.Min = 0.25\n"
                "    XAxis.Max = 12.5\n"
                "    XAxis.Caption = 'Time (s)'\n"
                "    YAxis._Floats = ((Min 0.0))\n"
                "    Cursors = <\n"
                "      item\n"
                "        Name = 'tA'\n"
                "        Position = 0.125\n"
                "      end\n"
                "      item\n"
                "        Name = 'tB'\n"
                "      end>\n"
                "    OnChange = Changed\n"
                "  end\n")
                .arg(i);
  }
  return text + QStringLiteral("end\n");
}

void Register() {
  static const bool done = [] {
    TClassRegistry::Instance().Register(QStringLiteral("TBenchComponent"),
                                        [](QObject* o) -> QObject* { return MakeComponent<TBenchComponent>(o); });
    return true;
  }();
  (void)done;
}

void BM_ParseDescription(benchmark::State& state) {
  const QString text = BigDescription();
  for (auto _ : state) benchmark::DoNotOptimize(ParseDescription(text));
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ParseDescription);

void BM_ReadDescription(benchmark::State& state) {
  Register();
  const QString text = BigDescription();
  for (auto _ : state) {
    TBenchForm form;
    ReadDescription(&form, text);
    benchmark::DoNotOptimize(form.children().size());
  }
  state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_ReadDescription)->Unit(benchmark::kMillisecond);

void BM_WriteDescription(benchmark::State& state) {
  Register();
  TBenchForm form;
  ReadDescription(&form, BigDescription());
  for (auto _ : state) benchmark::DoNotOptimize(WriteDescription(&form));
  state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_WriteDescription)->Unit(benchmark::kMillisecond);

}  // namespace

#include "description_read.moc"
