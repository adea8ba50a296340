#include "app/windows/acquisition_form.h"

#include "app/run/pick_words.h"

#include "app/windows/capture_errors.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/picks/level_pick.h"
#include "app/experiment/picks/pair_pick.h"
#include "app/experiment/experiment_state.h"
#include "app/windows/listen_form.h"
#include "app/windows/main_form.h"
#include "app/experiment/pulse_detection.h"
#include "app/run/run_folder.h"
#include "app/run/run_csv.h"
#include "app/run/run_folder_report.h"
#include "app/commands/startup.h"
#include "app/windows/questions.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/window_parts.h"
#include "app/windows/windows.h"
#include "app/experiment/rounding.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "buffers/simple_data_buffer.h"
#include "draw/message_service.h"
#include "forms/controls/components.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"
#include "pins/component.h"
#include "pins/operations.h"
#include "pins/typed_pins.h"
#include "scope/model/display_component.h"
#include "scope/axes/legend_custom_groups.h"
#include "scope/scope.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

TForm3::TForm3(QWidget* parent) : TForm(parent), answer_(std::make_unique<TEpicenterAnswer>()) {
  ReadDescriptionFromResource(this, QStringLiteral(":/forms/TForm3.dfm"));
  ScpAB = RequirePart<TSLScope>(this, "ScpAB");
  ScpAC = RequirePart<TSLScope>(this, "ScpAC");
  Panel1 = RequirePart<TPanel>(this, "Panel1");
  chkAutomaticTime = RequirePart<TCheckBox>(this, "chkAutomaticTime");
  chkHold = RequirePart<TCheckBox>(this, "chkHold");
  seletor = RequirePart<TTrackBar>(this, "seletor");
  Image1 = RequirePart<TImage>(this, "Image1");
  Image2 = RequirePart<TImage>(this, "Image2");
  btnEpicenter = RequirePart<TBitBtn>(this, "btnEpicenter");
  {
    // The button's words are drawn in its picture: written there in the
    // windows' language (English leaves the picture as it is).
    const QString first = tr("Find", "the Find Epicenter button's picture, first line");
    const QString second = tr("Epicenter", "the Find Epicenter button's picture, second line");
    QByteArray glyph = btnEpicenter->Glyph();
    if (first != QLatin1String("Find") || second != QLatin1String("Epicenter")) {
      glyph.replace(">Find</text>", ">" + first.toHtmlEscaped().toUtf8() + "</text>");
      glyph.replace(">Epicenter</text>", ">" + second.toHtmlEscaped().toUtf8() + "</text>");
      btnEpicenter->SetGlyph(glyph);
    }
  }
  btnSaveRun = RequirePart<TButton>(this, "btnSaveRun");
  btnOpenRun = RequirePart<TButton>(this, "btnOpenRun");
  btnExportCsv = RequirePart<TButton>(this, "btnExportCsv");
  dlgRunFolder = RequirePart<TFolderDialog>(this, "dlgRunFolder");
  AI = RequirePart<TALAudioIn>(this, "AI");
  A2R = RequirePart<TALAudioToReal>(this, "A2R");
  captureFailures_ = new TCaptureFailures(AI, this);
  for (TSLScope* scope : {ScpAB, ScpAC}) {
    // A value the time axis's text would round (a 1.4 ms delay reads 0.00
    // with the decimals of the tick step) is shown with three significant
    // digits: the delay label, its drag preview and the cursor values.
    connect(scope->XAxis(), &TSLDisplayAxis::OnCustomLabel, this, [](QObject*, double value, QString& text) {
      QLocale locale;
      locale.setNumberOptions(QLocale::OmitGroupSeparator);
      bool ok = false;
      const double shown = locale.toDouble(text, &ok);
      if (ok && std::abs(shown - value) <= 1e-9 * std::max(1.0, std::abs(value))) return;
      text = locale.toString(value, 'g', 3);
    });
    // The wheel over the traces zooms time only, about the pointer: the
    // amplitude range is fixed anyway, and the onset stays in view.
    auto wheel = [scope](bool down, const QPoint& p, bool& handled) {
      if (!scope->DataViewRect().contains(p)) return;
      scope->XAxis()->ZoomAtPoint(p, down ? 1.1 : 0.9);
      handled = true;
    };
    connect(scope, &TSLDataDisplay::OnMouseWheelDown, this,
            [wheel](QObject*, Qt::KeyboardModifiers, QPoint p, bool& handled) { wheel(true, p, handled); });
    connect(scope, &TSLDataDisplay::OnMouseWheelUp, this,
            [wheel](QObject*, Qt::KeyboardModifiers, QPoint p, bool& handled) { wheel(false, p, handled); });
  }
  AddReadOut(ScpAB, 0);
  AddReadOut(ScpAC, 1);
}

