#include "app/acquisition_form.h"

#include "app/capture_errors.h"
#include "app/epicenter_solver.h"
#include "app/experiment_state.h"
#include "app/listen_form.h"
#include "app/main_form.h"
#include "app/simulated_sensors.h"
#include "app/window_parts.h"
#include "app/windows.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"
#include "scope/scope.h"

#include <cmath>

TForm3::TForm3(QWidget* parent) : TForm(parent) {
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
  AI = RequirePart<TALAudioIn>(this, "AI");
  A2R = RequirePart<TALAudioToReal>(this, "A2R");
  captureFailures_ = new TCaptureFailures(AI, this);
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

void TForm3::AcquirePair(TSLScope* into, TSLScope* other, double* timeA, double* timeOther, int rightSensor) {
  if (Form4->AIOsc->Enabled()) Form4->StopListening();
  other->InputPins()->GetPin(0)->Disconnect();
  other->InputPins()->GetPin(1)->Disconnect();
  into->ZoomOff();
  into->Cursors()->Cursor(0)->Position()->SetX(0);
  into->Cursors()->Cursor(1)->Position()->SetX(0);
  *timeA = 0;
  *timeOther = 0;
  into->InputPins()->GetPin(0)->Connect(A2R->OutputPins()->GetPin(0));
  into->InputPins()->GetPin(1)->Connect(A2R->OutputPins()->GetPin(1));
  // The simulated sensors have no cable to move: the right input takes the
  // pair's second station, and the ground is struck anew, which needs a
  // fresh start of the input.
  if (UsesSimulatedSensors(AI)) {
    ArmSimulatedSensors(rightSensor);
    AI->Stop();
  }
  captureFailures_->Start([this] { AI->Start(); });
}

void TForm3::AcquirePairAB() { AcquirePair(ScpAB, ScpAC, &Experiment.timeA_AB, &Experiment.timeB, stB); }

void TForm3::AcquirePairAC() { AcquirePair(ScpAC, ScpAB, &Experiment.timeA_AC, &Experiment.timeC, stC); }

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
  TSLDisplayCursor* cursor = target.scope->Cursors()->Cursor(target.cursor);
  cursor->Position()->SetX(0);
  int index = 0;
  while (index < size && std::fabs(data[index]) < Experiment.detectionThreshold) ++index;
  if (index >= size) return;
  *target.time = static_cast<double>(index) / size * Experiment.acquisitionTime;
  cursor->Position()->SetX(*target.time);
  *target.own = true;
  if (*target.partner && Experiment.holdDetection) {
    StopAcquisition();
    *target.own = false;
    seletor->SetPosition(kStopped);
  }
}

void TForm3::ScpABChannels0ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAB, 0, &Experiment.timeA_AB, &Experiment.detectedA_AB, &Experiment.detectedB}, data, size,
              wasChanged);
}

void TForm3::ScpABChannels1ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAB, 1, &Experiment.timeB, &Experiment.detectedB, &Experiment.detectedA_AB}, data, size, wasChanged);
}

void TForm3::ScpACChannels0ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAC, 0, &Experiment.timeA_AC, &Experiment.detectedA_AC, &Experiment.detectedC}, data, size,
              wasChanged);
}

void TForm3::ScpACChannels1ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  DetectPulse({ScpAC, 1, &Experiment.timeC, &Experiment.detectedC, &Experiment.detectedA_AC}, data, size, wasChanged);
}

void TForm3::ScpABCursorsPositionChange(QObject*, int, TSLRealPoint&, TSLRealPoint&) {
  Experiment.timeA_AB = ScpAB->Cursors()->Cursor(0)->Position()->X();
  Experiment.timeB = ScpAB->Cursors()->Cursor(1)->Position()->X();
}

void TForm3::ScpACCursorsPositionChange(QObject*, int, TSLRealPoint&, TSLRealPoint&) {
  Experiment.timeA_AC = ScpAC->Cursors()->Cursor(0)->Position()->X();
  Experiment.timeC = ScpAC->Cursors()->Cursor(1)->Position()->X();
}

void TForm3::chkAutomaticTimeClick(QObject*) {
  // The unchecking below raises this event again: one message is enough.
  if (Experiment.detectionLevel != 0 || refusingAutoDetection_) return;
  // Unchecked before the message: the scopes go on painting under it, and
  // would detect at level 0 on the first sample.
  refusingAutoDetection_ = true;
  chkAutomaticTime->SetChecked(false);
  ShowMessage(QStringLiteral("Minimum Amplitude for Auto Detection = 0"));
  refusingAutoDetection_ = false;
}

void TForm3::LocateEpicenter() {
  const TSolveResult result = SolveEpicenter(Experiment);
  if (result.outcome != TSolveOutcome::Accepted) {
    Form1->imgEpicenter->SetVisible(false);
    ShowMessage(QString::fromLatin1(SolveMessage(result.outcome)));
    return;
  }
  Form1->imgEpicenter->SetTop(result.markerTop);
  Form1->imgEpicenter->SetLeft(result.markerLeft);
  Form1->imgEpicenter->SetVisible(true);
  Close();
}

void TForm3::btnEpicenterClick(QObject*) {
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
}

void TForm3::DetectionLevelZero() {
  chkAutomaticTime->SetChecked(false);
  chkHold->SetChecked(false);
}
