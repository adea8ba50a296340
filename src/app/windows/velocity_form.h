#pragma once
// The pulse velocity measured in the lab: each strike at a known point with
// the pairs recorded for it, the figures of every pair, the velocity fitted
// over all of them and the sensors' corrections; "Use this velocity" puts
// it into the settings.

#include "app/experiment/velocity_fit.h"
#include "forms/controls/form.h"

#include <vector>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TPanel;

class TForm5 : public TForm {
  Q_OBJECT

public:
  explicit TForm5(QWidget* parent = nullptr);

  // The struck point in the fields, mm (from the map's menu).
  void SetStruckPoint(double x, double y);
  int StrikeCount() const { return static_cast<int>(strikes_.size()); }
  const TVelocityFit& Fit() const { return fit_; }

  TEdit* txtStrikeX = nullptr;
  TEdit* txtStrikeY = nullptr;
  TButton* btnAddStrike = nullptr;
  TComboBox* cmbStrikes = nullptr;
  TButton* btnRemove = nullptr;
  TPanel* Panel1 = nullptr;
  TLabel* lblFigures = nullptr;
  TButton* btnUseVelocity = nullptr;

public slots:
  void btnAddStrikeClick(QObject* Sender);
  void btnRemoveClick(QObject* Sender);
  void btnUseVelocityClick(QObject* Sender);

private:
  struct TStrike {
    double x = 0, y = 0;  // mm
    std::vector<TVelocityPair> pairs;
  };
  std::vector<TStrike> strikes_;
  TVelocityFit fit_;
  void Refit();
};