struct TForm3::TRunPlayback {
  TLPComponent owner;
  TSLOWRealSourcePin left{&owner, nullptr, 0, nullptr, false, owner.Lock()};
  TSLOWRealSourcePin right{&owner, nullptr, 0, nullptr, false, owner.Lock()};
};

TForm3::~TForm3() = default;

void TForm3::AddReadOut(TSLScope* scope, int pair) {
  // A group of the legend beside the pair's traces, after the window's own
  // ones, in their colours.
  auto* group = static_cast<TSLLegendGroupItem*>(scope->Legend()->CustomGroups()->Add());
  TSLDisplayLabel* caption = group->LegendGroup()->Caption();
  caption->SetText(tr("Read-out"));
  caption->Font()->AssignFont(scope->Legend()->Cursors()->Caption()->Font()->ToQFont(),
                              scope->Legend()->Cursors()->Caption()->Font()->Color());
  const QColor colours[3] = {scope->Cursors()->Cursor(0)->Color(), scope->Cursors()->Cursor(1)->Color(), Qt::white};
  for (int k = 0; k < 3; ++k) {
    auto* entry = static_cast<TSLLegendCustomItem*>(group->Items()->Add());
    entry->Brush()->SetColor(colours[k]);
    entry->Pen()->SetColor(colours[k]);
    readOut_[pair][k] = entry;
  }
  UpdateReadOut();
}

namespace {
QString ReadOutTime(const QString& name, const QString& ms, const QString& how) {
  return TForm3::tr("%1 %2 ms, %3").arg(name, ms, how);
}

QString ReadOutDelay(const QString& name, const QString& ms, const QString& sample) {
  return TForm3::tr("%1 \u2212 tA = %2 \u00b1 %3 ms").arg(name, ms, sample);
}
}  // namespace

QStringList TForm3::ReadOut(int pair) const {
  const double sampleMs = Experiment.acquisitionRate > 0 ? 1000.0 / Experiment.acquisitionRate : 0.0;
  const int decimals = SampleTimeDecimals(sampleMs);
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  auto ms = [&](double seconds) { return locale.toString(seconds * 1000.0, 'f', decimals); };
  const double times[2] = {pair == 0 ? Experiment.timeA_AB : Experiment.timeA_AC,
                           pair == 0 ? Experiment.timeB : Experiment.timeC};
  const QString names[2] = {QStringLiteral("tA"), pair == 0 ? QStringLiteral("tB") : QStringLiteral("tC")};
  QStringList lines;
  for (int k = 0; k < 2; ++k) {
    const TTimeHow how = source_[pair][k];
    lines << ReadOutTime(names[k], ms(times[k]),
                         how == TTimeHow::Detected ? DetectedByWords(pickedBy_[pair]) : TimeHowWords(how));
  }
  const TTimeReadings readings = Readings();
  if (!unpicked_[pair].isEmpty() && (source_[pair][0] == TTimeHow::NotSet || source_[pair][1] == TTimeHow::NotSet)) {
    lines << tr("%1 \u2212 tA not picked: %2").arg(names[1], unpicked_[pair]);
    return lines;
  }
  if (readings.how[2 * pair] == TTimeHow::NotSet || readings.how[2 * pair + 1] == TTimeHow::NotSet) {
    lines << tr("%1 \u2212 tA not known yet").arg(names[1]);
    return lines;
  }
  // Both arrivals are sampled by one clock: a detected delay is good to one
  // sample, a dragged one to the larger of a sample and a screen pixel.
  auto reading = [&](int which) {
    TTimeReading r;
    r.dragged = readings.how[which] == TTimeHow::Dragged;
    r.secondsPerPixel = readings.pixelSeconds[which];
    return r;
  };
  const double uncertainty =
      std::max(DelayUncertainty(Experiment.acquisitionRate, reading(2 * pair), reading(2 * pair + 1)),
               readings.pickedDelayUncertainty[pair]);
  lines << ReadOutDelay(names[1], ms(times[1] - times[0]),
                        std::isfinite(uncertainty) ? ms(uncertainty) : locale.toString(sampleMs, 'f', decimals));
  if (noiseNearLevel_[pair] && readings.how[2 * pair] == TTimeHow::Detected)
    lines.back() += tr(", noise near the level");
  // A measured correction of the sensor is taken off by the solver.
  if (const double c = Experiment.sensorCorrection[pair]; c != 0)
    lines << tr("%1 less its correction %2 ms").arg(names[1], ms(c));
  return lines;
}

void TForm3::QueueReadOut() {
  // Times change while a scope paints; its legend is already laid out.
  if (readOutQueued_) return;
  readOutQueued_ = true;
  QMetaObject::invokeMethod(this, &TForm3::UpdateReadOut, Qt::QueuedConnection);
}

