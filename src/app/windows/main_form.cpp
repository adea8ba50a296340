#include "app/windows/main_form.h"

#include "app/windows/velocity_form.h"

#include "app/windows/acquisition_form.h"
#include "app/experiment/epicenter_answer.h"
#include "app/run/answer_words.h"
#include "app/run/region_picture.h"
#include "app/run/run_words.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/experiment/rounding.h"
#include "app/experiment/settings_file.h"
#include "app/windows/settings_form.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/window_parts.h"
#include "app/windows/windows.h"
#include "forms/controls/components.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"

#include <QBuffer>
#include <algorithm>
#include <QLocale>
#include <QPolygonF>
#include <cmath>
#include <filesystem>

TForm1::TForm1(QWidget* parent) : TForm(parent), lastAnswer_(std::make_unique<TEpicenterAnswer>()) {
  ReadDescriptionFromResource(this, QStringLiteral(":/forms/TForm1.dfm"));
  panel = RequirePart<TPanel>(this, "panel");
  imgMapa = RequirePart<TImage>(this, "imgMapa");
  circ[stA] = RequirePart<TShape>(this, "circA");
  circ[stB] = RequirePart<TShape>(this, "circB");
  circ[stC] = RequirePart<TShape>(this, "circC");
  est[stA] = RequirePart<TImage>(this, "Est_A");
  est[stB] = RequirePart<TImage>(this, "Est_B");
  est[stC] = RequirePart<TImage>(this, "Est_C");
  imgEpicenter = RequirePart<TImage>(this, "imgEpicenter");
  imgStrike = RequirePart<TImage>(this, "imgStrike");
  imgOther = RequirePart<TImage>(this, "imgOther");
  imgUncertainty = RequirePart<TImage>(this, "imgUncertainty");
  lblEpicenter = RequirePart<TLabel>(this, "lblEpicenter");
  BitBtn1 = RequirePart<TBitBtn>(this, "BitBtn1");
  BitBtn2 = RequirePart<TBitBtn>(this, "BitBtn2");
  BitBtn3 = RequirePart<TBitBtn>(this, "BitBtn3");
  btnReset = RequirePart<TBitBtn>(this, "btnReset");
  Label13 = RequirePart<TLabel>(this, "Label13");
  barAjusteRaio = RequirePart<TScrollBar>(this, "barAjusteRaio");
  Image1 = RequirePart<TImage>(this, "Image1");
  mnImgMapa = RequirePart<TPopupMenu>(this, "mnImgMapa");
  ChangeImage1 = RequirePart<TMenuItem>(this, "ChangeImage1");
  StrikeHere1 = RequirePart<TMenuItem>(this, "StrikeHere1");
  StruckHere1 = RequirePart<TMenuItem>(this, "StruckHere1");
  MeasureVelocity1 = RequirePart<TMenuItem>(this, "MeasureVelocity1");
  OpenImage = RequirePart<TOpenPictureDialog>(this, "OpenImage");
  // The shaded region covers part of the map: clicks go through to it.
  imgUncertainty->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Menu items are owned by the form; the menu learns its items here.
  mnImgMapa->Add(ChangeImage1);
  mnImgMapa->Add(StrikeHere1);
  mnImgMapa->Add(StruckHere1);
  mnImgMapa->Add(MeasureVelocity1);
  connect(imgMapa, &TControl::OnMouseDown, this,
          [this](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) { lastMapPress_ = QPoint(X, Y); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(QObject*) {
  TSettingsNotes notes;
  LoadSettings(Experiment, &notes);
  for (int k = stA; k <= stC; ++k) Experiment.circleRadius[k] = 0;
  for (int k = stA; k <= stC; ++k) Experiment.radiusIncrement[k] = 0;
  Experiment.mapScale = kMapScale;
  PlaceStations();
  PlaceCircles();
  // A value edited by hand beyond what the program can work with is not
  // taken; the teacher learns which one, instead of wondering at the default.
  // So is a velocity that is not a whole number of mm/s (one typed from a
  // measurement, say), or a measurement's value that is not a number.
  QStringList unread;
  for (const TUnreadValue& value : notes.unread)
    if (value.section == "VELOCIDADE" || value.section == "VELOCITYMEASURE" ||
        value.why == TUnreadValue::TWhy::BeyondBounds)
      unread << UnreadValueWords(value);
  if (!unread.empty()) {
    unread.prepend(tr("These values of config.ini were not read; the defaults are used instead:"));
    ShowMessage(unread.join(QLatin1Char('\n')));
  }
  // Without its picture the map stays empty; everything else is in place.
  try {
    imgMapa->LoadFromFile(QString::fromStdString(Experiment.imageFileName));
  } catch (const EInvalidGraphic& e) {
    ShowMessage(QString::fromUtf8(e.what()));
  }
}

void TForm1::PlaceStations() {
  // The marker's bottom-left corner (the needle tip) lands on the station.
  for (int k = stA; k <= stC; ++k) {
    TImage* marker = est[k];
    marker->SetLeft(RoundHalfEven32(Experiment.stationX[k] / Experiment.mapScale) + 20);
    marker->SetTop(RoundHalfEven32(Experiment.stationY[k] / Experiment.mapScale) - marker->Height() + 20);
  }
}

void TForm1::PlaceCircles() {
  // Centred on the needle tip (marker height 20).
  for (int k = stA; k <= stC; ++k) {
    TShape* circle = circ[k];
    const int diameter = RoundHalfEven32(2.0 * Experiment.circleRadius[k] / Experiment.mapScale);
    circle->SetWidth(diameter);
    circle->SetHeight(diameter);
    circle->SetTop(est[k]->Top() - circle->Height() / 2 + 20);
    circle->SetLeft(est[k]->Left() - circle->Width() / 2);
  }
}

void TForm1::ApplyRadiusAdjust() {
  for (int k = stA; k <= stC; ++k)
    Experiment.circleRadius[k] = Experiment.radiusIncrement[k] + barAjusteRaio->Position();
  PlaceCircles();
}

void TForm1::imgMapaClick(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
  const int xmm = RoundHalfEven32(X * Experiment.mapScale);
  const int ymm = RoundHalfEven32(Y * Experiment.mapScale);
  imgMapa->SetHint(QStringLiteral("x: %1 mm, y: %2 mm").arg(xmm).arg(ymm));
  // The right button opens the map's menu; taken as a station's place too,
  // the next Apply and Save would move that station unasked.
  if (!Form2 || Button == Qt::RightButton) return;
  // The stations move only when the settings are applied.
  if (Form2->rbtnA->Checked()) {
    Form2->txt_xA->SetText(QString::number(xmm));
    Form2->txt_yA->SetText(QString::number(ymm));
  }
  if (Form2->rbtnB->Checked()) {
    Form2->txt_xB->SetText(QString::number(xmm));
    Form2->txt_yB->SetText(QString::number(ymm));
  }
  if (Form2->rbtnC->Checked()) {
    Form2->txt_xC->SetText(QString::number(xmm));
    Form2->txt_yC->SetText(QString::number(ymm));
  }
}

void TForm1::ChangeImage1Click(QObject*) {
  if (!OpenImage->Execute()) return;
  // A picture that cannot be loaded raises here: name and file stay as they were.
  imgMapa->LoadFromFile(OpenImage->FileName());
  Experiment.imageFileName = StoredPictureName(OpenImage->FileName().toStdString());
  if (!Experiment.runSettingsInForce) {
    SavingSettings([] { SaveSettings(Experiment); });
    return;
  }
  // The run's values are in force, not the lab's: only the picture's name
  // changes in the lab's settings, every other key stays as it is.
  SavingSettings([] { SavePictureName(Experiment.imageFileName); });
}

std::string TForm1::StoredPictureName(const std::string& chosen) {
  // A picture in the working directory (the lab folder) or below it is
  // stored relative to it, so that the folder can be copied elsewhere.
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path dir = fs::weakly_canonical(fs::current_path(ec), ec);
  if (ec) return chosen;
  const fs::path picture = fs::weakly_canonical(fs::absolute(fs::path(chosen), ec), ec);
  if (ec) return chosen;
  const fs::path relative = picture.lexically_relative(dir);
  if (relative.empty() || *relative.begin() == "..") return chosen;
  return relative.string();
}

namespace {
// A map point in millimetres to the map panel's pixels (the map lies 20
// pixels inside the panel).
QPointF PanelPoint(double x, double y) { return {x / Experiment.mapScale + 20, y / Experiment.mapScale + 20}; }
}  // namespace

void TForm1::ShowSolution(const TEpicenterAnswer& answer) {
  *lastAnswer_ = answer;
  previousStrike_ = false;
  ShowRegion(answer);
  imgOther->SetVisible(answer.hasOther);
  if (answer.hasOther) {
    const QPointF at = PanelPoint(answer.otherX, answer.otherY);
    imgOther->SetLeft(RoundHalfEven32(at.x()) - imgOther->Width() / 2);
    imgOther->SetTop(RoundHalfEven32(at.y()) - imgOther->Height() / 2);
  }
  // The region over the marker (a small region lies within its target),
  // the other place's mark over both.
  imgEpicenter->raise();
  imgUncertainty->raise();
  imgOther->raise();
  WriteSolutionText();
}

void TForm1::WriteSolutionText() {
  const TEpicenterAnswer& answer = *lastAnswer_;
  const double x = answer.point.x, y = answer.point.y;
  QStringList lines;
  if (previousStrike_) lines << tr("For the previous strike:");
  lines << tr("Epicenter: x %1 mm, y %2 mm").arg(Millimetres(x), Millimetres(y));
  lines << RegionLines(answer);
  if (const QString why = NoFitSentence(answer, Experiment.pulseVelocity); !why.isEmpty() && answer.BothPairs())
    lines << why;
  if (!previousStrike_ && Form3->ShowsStruckPoint()) {
    const TStrikePoint strike = StrikePoint();
    lines << tr("Struck at x %1 mm, y %2 mm: %3 mm away")
                 .arg(Millimetres(strike.x), Millimetres(strike.y),
                      Millimetres(std::hypot(x - strike.x, y - strike.y)));
  }
  lblEpicenter->SetCaption(lines.join(QLatin1Char('\n')));
}

void TForm1::ShowRegion(const TEpicenterAnswer& answer) {
  QRect cells;
  const QImage shade = RegionPicture(answer.region, &cells);
  if (shade.isNull()) {
    imgUncertainty->SetVisible(false);
    return;
  }
  // One cell is one map pixel.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  shade.save(&buffer, "PNG");
  TPicture picture;
  picture.LoadFromBytes(png, TPicture::Kind::Png);
  imgUncertainty->SetBounds(cells.left() + 20, cells.top() + 20, cells.width(), cells.height());
  imgUncertainty->SetPicture(picture);
  imgUncertainty->SetVisible(true);
}

void TForm1::ShowNoSolution(const TEpicenterAnswer& answer) {
  HideSolution();
  // Why, beside the map, when no point of it fits the times.
  lblEpicenter->SetCaption(NoFitSentence(answer, Experiment.pulseVelocity));
}

void TForm1::HideSolution() {
  lastAnswer_->ran = false;
  imgOther->SetVisible(false);
  imgUncertainty->SetVisible(false);
  lblEpicenter->SetCaption(QString());
}

void TForm1::OfferStrikePoint(bool offered) {
  StrikeHere1->SetVisible(offered);
  StruckHere1->SetVisible(!offered);
  imgStrike->SetVisible(offered || StrikePointMarked());
  PlaceStrikeMarker();
}

void TForm1::ShowMarkedStrikePoint(TStrikePoint point) {
  MarkStrikePoint(point);
  imgStrike->SetVisible(true);
  PlaceStrikeMarker();
  // The answer shown is this strike's: it gains the distance to the mark.
  if (lastAnswer_->ran && !previousStrike_) WriteSolutionText();
}

void TForm1::PlaceStrikeMarker() {
  // Centred on the point; the map lies 20 pixels inside the panel.
  const TStrikePoint p = StrikePoint();
  imgStrike->SetLeft(RoundHalfEven32(p.x / Experiment.mapScale) + 20 - imgStrike->Width() / 2);
  imgStrike->SetTop(RoundHalfEven32(p.y / Experiment.mapScale) + 20 - imgStrike->Height() / 2);
  imgStrike->raise();
}

// The velocity window opens with the struck point where the menu was
// opened: the user right-clicks where the ground was struck.
void TForm1::MeasureVelocity1Click(QObject*) {
  Form5->SetStruckPoint(lastMapPress_.x() * Experiment.mapScale, lastMapPress_.y() * Experiment.mapScale);
  Form5->Show();
}

void TForm1::StrikeHere1Click(QObject*) {
  SetStrikePoint({lastMapPress_.x() * Experiment.mapScale, lastMapPress_.y() * Experiment.mapScale});
  Form5->SetStruckPoint(lastMapPress_.x() * Experiment.mapScale, lastMapPress_.y() * Experiment.mapScale);
  PlaceStrikeMarker();
  // The answer shown belongs to the strike before.
  if (lastAnswer_->ran && !previousStrike_) {
    previousStrike_ = true;
    WriteSolutionText();
  }
}

void TForm1::StruckHere1Click(QObject*) {
  const TStrikePoint point{lastMapPress_.x() * Experiment.mapScale, lastMapPress_.y() * Experiment.mapScale};
  Form5->SetStruckPoint(point.x, point.y);
  ShowMarkedStrikePoint(point);
}

void TForm1::barAjusteRaioChange(QObject*) { ApplyRadiusAdjust(); }

void TForm1::btnResetClick(QObject*) {
  Form3->ResetScopes();
  Experiment.timeA_AB = 0;
  Experiment.timeA_AC = 0;
  Experiment.timeB = 0;
  Experiment.timeC = 0;
  for (int k = stA; k <= stC; ++k) Experiment.radiusIncrement[k] = 0;
  Form3->UpdateReadOut();
  PlaceCircles();
  for (TShape* circle : circ) {
    circle->SetWidth(0);
    circle->SetHeight(0);
  }
  imgEpicenter->SetVisible(false);
  HideSolution();
  barAjusteRaio->SetPosition(0);
  // The next strike is somewhere else until marked; the simulated sensors
  // keep striking where they were told.
  ForgetStrikePointMark();
  if (!StrikeHere1->Visible()) imgStrike->SetVisible(false);
}

void TForm1::BitBtn1Click(QObject*) {
  Form2->SetEnabled(true);
  Form2->Show();
}

void TForm1::BitBtn2Click(QObject*) {
  Form4->SetEnabled(true);
  Form4->Show();
}

void TForm1::BitBtn3Click(QObject*) {
  Form3->SetEnabled(true);
  Form3->Show();
}
