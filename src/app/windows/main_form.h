#pragma once
// The main window: the map with the station markers, the trilateration
// circles and the epicenter marker; opens the working windows.

#include "app/sensors/simulated_sensors.h"
#include "forms/controls/form.h"

#include <QPoint>
#include <memory>
#include <string>

struct TEpicenterAnswer;
class TBitBtn;
class TImage;
class TLabel;
class TMenuItem;
class TOpenPictureDialog;
class TPanel;
class TPopupMenu;
class TScrollBar;
class TShape;

class TForm1 : public TForm {
  Q_OBJECT

public:
  // Builds the window from its description; the creation handler runs
  // separately (DoCreate), once the window is reachable as Form1.
  explicit TForm1(QWidget* parent = nullptr);

  // Map geometry.
  void PlaceStations();
  void PlaceCircles();
  void ApplyRadiusAdjust();
  // The simulated sensors' struck point: "Strike here" in the map's menu
  // while they are in use, and a small cross on the map. With real sensors
  // the menu offers "I struck here" instead, and the cross shows the mark.
  void OfferStrikePoint(bool offered);
  // Real sensors: the user's mark of the struck point, shown with the cross.
  void ShowMarkedStrikePoint(TStrikePoint point);
  void PlaceStrikeMarker();
  // The name a chosen map picture is saved under: relative to the working
  // directory when it lies in it or below, else as chosen.
  static std::string StoredPictureName(const std::string& chosen);
  // Beside the epicenter marker after a solve at (x, y) mm: the region the
  // point may lie in with the times known to one sample, the other point
  // that fits the same times (if any) and the read-out saying so.
  void ShowSolution(const TEpicenterAnswer& answer);
  // No point accepted: the marks go, and the text says why no point of the
  // map fits the times when none does.
  void ShowNoSolution(const TEpicenterAnswer& answer);
  void HideSolution();
  ~TForm1() override;

  TPanel* panel = nullptr;
  TImage* imgMapa = nullptr;
  TShape* circ[3] = {};  // circA, circB, circC
  TImage* est[3] = {};   // Est_A, Est_B, Est_C
  TImage* imgEpicenter = nullptr;
  TImage* imgStrike = nullptr;
  TImage* imgOther = nullptr;
  TImage* imgUncertainty = nullptr;
  TLabel* lblEpicenter = nullptr;
  TBitBtn* BitBtn1 = nullptr;
  TBitBtn* BitBtn2 = nullptr;
  TBitBtn* BitBtn3 = nullptr;
  TBitBtn* btnReset = nullptr;
  TLabel* Label13 = nullptr;
  TScrollBar* barAjusteRaio = nullptr;
  TImage* Image1 = nullptr;
  TPopupMenu* mnImgMapa = nullptr;
  TMenuItem* ChangeImage1 = nullptr;
  TMenuItem* StrikeHere1 = nullptr;
  TMenuItem* StruckHere1 = nullptr;
  TMenuItem* MeasureVelocity1 = nullptr;
  TOpenPictureDialog* OpenImage = nullptr;

public slots:
  void FormCreate(QObject* Sender);
  void imgMapaClick(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void ChangeImage1Click(QObject* Sender);
  void StrikeHere1Click(QObject* Sender);
  void StruckHere1Click(QObject* Sender);
  void MeasureVelocity1Click(QObject* Sender);
  void barAjusteRaioChange(QObject* Sender);
  void btnResetClick(QObject* Sender);
  void BitBtn1Click(QObject* Sender);
  void BitBtn2Click(QObject* Sender);
  void BitBtn3Click(QObject* Sender);

private:
  QPoint lastMapPress_;  // map pixels of the last press, where the menu opened
  // The answer shown; after a new struck point it is said to be the
  // previous strike's.
  std::unique_ptr<TEpicenterAnswer> lastAnswer_;
  bool previousStrike_ = false;
  void ShowRegion(const TEpicenterAnswer& answer);
  void WriteSolutionText();
};