void TForm3::UpdateReadOut() {
  readOutQueued_ = false;
  for (int pair = 0; pair < 2; ++pair) {
    const QStringList lines = ReadOut(pair);
    for (int k = 0; k < 3; ++k)
      if (readOut_[pair][k] && readOut_[pair][k]->Name() != lines[k]) readOut_[pair][k]->SetName(lines[k]);
  }
  // The legend is as wide as its widest line: the group's caption, padded
  // to hold the widest values a lesson meets, keeps the width (and with it
  // the time axis) still while the numbers change.
  const double sampleMs = Experiment.acquisitionRate > 0 ? 1000.0 / Experiment.acquisitionRate : 0.0;
  const int decimals = SampleTimeDecimals(sampleMs);
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  const QString nines = locale.toString(9999.0 + 0.999999, 'f', decimals);
  for (TSLScope* scope : {ScpAB, ScpAC}) {
    TSLLegendGroupItem* group = scope->Legend()->CustomGroups()->Group(0);
    if (!group) continue;
    const QFontMetrics entries(scope->Legend()->Font()->ToQFont());
    const QString widestHow = Experiment.pickMethod == TPickMethod::Level ? TimeHowWords(TTimeHow::Detected)
                                                                          : DetectedByWords(TPickMethod::Correlation);
    const int widest = std::max(entries.horizontalAdvance(ReadOutTime(QStringLiteral("tA"), QStringLiteral("9") + nines,
                                                                      widestHow)),
                                entries.horizontalAdvance(ReadOutDelay(QStringLiteral("tC"), QStringLiteral("-") + nines,
                                                                       locale.toString(sampleMs, 'f', decimals))));
    TSLDisplayLabel* caption = group->LegendGroup()->Caption();
    const QFontMetrics captionFont(caption->Font()->ToQFont());
    QString text = tr("Read-out");
    // Entries take 30 pixels beside their text, captions 23.
    while (captionFont.horizontalAdvance(text) + 23 < widest + 30) text += QLatin1Char(' ');
    if (caption->Text() != text) caption->SetText(text);
  }
}

void TForm3::SetTimeAxis(TSLScope* scope) {
  scope->XAxis()->Max()->SetValue(Experiment.acquisitionTime);
  scope->XAxis()->Max()->SetDataValue(AI->AudioFormat()->BufferSize());
}

void TForm3::FormCreate(QObject*) {
  Experiment.autoDetect = false;
  Experiment.holdDetection = false;
  Experiment.detectedA_AB = false;
  Experiment.detectedB = false;
  Experiment.detectedA_AC = false;
  Experiment.detectedC = false;
  AI->AudioFormat()->SetSampleRate(static_cast<uint32_t>(Experiment.acquisitionRate));
  AI->AudioFormat()->SetBufferSize(AI->AudioFormat()->SampleRate() * static_cast<uint32_t>(Experiment.acquisitionTime));
  AI->Stop();
  SetTimeAxis(ScpAB);
  SetTimeAxis(ScpAC);
}

void TForm3::seletorChange(QObject*) {
  if (seletor->Position() == kPairAB) AcquirePairAB();
  if (seletor->Position() == kPairAC) AcquirePairAC();
  if (seletor->Position() == kStopped) StopAcquisition();
  btnEpicenter->setFocus();
}

void TForm3::AcquirePair(TSLScope* into, TSLScope* other, double* timeA, double* timeOther, int rightSensor,
                         bool* known) {
  if (Form4->AIOsc->Enabled()) Form4->StopListening();
  other->InputPins()->GetPin(0)->Disconnect();
  other->InputPins()->GetPin(1)->Disconnect();
  into->ZoomOff();
  into->Cursors()->Cursor(0)->Position()->SetX(0);
  into->Cursors()->Cursor(1)->Position()->SetX(0);
  *timeA = 0;
  *timeOther = 0;
  known[0] = known[1] = false;
  const int pair = into == ScpAB ? 0 : 1;
  source_[pair][0] = source_[pair][1] = TTimeHow::NotSet;
  pixelSeconds_[pair][0] = pixelSeconds_[pair][1] = 0;
  ForgetPairPick(pair);
  UpdateReadOut();
  into->InputPins()->GetPin(0)->Connect(A2R->OutputPins()->GetPin(0));
  into->InputPins()->GetPin(1)->Connect(A2R->OutputPins()->GetPin(1));
  // The simulated sensors have no cable to move: the right input takes the
  // pair's second station, and the ground is struck anew, which needs a
  // fresh start of the input.
  knownStrike_[pair] = UsesSimulatedSensors(AI);
  if (knownStrike_[pair]) {
    ArmSimulatedSensors(rightSensor);
    AI->Stop();
  }
  captureFailures_->Start([this] { AI->Start(); });
}

void TForm3::AcquirePairAB() { AcquirePair(ScpAB, ScpAC, &Experiment.timeA_AB, &Experiment.timeB, stB, known_[0]); }

