#include "app/windows/velocity_form.h"

#include "app/experiment/experiment_state.h"
#include "app/experiment/fitting_region.h"
#include "app/experiment/numbers.h"
#include "app/experiment/settings_file.h"
#include "app/run/run_folder.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/acquisition_form.h"
#include "app/windows/main_form.h"
#include "app/windows/questions.h"
#include "app/windows/settings_form.h"
#include "app/windows/window_parts.h"
#include "app/windows/windows.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"

#include <QLocale>
#include <cmath>
#include <stdexcept>

namespace {

double Coordinate(TEdit* field, const char* axis) {
  double value = 0;
  // Typed as the language writes numbers, or with a dot as the files do.
  QString text = field->Text().trimmed();
  text.replace(QLocale().decimalPoint(), QStringLiteral("."));
  if (!ParseNumber(text.toStdString(), value))
    throw std::runtime_error(
        TForm5::tr("Type the struck point's %1 in mm (a number with a dot)").arg(QLatin1String(axis)).toStdString());
  return value;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString Number(double value, int decimals) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals);
}

QString Sensor(int pair) { return pair == 0 ? QStringLiteral("B") : QStringLiteral("C"); }

QString WhereToStrike(int pair) {
  return TForm5::tr("strike in line with A and %1, outside the segment between them, where the difference is largest")
      .arg(Sensor(pair));
}

// Why a pair tells no velocity, in the windows' language.
QString RefusalText(const TVelocityPair& p, const TPairFigures& f) {
  switch (f.refusal) {
    case TPairRefusal::Unknown: return TForm5::tr("its delay or its uncertainty is not known");
    case TPairRefusal::NearlyEqual:
      return TForm5::tr("the strike is nearly as far from %1 as from A (difference %2 mm), so its delay cannot tell the "
                        "velocity; %3")
          .arg(Sensor(p.pair), Number(p.difference, 1), WhereToStrike(p.pair));
    case TPairRefusal::TooSmall:
      return TForm5::tr("its difference (%1 mm) is too small for about %2 mm/s: one delay uncertainty changes its "
                        "velocity by %3 %, more than %4 %; %5")
          .arg(Number(p.difference, 1), Number(f.fitVelocity, 0), Number(100 * f.share, 0),
               Number(100 * kMaxRelativeUncertainty, 0),
               f.stationsTooClose
                   ? TForm5::tr("no strike gives more than the %1 mm between A and %2 (%3 mm needed): place the "
                                "stations farther apart or record at a higher rate")
                         .arg(Number(p.separation, 1), Sensor(p.pair), Number(f.needed, 1))
                   : WhereToStrike(p.pair));
    default: return Text(f.reason);
  }
}

QString FailureText(const TVelocityFit& fit) {
  switch (fit.failure) {
    case TFitFailure::NoPair: return TForm5::tr("no pair can tell the velocity");
    case TFitFailure::NotGrowing:
      return TForm5::tr("the delays do not grow with the distance difference: check the struck points and which "
                        "sensor is on which input");
    default: return Text(fit.reason);
  }
}

QString CorrectionsNoteText(const TVelocityFit& fit) {
  if (fit.oneDifference < 0) return Text(fit.correctionsNote);
  return TForm5::tr("the strikes give sensor %1 one distance difference only, so its delay cannot be told from the "
                    "velocity; strike at points nearer to A and nearer to %1")
      .arg(Sensor(fit.oneDifference));
}

// A figure the experiment wrote with a dot ("480 \u00b1 20", "-1.25"), as the
// windows' language writes numbers.
QString Figure(const std::string& s) {
  QString text = QString::fromStdString(s);
  text.replace(u'.', QLocale().decimalPoint());
  return text;
}

}  // namespace

TForm5::TForm5(QWidget* parent) : TForm(parent) {
  ReadDescriptionFromResource(this, QStringLiteral(":/forms/TForm5.dfm"));
  txtStrikeX = RequirePart<TEdit>(this, "txtStrikeX");
  txtStrikeY = RequirePart<TEdit>(this, "txtStrikeY");
  btnAddStrike = RequirePart<TButton>(this, "btnAddStrike");
  cmbStrikes = RequirePart<TComboBox>(this, "cmbStrikes");
  btnRemove = RequirePart<TButton>(this, "btnRemove");
  Panel1 = RequirePart<TPanel>(this, "Panel1");
  lblFigures = RequirePart<TLabel>(this, "lblFigures");
  btnUseVelocity = RequirePart<TButton>(this, "btnUseVelocity");
}

void TForm5::SetStruckPoint(double x, double y) {
  txtStrikeX->SetText(Figure(FixedPoint(x, 0)));
  txtStrikeY->SetText(Figure(FixedPoint(y, 0)));
}

