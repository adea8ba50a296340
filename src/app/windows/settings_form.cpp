#include "app/windows/settings_form.h"

#include "app/run/run_words.h"
#include "app/windows/acquisition_form.h"
#include "app/windows/convert.h"
#include "app/experiment/epicenter_solver.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/experiment/settings_file.h"
#include "app/windows/window_parts.h"
#include "app/windows/windows.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"
#include "draw/message_service.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

TForm2::TForm2(QWidget* parent) : TForm(parent) {
  ReadDescriptionFromResource(this, QStringLiteral(":/forms/TForm2.dfm"));
  btnAplicar = RequirePart<TButton>(this, "btnAplicar");
  PageControl1 = RequirePart<TPageControl>(this, "PageControl1");
  rbtnA = RequirePart<TRadioButton>(this, "rbtnA");
  rbtnB = RequirePart<TRadioButton>(this, "rbtnB");
  rbtnC = RequirePart<TRadioButton>(this, "rbtnC");
  txt_xA = RequirePart<TEdit>(this, "txt_xA");
  txt_yA = RequirePart<TEdit>(this, "txt_yA");
  txt_xB = RequirePart<TEdit>(this, "txt_xB");
  txt_yB = RequirePart<TEdit>(this, "txt_yB");
  txt_xC = RequirePart<TEdit>(this, "txt_xC");
  txt_yC = RequirePart<TEdit>(this, "txt_yC");
  txt_vel = RequirePart<TEdit>(this, "txt_vel");
  cmbTempo = RequirePart<TComboBox>(this, "cmbTempo");
  cmbTaxa = RequirePart<TComboBox>(this, "cmbTaxa");
  barLevel = RequirePart<TScrollBar>(this, "barLevel");
  cmbPick = RequirePart<TComboBox>(this, "cmbPick");
  btnLevelFromNoise = RequirePart<TButton>(this, "btnLevelFromNoise");
  lblLevel = RequirePart<TLabel>(this, "lblLevel");
  chkShowCircles = RequirePart<TCheckBox>(this, "chkShowCircles");
}

QString TForm2::LevelText(int position) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(position / 10.0, 'g', 15) + QStringLiteral(" %");
}

void TForm2::FormCreate(QObject*) {
  txt_xA->SetText(QString::number(Experiment.stationX[stA]));
  txt_yA->SetText(QString::number(Experiment.stationY[stA]));
  txt_xB->SetText(QString::number(Experiment.stationX[stB]));
  txt_yB->SetText(QString::number(Experiment.stationY[stB]));
  txt_xC->SetText(QString::number(Experiment.stationX[stC]));
  txt_yC->SetText(QString::number(Experiment.stationY[stC]));
  txt_vel->SetText(QString::number(Experiment.pulseVelocity));
  cmbTempo->SetText(QString::number(Experiment.acquisitionTime));
  cmbTaxa->SetText(QString::number(Experiment.acquisitionRate));
  // Raises barLevelChange only when the position actually moves from 0.
  barLevel->SetPosition(Experiment.detectionLevel);
  cmbPick->SetItemIndex(static_cast<int>(Experiment.pickMethod));
}

void TForm2::barLevelChange(QObject*) {
  Experiment.detectionLevel = barLevel->Position();
  lblLevel->SetCaption(LevelText(barLevel->Position()));
  if (Experiment.detectionLevel == 0) Form3->DetectionLevelZero();
}

void TForm2::chkShowCirclesClick(QObject*) {
  for (TShape* circle : Form1->circ) circle->SetVisible(chkShowCircles->Checked());
}

namespace {

int32_t StationCoordinate(TEdit* field, const char* axis, const char* station, double mapExtent) {
  const int32_t value = StrToInt(field->Text());
  if (value < 0 || value > mapExtent)
    throw std::runtime_error(TForm2::tr("Coord. %1 of station %2 must be between 0 and %3 mm, on the map")
                                 .arg(QLatin1String(axis), QLatin1String(station))
                                 .arg(int(mapExtent))
                                 .toStdString());
  return value;
}

}  // namespace

void TForm2::ApplyMeasuredVelocity(int32_t velocity) {
  const QString typed = txt_vel->Text();
  txt_vel->SetText(QString::number(velocity));
  applyingMeasurement_ = true;
  try {
    btnAplicarClick(btnAplicar);
  } catch (...) {
    applyingMeasurement_ = false;
    txt_vel->SetText(typed);
    throw;
  }
  applyingMeasurement_ = false;
}