void TForm3::AcquirePairAC() { AcquirePair(ScpAC, ScpAB, &Experiment.timeA_AC, &Experiment.timeC, stC, known_[1]); }

void TForm3::StopAcquisition() {
  ScpAC->InputPins()->GetPin(0)->Disconnect();
  ScpAC->InputPins()->GetPin(1)->Disconnect();
  ScpAB->InputPins()->GetPin(0)->Disconnect();
  ScpAB->InputPins()->GetPin(1)->Disconnect();
  AI->Stop();
}

void TForm3::DetectPulse(const TDetectionTarget& target, const double* data, int size, bool wasChanged) {
  Experiment.detectionThreshold = Experiment.detectionLevel / 1000.0;
  Experiment.autoDetect = chkAutomaticTime->Checked();
  Experiment.holdDetection = chkHold->Checked();
  *target.own = false;
  if (!(wasChanged && Experiment.autoDetect)) return;
  if (Experiment.pickMethod != TPickMethod::Level) {
    // Picked as a pair when its second channel draws: both channels of one
    // source change together.
    if (target.cursor == 1) PickPairOf(target.scope, data, size);
    return;
  }
  TSLDisplayCursor* cursor = target.scope->Cursors()->Cursor(target.cursor);
  cursor->Position()->SetX(0);
  const int index = FirstPulseSample(data, size, Experiment.detectionThreshold);
  if (index >= size) return;
  *target.time = PulseSampleTime(index, size, Experiment.acquisitionTime);
  cursor->Position()->SetX(*target.time);
  *target.own = true;
  *target.known = true;
  source_[target.scope == ScpAB ? 0 : 1][target.cursor] = TTimeHow::Detected;
  QueueReadOut();
  if (*target.partner && !LevelPairHolds(target, data, size)) return;
  if (*target.partner && Experiment.holdDetection) {
    StopAcquisition();
    *target.own = false;
    seletor->SetPosition(kStopped);
  }
}

bool TForm3::LevelPairHolds(const TDetectionTarget& target, const double* data, int size) {
  const int pair = target.scope == ScpAB ? 0 : 1;
  const TRef<ISLRealBuffer> other = target.scope->Channels()->Channel(1 - target.cursor)->DisplayY();
  if (!other || other->GetCount() != size) return true;
  const double* left = target.cursor == 0 ? data : other->ReadReals();
  const double* right = target.cursor == 0 ? other->ReadReals() : data;
  const TPairPick judged = LevelPickPair(left, right, size, Experiment.acquisitionRate, Experiment.detectionThreshold);
  if (judged.refusal != TPickRefusal::NoiseTriggered) {
    // The crossings come late by up to their rise: so may the delay. Idle
    // noise close under the level keeps the rule's times, with a warning.
    pickedDelay_[pair] = judged.ok ? judged.delayUncertainty : 0.0;
    noiseNearLevel_[pair] = judged.refusal == TPickRefusal::LevelBelowNoise;
    unpicked_[pair].clear();
    refusal_[pair] = TPickRefusal::None;
    return true;
  }
  // A crossing in the quiet part before any rise is the noise's, not the
  // pulse's. The capture goes on, so a block with a real pulse can still
  // be found.
  bool* detected[2] = {pair == 0 ? &Experiment.detectedA_AB : &Experiment.detectedA_AC,
                       pair == 0 ? &Experiment.detectedB : &Experiment.detectedC};
  for (int c = 0; c < 2; ++c) {
    target.scope->Cursors()->Cursor(c)->Position()->SetX(0);
    source_[pair][c] = TTimeHow::NotSet;
    known_[pair][c] = false;
    *detected[c] = false;
  }
  pickedDelay_[pair] = 0;
  noiseNearLevel_[pair] = false;
  unpicked_[pair] = tr("%1: raise the level").arg(RefusalWords(judged.refusal));
  refusal_[pair] = judged.refusal;
  QueueReadOut();
  return false;
}

void TForm3::ForgetPairPick(int pair) {
  pickedBy_[pair] = TPickMethod::Level;
  pickedDelay_[pair] = 0;
  noiseNearLevel_[pair] = false;
  unpicked_[pair].clear();
  refusal_[pair] = TPickRefusal::None;
}

