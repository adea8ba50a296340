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

#include <cmath>
#include <stdexcept>

namespace {

double Coordinate(TEdit* field, const char* axis) {
  double value = 0;
  if (!ParseNumber(field->Text().trimmed().toStdString(), value))
    throw std::runtime_error(std::string("Type the struck point's ") + axis + " in mm (a number with a dot)");
  return value;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

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
  txtStrikeX->SetText(Text(FixedPoint(x, 0)));
  txtStrikeY->SetText(Text(FixedPoint(y, 0)));
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
    throw std::runtime_error("Record pair A+B or A+C of this strike first (both of its times must be set)");
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
  const QString value = Text(ValueWithUncertainty(fit_.velocity, fit_.uncertainty));
  if (!AskYesNo(QStringLiteral("Use %1 mm/s as the pulse velocity and save it in the settings?").arg(value))) return;
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
    items << QStringLiteral("Strike %1 at (%2, %3) mm: %4")
                 .arg(k + 1)
                 .arg(Text(FixedPoint(s.x, 0)), Text(FixedPoint(s.y, 0)), recorded.join(QStringLiteral(", ")));
  }
  cmbStrikes->SetItems(items);
  btnRemove->SetEnabled(!strikes_.empty());
  fit_ = FitVelocity(pairs);
  btnUseVelocity->SetEnabled(fit_.told);
  if (strikes_.empty()) {
    lblFigures->SetCaption(QStringLiteral("Strike at a known point, record one or both pairs, then press Add Strike."));
    return;
  }
  QStringList lines;
  std::size_t i = 0;
  for (std::size_t k = 0; k < strikes_.size(); ++k)
    for (const TVelocityPair& p : strikes_[k].pairs) {
      const TPairFigures& f = fit_.pairs[i++];
      const QString head = QStringLiteral("Strike %1, %2: ").arg(k + 1).arg(QString::fromLatin1(kPairLabel[p.pair]));
      if (f.refused) {
        lines << head + QStringLiteral("refused: ") + Text(f.reason);
        continue;
      }
      lines << head + QStringLiteral("delay %1 ms, difference %2 mm, velocity %3 mm/s")
                          .arg(Text(FixedPoint(1000 * p.delay, 3)), Text(FixedPoint(p.difference, 1)),
                               Text(ValueWithUncertainty(f.velocity, f.uncertainty)));
    }
  lines << QString();
  if (!fit_.told) {
    lines << QStringLiteral("Velocity: not measured: ") + Text(fit_.reason);
  } else {
    lines << QStringLiteral("Velocity: %1 mm/s").arg(Text(ValueWithUncertainty(fit_.velocity, fit_.uncertainty)));
    if (fit_.hasCorrections) {
      QStringList parts;
      for (int k = 0; k < 2; ++k)
        if (fit_.recorded[k])
          parts << QStringLiteral("%1 %2 ms")
                       .arg(QLatin1String(k == 0 ? "B" : "C"),
                            Text(ValueWithUncertainty(1000 * fit_.correction[k], 1000 * fit_.correctionUncertainty[k])));
      lines << QStringLiteral("Corrections (late beside A): ") + parts.join(QStringLiteral(", "));
    } else {
      lines << QStringLiteral("Corrections not fitted: ") + Text(fit_.correctionsNote);
    }
  }
  lblFigures->SetCaption(lines.join(QLatin1Char('\n')));
}