void TForm2::btnAplicarClick(QObject*) {
  // Each field goes to the state as it is read: a bad one stops the
  // sequence with the fields before it already taken.
  // A station off the map has no pin to show, and a pulse from the map
  // would reach it only after the block ends.
  Experiment.stationX[stA] = StationCoordinate(txt_xA, "X", "A", kMapWidthMm);
  Experiment.stationY[stA] = StationCoordinate(txt_yA, "Y", "A", kMapHeightMm);
  Experiment.stationX[stB] = StationCoordinate(txt_xB, "X", "B", kMapWidthMm);
  Experiment.stationY[stB] = StationCoordinate(txt_yB, "Y", "B", kMapHeightMm);
  Experiment.stationX[stC] = StationCoordinate(txt_xC, "X", "C", kMapWidthMm);
  Experiment.stationY[stC] = StationCoordinate(txt_yC, "Y", "C", kMapHeightMm);
  const int32_t velocity = StrToInt(txt_vel->Text());
  const int32_t time = StrToInt(cmbTempo->Text());
  const int32_t rate = StrToInt(cmbTaxa->Text());
  // Refused before anything moves or is saved: no pulse would ever arrive,
  // or the capture could not make the blocks, or not keep them queued.
  if (const QString bound = PulseVelocityWords(velocity); !bound.isEmpty()) throw std::runtime_error(bound.toStdString());
  if (const QString bound = AcquisitionBoundsWords(time, rate); !bound.isEmpty())
    throw std::runtime_error(bound.toStdString());
  // The measurement's uncertainty and corrections belong to the velocity it
  // gave: a velocity typed over it is stated without them.
  if (velocity != Experiment.pulseVelocity && !applyingMeasurement_) {
    Experiment.velocityUncertainty = 0;
    for (int k = 0; k < 2; ++k) Experiment.sensorCorrection[k] = Experiment.sensorCorrectionUncertainty[k] = 0;
  }
  Experiment.pulseVelocity = velocity;
  Experiment.acquisitionTime = time;
  Experiment.acquisitionRate = rate;
  if (cmbPick->ItemIndex() >= 0 && cmbPick->ItemIndex() <= static_cast<int>(TPickMethod::Correlation))
    Experiment.pickMethod = static_cast<TPickMethod>(cmbPick->ItemIndex());
  Form1->PlaceStations();
  Form1->PlaceCircles();
  // What the dialog shows is now the lab's, whatever run was opened.
  Experiment.runSettingsInForce = false;
  // A map in the lab folder is named relative to it, as choosing it does.
  TExperimentState saved = Experiment;
  saved.imageFileName = TForm1::StoredPictureName(Experiment.imageFileName);
  SavingSettings([&] { SaveSettings(saved); });
  Form3->ApplyCaptureSettings();
}

namespace {
// Long enough for the hum's beats and a few noise bursts to show.
constexpr double kIdleSeconds = 2.0;
// Over a whole lesson the noise reaches higher than in a few seconds.
constexpr double kIdleMargin = 1.5;
}  // namespace

void TForm2::btnLevelFromNoiseClick(QObject*) {
  const TForm4::TIdleNoise idle = Form4->IdleNoise();
  if (idle.seconds < kIdleSeconds) {
    ShowMessage(tr("Open Listen Sensors, press Listen Now and keep the sensors still for %1 seconds; "
                    "then press Level from Idle Noise again.")
                    .arg(kIdleSeconds));
    return;
  }
  const double highest = std::max(idle.peak[0], idle.peak[1]);
  const int level = std::max(1, static_cast<int>(std::ceil(kIdleMargin * highest * 1000.0 - 1e-9)));
  const QString reached = tr("The idle inputs reached %1 (left) and %2 (right) of full scale in %3 s")
                              .arg(LevelText(static_cast<int>(std::ceil(idle.peak[0] * 1000.0 - 1e-9))),
                                   LevelText(static_cast<int>(std::ceil(idle.peak[1] * 1000.0 - 1e-9))))
                              .arg(std::lround(idle.seconds));
  if (level > barLevel->Max()) {
    ShowMessage(reached + tr(": no level above them is left for a pulse. Quieten the inputs (cables, "
                             "mains hum, a sensor knocked) or pick arrivals by onset or correlation."));
    return;
  }
  barLevel->SetPosition(level);
  ShowMessage(reached + tr("; the level is set half as high again, to %1. Press Apply and Save to keep it.")
                            .arg(LevelText(level)));
}