void TForm3::PickPairOf(TSLScope* scope, const double* right, int size) {
  const int pair = scope == ScpAB ? 0 : 1;
  double* times[2] = {pair == 0 ? &Experiment.timeA_AB : &Experiment.timeA_AC,
                      pair == 0 ? &Experiment.timeB : &Experiment.timeC};
  bool* found[2] = {pair == 0 ? &Experiment.detectedA_AB : &Experiment.detectedA_AC,
                    pair == 0 ? &Experiment.detectedB : &Experiment.detectedC};
  for (int c = 0; c < 2; ++c) scope->Cursors()->Cursor(c)->Position()->SetX(0);
  ForgetPairPick(pair);
  const TRef<ISLRealBuffer> left = scope->Channels()->Channel(0)->DisplayY();
  if (!left || left->GetCount() != size) return;
  const TPairPick pick = PickPair(Experiment.pickMethod, left->ReadReals(), right, size, Experiment.acquisitionRate,
                                  Experiment.detectionLevel / 1000.0);
  if (!pick.ok) {
    refusal_[pair] = pick.refusal;
    unpicked_[pair] = RefusalWords(pick.refusal);
    QueueReadOut();
    return;
  }
  *times[0] = pick.leftTime;
  *times[1] = pick.leftTime + pick.delay;
  for (int c = 0; c < 2; ++c) {
    scope->Cursors()->Cursor(c)->Position()->SetX(*times[c]);
    source_[pair][c] = TTimeHow::Detected;
    known_[pair][c] = true;
    *found[c] = true;
  }
  pickedBy_[pair] = Experiment.pickMethod;
  pickedDelay_[pair] = pick.delayUncertainty;
  QueueReadOut();
  if (Experiment.holdDetection) {
    StopAcquisition();
    *found[0] = *found[1] = false;
    seletor->SetPosition(kStopped);
  }
}

void TForm3::ScpABChannels0ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAB, 0, &Experiment.timeA_AB, &Experiment.detectedA_AB, &Experiment.detectedB, &known_[0][0]}, data, size,
              wasChanged);
}

void TForm3::ScpABChannels1ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAB, 1, &Experiment.timeB, &Experiment.detectedB, &Experiment.detectedA_AB, &known_[0][1]}, data, size, wasChanged);
}

void TForm3::ScpACChannels0ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAC, 0, &Experiment.timeA_AC, &Experiment.detectedA_AC, &Experiment.detectedC, &known_[1][0]}, data, size,
              wasChanged);
}

void TForm3::ScpACChannels1ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAC, 1, &Experiment.timeC, &Experiment.detectedC, &Experiment.detectedA_AC, &known_[1][1]}, data, size, wasChanged);
}

TTimeReadings TForm3::Readings() const {
  TTimeReadings readings;
  for (int p = 0; p < 2; ++p)
    for (int c = 0; c < 2; ++c) {
      readings.how[2 * p + c] = !known_[p][c]                        ? TTimeHow::NotSet
                                : source_[p][c] == TTimeHow::NotSet ? TTimeHow::Dragged
                                                                     : source_[p][c];
      readings.pixelSeconds[2 * p + c] = pixelSeconds_[p][c];
    }
  for (int p = 0; p < 2; ++p) readings.pickedDelayUncertainty[p] = pickedDelay_[p];
  return readings;
}

void TForm3::CursorReleased(TSLScope* scope, int pair, int index) {
  if (index != 0 && index != 1) return;
  source_[pair][index] = TTimeHow::Dragged;
  // The delay is no longer the pick's.
  pickedDelay_[pair] = 0;
  const int width = scope->DataViewRect().width();
  TSLDisplayAxis* axis = scope->XAxis();
  pixelSeconds_[pair][index] = width > 0 ? (axis->ShownMax() - axis->ShownMin()) / width : 0.0;
}

void TForm3::ScpABCursorsPositionChange(QObject*, int Index, TSLRealPoint&, TSLRealPoint&) {
  CursorReleased(ScpAB, 0, Index);
  Experiment.timeA_AB = ScpAB->Cursors()->Cursor(0)->Position()->X();
  Experiment.timeB = ScpAB->Cursors()->Cursor(1)->Position()->X();
  known_[0][0] = known_[0][1] = true;
  UpdateReadOut();
}

void TForm3::ScpACCursorsPositionChange(QObject*, int Index, TSLRealPoint&, TSLRealPoint&) {
  CursorReleased(ScpAC, 1, Index);
  Experiment.timeA_AC = ScpAC->Cursors()->Cursor(0)->Position()->X();
  Experiment.timeC = ScpAC->Cursors()->Cursor(1)->Position()->X();
  known_[1][0] = known_[1][1] = true;
  UpdateReadOut();
}

