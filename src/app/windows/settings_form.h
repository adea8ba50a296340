#pragma once
// The settings dialog: station positions, pulse velocity, acquisition time
// and rate, detection level and the circles' visibility.

#include "forms/controls/form.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TPageControl;
class TRadioButton;
class TScrollBar;

class TForm2 : public TForm {
  Q_OBJECT

public:
  explicit TForm2(QWidget* parent = nullptr);

  TButton* btnAplicar = nullptr;
  TPageControl* PageControl1 = nullptr;
  TRadioButton* rbtnA = nullptr;
  TRadioButton* rbtnB = nullptr;
  TRadioButton* rbtnC = nullptr;
  TEdit* txt_xA = nullptr;
  TEdit* txt_yA = nullptr;
  TEdit* txt_xB = nullptr;
  TEdit* txt_yB = nullptr;
  TEdit* txt_xC = nullptr;
  TEdit* txt_yC = nullptr;
  TEdit* txt_vel = nullptr;
  TComboBox* cmbTempo = nullptr;
  TComboBox* cmbTaxa = nullptr;
  TScrollBar* barLevel = nullptr;
  TComboBox* cmbPick = nullptr;  // "Pick arrivals by": level, onset, correlation
  TButton* btnLevelFromNoise = nullptr;
  TLabel* lblLevel = nullptr;
  TCheckBox* chkShowCircles = nullptr;

  // The level read-out for a bar position: position / 10 as a general
  // number with the locale's decimal separator, then " %".
  static QString LevelText(int position);

  // "Apply and Save" with `velocity` in the velocity field, keeping the
  // measurement it came from (a velocity typed by hand sets it aside). The
  // field goes back to what was typed when the settings are refused.
  void ApplyMeasuredVelocity(int32_t velocity);

public slots:
  void FormCreate(QObject* Sender);
  void btnAplicarClick(QObject* Sender);
  void barLevelChange(QObject* Sender);
  void chkShowCirclesClick(QObject* Sender);
  // The level just above what the idle inputs reached in the listen
  // monitor, as a careful teacher would set it.
  void btnLevelFromNoiseClick(QObject* Sender);

private:
  bool applyingMeasurement_ = false;
};