void TForm5::btnAddStrikeClick(QObject*) {
  TStrike strike;
  strike.x = Coordinate(txtStrikeX, "x");
  strike.y = Coordinate(txtStrikeY, "y");
  // The times in force: those of the acquisition window, recorded or opened.
  const TRun run = Form3->CurrentRun();
  const TExperimentState& s = run.state;
  const double toA = std::hypot(strike.x - s.stationX[stA], strike.y - s.stationY[stA]);
  for (int p = 0; p < 2; ++p) {
    if (!run.PairTimed(p)) continue;
    const int right = p == 0 ? stB : stC;
    TVelocityPair pair;
    pair.pair = p;
    pair.difference = std::hypot(strike.x - s.stationX[right], strike.y - s.stationY[right]) - toA;
    pair.delay = RunTimeOf(s, 2 * p + 1) - RunTimeOf(s, 2 * p);
    const TTimeReading first{run.how[2 * p] == TTimeHow::Dragged, run.pixelSeconds[2 * p]};
    const TTimeReading second{run.how[2 * p + 1] == TTimeHow::Dragged, run.pixelSeconds[2 * p + 1]};
    pair.uncertainty = DelayUncertainty(s.acquisitionRate, first, second);
    pair.separation = std::hypot(s.stationX[right] - s.stationX[stA], s.stationY[right] - s.stationY[stA]);
    strike.pairs.push_back(pair);
  }
  if (strike.pairs.empty())
    throw std::runtime_error(tr("Record pair A+B or A+C of this strike first (both of its times must be set)").toStdString());
  strikes_.push_back(strike);
  // With real sensors the typed point is where this run was struck: it is
  // marked on the map and kept when the run is saved.
  if (!UsesSimulatedSensors(Form3->AI)) Form1->ShowMarkedStrikePoint({strike.x, strike.y});
  Refit();
  cmbStrikes->SetItemIndex(StrikeCount() - 1);
}

void TForm5::btnRemoveClick(QObject*) {
  const int index = cmbStrikes->ItemIndex();
  if (index < 0 || index >= StrikeCount()) return;
  strikes_.erase(strikes_.begin() + index);
  Refit();
  cmbStrikes->SetItemIndex(std::min(index, StrikeCount() - 1));
}

void TForm5::btnUseVelocityClick(QObject*) {
  if (!fit_.told) return;
  const long rounded = std::lround(fit_.velocity);
  if (const std::string error = PulseVelocityError(static_cast<int32_t>(std::clamp(rounded, 0L, 2147483647L)));
      !error.empty())
    throw std::runtime_error(error);
  const QString value = Figure(ValueWithUncertainty(fit_.velocity, fit_.uncertainty));
  if (!AskYesNo(tr("Use %1 mm/s as the pulse velocity and save it in the settings?").arg(value))) return;
  // Saved as "Apply and Save" saves the settings dialog, with the
  // measurement's uncertainty and corrections beside the velocity.
  const TExperimentState before = Experiment;
  Experiment.velocityUncertainty = fit_.uncertainty;
  for (int k = 0; k < 2; ++k) {
    Experiment.sensorCorrection[k] = fit_.hasCorrections ? fit_.correction[k] : 0.0;
    Experiment.sensorCorrectionUncertainty[k] = fit_.hasCorrections ? fit_.correctionUncertainty[k] : 0.0;
  }
  try {
    Form2->ApplyMeasuredVelocity(static_cast<int32_t>(rounded));
  } catch (...) {
    Experiment.velocityUncertainty = before.velocityUncertainty;
    for (int k = 0; k < 2; ++k) {
      Experiment.sensorCorrection[k] = before.sensorCorrection[k];
      Experiment.sensorCorrectionUncertainty[k] = before.sensorCorrectionUncertainty[k];
    }
    throw;
  }
}

void TForm5::Refit() {
  std::vector<TVelocityPair> pairs;
  QStringList items;
  for (std::size_t k = 0; k < strikes_.size(); ++k) {
    const TStrike& s = strikes_[k];
    QStringList recorded;
    for (const TVelocityPair& p : s.pairs) {
      pairs.push_back(p);
      recorded << QString::fromLatin1(kPairLabel[p.pair]);
    }
    items << tr("Strike %1 at (%2, %3) mm: %4")
                 .arg(k + 1)
                 .arg(Figure(FixedPoint(s.x, 0)), Figure(FixedPoint(s.y, 0)), recorded.join(QStringLiteral(", ")));
  }
  cmbStrikes->SetItems(items);
  btnRemove->SetEnabled(!strikes_.empty());
  fit_ = FitVelocity(pairs);
  btnUseVelocity->SetEnabled(fit_.told);
  if (strikes_.empty()) {
    lblFigures->SetCaption(tr("Strike at a known point, record one or both pairs, then press Add Strike."));
    return;
  }
  QStringList lines;
  std::size_t i = 0;
  for (std::size_t k = 0; k < strikes_.size(); ++k)
    for (const TVelocityPair& p : strikes_[k].pairs) {
      const TPairFigures& f = fit_.pairs[i++];
      const QString head = tr("Strike %1, %2: ").arg(k + 1).arg(QString::fromLatin1(kPairLabel[p.pair]));
      if (f.refused) {
        lines << head + tr("refused: %1").arg(RefusalText(p, f));
        continue;
      }
      lines << head + tr("delay %1 ms, difference %2 mm, velocity %3 mm/s")
                          .arg(Figure(FixedPoint(1000 * p.delay, 3)), Figure(FixedPoint(p.difference, 1)),
                               Figure(ValueWithUncertainty(f.velocity, f.uncertainty)));
    }
  lines << QString();
  if (!fit_.told) {
    lines << tr("Velocity: not measured: %1").arg(FailureText(fit_));
  } else {
    lines << tr("Velocity: %1 mm/s").arg(Figure(ValueWithUncertainty(fit_.velocity, fit_.uncertainty)));
    if (fit_.hasCorrections) {
      QStringList parts;
      for (int k = 0; k < 2; ++k)
        if (fit_.recorded[k])
          parts << QStringLiteral("%1 %2 ms")
                       .arg(QLatin1String(k == 0 ? "B" : "C"),
                            Figure(ValueWithUncertainty(1000 * fit_.correction[k], 1000 * fit_.correctionUncertainty[k])));
      lines << tr("Corrections (late beside A): %1").arg(parts.join(QStringLiteral(", ")));
    } else {
      lines << tr("Corrections not fitted: %1").arg(CorrectionsNoteText(fit_));
    }
  }
  lblFigures->SetCaption(lines.join(QLatin1Char('\n')));
}