void TForm3::chkAutomaticTimeClick(QObject*) {
  if (Experiment.detectionLevel != 0 && chkAutomaticTime->Checked() && !AI->Enabled()) {
    // Checked with nothing being recorded: the blocks shown (a pair just
    // recorded or a run opened) are searched again, as new ones would be.
    const TDetectionTarget targets[4] = {
        {ScpAB, 0, &Experiment.timeA_AB, &Experiment.detectedA_AB, &Experiment.detectedB, &known_[0][0]},
        {ScpAB, 1, &Experiment.timeB, &Experiment.detectedB, &Experiment.detectedA_AB, &known_[0][1]},
        {ScpAC, 0, &Experiment.timeA_AC, &Experiment.detectedA_AC, &Experiment.detectedC, &known_[1][0]},
        {ScpAC, 1, &Experiment.timeC, &Experiment.detectedC, &Experiment.detectedA_AC, &known_[1][1]}};
    for (const TDetectionTarget& target : targets) {
      TSLScopeChannel* channel = target.scope->Channels()->Channel(target.cursor);
      const TRef<ISLRealBuffer> block = channel->DisplayY();
      if (!block || block->GetCount() == 0) continue;
      DetectPulse(target, block->ReadReals(), block->GetCount(), true);
    }
    UpdateReadOut();
  }
  // The unchecking below raises this event again: one message is enough.
  if (Experiment.detectionLevel != 0 || refusingAutoDetection_) return;
  // Unchecked before the message: the scopes go on painting under it, and
  // would detect at level 0 on the first sample.
  refusingAutoDetection_ = true;
  chkAutomaticTime->SetChecked(false);
  ShowMessage(tr("Minimum Amplitude for Auto Detection = 0"));
  refusingAutoDetection_ = false;
}

void TForm3::LocateEpicenter() {
  const TEpicenterAnswer& answer = *answer_ = AnswerEpicenter(Experiment, Readings(), Experiment.velocityUncertainty);
  ApplyAnswer(answer, Experiment);
  if (!answer.Solved()) {
    Form1->imgEpicenter->SetVisible(false);
    Form1->ShowNoSolution(answer);
    ShowMessage(answer.point.outcome == TSolveOutcome::NoPoint ? tr("Bad Acquisition") : tr("Bad acquisition"));
    return;
  }
  Form1->imgEpicenter->SetTop(answer.point.markerTop);
  Form1->imgEpicenter->SetLeft(answer.point.markerLeft);
  Form1->imgEpicenter->SetVisible(true);
  Form1->ShowSolution(answer);
  Close();
}

bool TForm3::ConfirmUnrecordedPairs() {
  // With a pair's times still 0 the solver places a confident marker (the
  // centre of the stations' circle on a fresh start): say so first.
  QStringList missing;
  if (!(known_[0][0] && known_[0][1])) missing << QLatin1String(kPairLabel[0]);
  if (!(known_[1][0] && known_[1][1])) missing << QLatin1String(kPairLabel[1]);
  if (missing.isEmpty()) return true;
  const QString text = missing.size() == 1
                           ? tr("Pair %1 has not been recorded. Find the epicenter anyway?").arg(missing[0])
                           : tr("Pairs A+B and A+C have not been recorded. Find the epicenter anyway?");
  return AskYesNo(text);
}

void TForm3::btnEpicenterClick(QObject*) {
  if (!ConfirmUnrecordedPairs()) return;
  LocateEpicenter();
  Form1->ApplyRadiusAdjust();
  Form1->PlaceCircles();
}

void TForm3::FormClose(QObject*, Vcl::TCloseAction&) {
  // Detection runs only while the scopes paint: a hidden window would let
  // the pulse pass unseen, so closing it ends the recording.
  StopForReset();
}

void TForm3::StopForReset() {
  if (seletor->Position() != kStopped)
    seletor->SetPosition(kStopped);
  else if (AI->Enabled())
    StopAcquisition();
}

void TForm3::ResetScopes() {
  StopForReset();
  for (auto& pair : known_) pair[0] = pair[1] = false;
  for (auto& pair : source_) pair[0] = pair[1] = TTimeHow::NotSet;
  for (auto& pair : pixelSeconds_) pair[0] = pair[1] = 0;
  for (int p = 0; p < 2; ++p) ForgetPairPick(p);
  knownStrike_[0] = knownStrike_[1] = false;
  for (TSLScope* scope : {ScpAB, ScpAC}) scope->ClearData();
  for (TSLScope* scope : {ScpAB, ScpAC}) {
    scope->InputPins()->GetPin(0)->Disconnect();
    scope->InputPins()->GetPin(1)->Disconnect();
  }
  for (TSLScope* scope : {ScpAB, ScpAC}) {
    scope->ZoomOff();
    scope->Cursors()->Cursor(0)->Position()->SetX(0);
    scope->Cursors()->Cursor(1)->Position()->SetX(0);
  }
}

void TForm3::ApplyCaptureSettings() {
  const uint32_t rate = static_cast<uint32_t>(Experiment.acquisitionRate);
  const bool blockChanges = AI->AudioFormat()->SampleRate() != rate ||
                            AI->AudioFormat()->BufferSize() != rate * static_cast<uint32_t>(Experiment.acquisitionTime);
  // Blocks already queued keep the old size: read with the new time base
  // they would give wrong times, so a pair being recorded starts again.
  const bool restartPair = blockChanges && AI->Enabled() && seletor->Position() != kStopped;
  if (restartPair) StopAcquisition();
  AI->AudioFormat()->SetSampleRate(rate);
  AI->AudioFormat()->SetBufferSize(AI->AudioFormat()->SampleRate() * static_cast<uint32_t>(Experiment.acquisitionTime));
  SetTimeAxis(ScpAB);
  SetTimeAxis(ScpAC);
  Form4->SetCaptureBlock(rate, AI->AudioFormat()->SampleRate() * static_cast<uint32_t>(Experiment.acquisitionTime),
                         blockChanges);
  if (restartPair) seletorChange(seletor);
  UpdateReadOut();  // the resolution of a sample
}

void TForm3::DetectionLevelZero() {
  chkAutomaticTime->SetChecked(false);
  chkHold->SetChecked(false);
}

TRun TForm3::CurrentRun() const {
  TRun run;
  run.state = Experiment;
  const TSLScope* scopes[2] = {ScpAB, ScpAC};
  const size_t block = static_cast<size_t>(Experiment.acquisitionRate) * static_cast<size_t>(Experiment.acquisitionTime);
  for (int p = 0; p < 2; ++p) {
    // Times are kept with or without the pair's sound (a run opened
    // without it).
    for (int c = 0; c < 2; ++c) {
      run.how[2 * p + c] = source_[p][c];
      run.pixelSeconds[2 * p + c] = pixelSeconds_[p][c];
    }
    run.pickedDelayUncertainty[p] = pickedDelay_[p];
    const TRef<ISLRealBuffer> left = scopes[p]->Channels()->Channel(0)->DisplayY();
    const TRef<ISLRealBuffer> right = scopes[p]->Channels()->Channel(1)->DisplayY();
    // A block of other settings (changed after it was recorded) would be
    // read with the wrong time base.
    if (!left || !right || left->GetCount() <= 0 || size_t(left->GetCount()) != block ||
        right->GetCount() != left->GetCount())
      continue;
    TRunPair& pair = run.pairs[p];
    pair.present = true;
    pair.left.assign(left->ReadReals(), left->ReadReals() + left->GetCount());
    pair.right.assign(right->ReadReals(), right->ReadReals() + right->GetCount());
  }
  SolveRun(run, Form1->barAjusteRaio->Position());
  if (ShowsStruckPoint()) {
    run.hasStrike = true;
    run.strikeX = StrikePoint().x;
    run.strikeY = StrikePoint().y;
  }
  run.version = kVersion;
  run.date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
  return run;
}

void TForm3::ShowPairBlock(TSLScope* scope, const std::vector<double>& left, const std::vector<double>& right) {
  if (!playback_) playback_ = std::make_unique<TRunPlayback>();
  TOWBasicPin* in0 = scope->InputPins()->GetPin(0);
  TOWBasicPin* in1 = scope->InputPins()->GetPin(1);
  in0->Connect(&playback_->left);
  in1->Connect(&playback_->right);
  for (TSLOWRealSourcePin* pin : {&playback_->left, &playback_->right})
    pin->Notify(MakeOperation<TOWStartSampleRateOperation>(double(Experiment.acquisitionRate)).get());
  TRef<ISLRealBuffer> a(new TSLRealBuffer(left.data(), static_cast<int>(left.size())));
  TRef<ISLRealBuffer> b(new TSLRealBuffer(right.data(), static_cast<int>(right.size())));
  playback_->left.SendBuffer(a.get());
  playback_->right.SendBuffer(b.get());
  scope->RefreshTimerTick();
  in0->Disconnect();
  in1->Disconnect();
}

void TForm3::ShowRun(const TRun& run) {
  // As after Reset: nothing recorded, no result on the map.
  Form1->btnResetClick(Form1->btnReset);
  chkAutomaticTime->SetChecked(false);
  chkHold->SetChecked(false);
  for (int k = stA; k <= stC; ++k) {
    Experiment.stationX[k] = run.state.stationX[k];
    Experiment.stationY[k] = run.state.stationY[k];
  }
  Experiment.pulseVelocity = run.state.pulseVelocity;
  Experiment.acquisitionTime = run.state.acquisitionTime;
  Experiment.acquisitionRate = run.state.acquisitionRate;
  Experiment.detectionLevel = run.state.detectionLevel;
  Experiment.pickMethod = run.state.pickMethod;
  Experiment.runSettingsInForce = true;
  Form1->PlaceStations();
  Form1->PlaceCircles();
  ApplyCaptureSettings();
  for (int p = 0; p < 2; ++p) knownStrike_[p] = run.hasStrike;
  if (run.hasStrike) {
    // Real sensors show it as the user's mark; the simulated ones strike
    // there next.
    if (UsesSimulatedSensors(AI))
      SetStrikePoint({run.strikeX, run.strikeY});
    else
      Form1->ShowMarkedStrikePoint({run.strikeX, run.strikeY});
    Form1->PlaceStrikeMarker();
  }
  TSLScope* scopes[2] = {ScpAB, ScpAC};
  for (int p = 0; p < 2; ++p) {
    const TRunPair& pair = run.pairs[p];
    // A pair whose file is missing keeps the times run.ini gives.
    if (pair.present) ShowPairBlock(scopes[p], pair.left, pair.right);
    for (int c = 0; c < 2; ++c) {
      const int which = 2 * p + c;
      double time = RunTimeOf(run.state, which);
      TTimeHow source = run.how[which];
      if (source == TTimeHow::NotSet && DetectRunTime(run, which, time)) source = TTimeHow::Detected;
      if (source == TTimeHow::NotSet) continue;
      RunTimeOf(Experiment, which) = time;
      scopes[p]->Cursors()->Cursor(c)->Position()->SetX(time);
      source_[p][c] = source;
      pixelSeconds_[p][c] = run.pixelSeconds[which];
      if (run.pickedDelayUncertainty[p] > 0) {
        pickedDelay_[p] = run.pickedDelayUncertainty[p];
        pickedBy_[p] = run.state.pickMethod;
      }
      known_[p][c] = true;
    }
  }
  UpdateReadOut();
}

QString TForm3::ChooseRunFolder(const QString& title) {
  dlgRunFolder->SetTitle(title);
  if (dlgRunFolder->Directory().isEmpty()) dlgRunFolder->SetDirectory(QDir::currentPath());
  return dlgRunFolder->Execute() ? dlgRunFolder->Directory() : QString();
}

void TForm3::btnSaveRunClick(QObject*) {
  // The run and its pictures are taken together, before the dialog: the
  // capture goes on under it, and the report must show what is saved.
  const TRun run = CurrentRun();
  if (!run.pairs[0].present && !run.pairs[1].present) {
    ShowMessage(tr("Nothing to save: record a pair first."));
    return;
  }
  const QImage map = Form1->imgMapa->Picture().ToImage();
  const QImage scopes[2] = {ScopePicture(0, run), ScopePicture(1, run)};
  const QString folder = ChooseRunFolder(tr("Save Run"));
  if (folder.isEmpty()) return;
  const std::string error = SaveRunFolder(folder.toStdString(), run, [&](const std::filesystem::path& pdf) {
    return WriteRunFolderReport(QString::fromStdString(pdf.string()), run, map, scopes[0], scopes[1]);
  });
  if (!error.empty()) {
    ShowMessage(QString::fromStdString(error));
    return;
  }
  ShowMessage(tr("Run saved in %1").arg(QDir::toNativeSeparators(folder)));
}

void TForm3::btnOpenRunClick(QObject*) {
  const QString folder = ChooseRunFolder(tr("Open Run"));
  if (folder.isEmpty()) return;
  TRun run;
  const std::vector<std::string> problems = LoadRunFolder(folder.toStdString(), Experiment, run);
  bool anything = run.pairs[0].present || run.pairs[1].present;
  for (TTimeHow how : run.how) anything = anything || how != TTimeHow::NotSet;
  if (anything) ShowRun(run);
  if (!problems.empty()) {
    QStringList lines;
    for (const std::string& p : problems) lines << QString::fromStdString(p);
    if (!run.hasStations) lines << tr("The stations and the velocity not given are those in force.");
    ShowMessage(lines.join(QLatin1Char('\n')));
  }
}

void TForm3::btnExportCsvClick(QObject*) {
  const TRun run = CurrentRun();
  if (!run.pairs[0].present && !run.pairs[1].present) {
    ShowMessage(tr("Nothing to export: record a pair first."));
    return;
  }
  const QString folder = ChooseRunFolder(tr("Export CSV"));
  if (folder.isEmpty()) return;
  std::vector<std::string> written;
  const std::string error = ExportRunCsv(folder.toStdString(), run, &written);
  if (!error.empty()) {
    ShowMessage(QString::fromStdString(error));
    return;
  }
  QStringList names;
  for (const std::string& file : written) names << QFileInfo(QString::fromStdString(file)).fileName();
  ShowMessage(tr("Written in %1: %2").arg(QDir::toNativeSeparators(folder), names.join(QStringLiteral(", "))));
}

bool TForm3::ShowsStruckPoint() const {
  bool any = false;
  for (int p = 0; p < 2; ++p) {
    if (!known_[p][0] && !known_[p][1] && !knownStrike_[p]) continue;
    // A mark with real sensors holds for what they recorded.
    if (!knownStrike_[p] && !(StrikePointMarked() && !UsesSimulatedSensors(AI))) return false;
    any = true;
  }
  return any;
}

QImage TForm3::ScopePicture(int pair, const TRun& run) const {
  if (!run.pairs[pair].present) return QImage();
  TSLScope* scope = pair == 0 ? ScpAB : ScpAC;
  QImage picture(scope->size(), QImage::Format_ARGB32);
  scope->PaintTo(picture);
  return picture;
}
