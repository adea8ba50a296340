#include "app/windows/listen_form.h"

#include "app/windows/acquisition_form.h"
#include "app/windows/capture_errors.h"
#include "app/experiment/experiment_state.h"
#include "app/experiment/rounding.h"
#include "app/sensors/simulated_sensors.h"
#include "app/windows/window_parts.h"
#include "app/windows/windows.h"
#include "audio/audio_in.h"
#include "audio/audio_to_real.h"
#include "draw/message_service.h"
#include "forms/controls/standard_controls.h"
#include "forms/description_reader.h"
#include "scope/scope.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

TForm4::TForm4(QWidget* parent) : TForm(parent) {
  ReadDescriptionFromResource(this, QStringLiteral(":/forms/TForm4.dfm"));
  ScpLeft = RequirePart<TSLScope>(this, "ScpLeft");
  ScpRight = RequirePart<TSLScope>(this, "ScpRight");
  Button1 = RequirePart<TButton>(this, "Button1");
  Panel1 = RequirePart<TPanel>(this, "Panel1");
  Panel2 = RequirePart<TPanel>(this, "Panel2");
  txtMaxChL = RequirePart<TLabel>(this, "txtMaxChL");
  txtMeanChL = RequirePart<TLabel>(this, "txtMeanChL");
  txtMaxChR = RequirePart<TLabel>(this, "txtMaxChR");
  txtMeanChR = RequirePart<TLabel>(this, "txtMeanChR");
  AIOsc = RequirePart<TALAudioIn>(this, "AIOsc");
  A2ROsc = RequirePart<TALAudioToReal>(this, "A2ROsc");
  captureFailures_ = new TCaptureFailures(AIOsc, this);
}

QString TForm4::LevelText(int64_t thousandths) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(thousandths / 1000.0, 'g', 15) + QStringLiteral("%");
}

void TForm4::Button1Click(QObject*) {
  AIOsc->AudioFormat()->SetSampleRate(static_cast<uint32_t>(Experiment.acquisitionRate));
  AIOsc->AudioFormat()->SetBufferSize(AIOsc->AudioFormat()->SampleRate() *
                                      static_cast<uint32_t>(Experiment.acquisitionTime));
  if (Form3->AI->Enabled()) {
    ShowMessage(tr("Busy! Acquisition in progress."));
    return;
  }
  ShowWholeBlocks();
  if (!AIOsc->Enabled()) {
    ClearReadOuts();
    // Sensor B stands on the right input while listening.
    if (UsesSimulatedSensors(AIOsc)) ArmSimulatedSensors(stB);
  }
  captureFailures_->Start([this] { AIOsc->SetEnabled(true); });
}

void TForm4::FormClose(QObject*, Vcl::TCloseAction&) { StopListening(); }

void TForm4::StopListening() {
  AIOsc->SetEnabled(false);
  ClearReadOuts();
}

void TForm4::SetCaptureBlock(uint32_t rate, uint32_t samples, bool changed) {
  const bool restart = changed && AIOsc->Enabled();
  if (restart) StopListening();
  AIOsc->AudioFormat()->SetSampleRate(rate);
  AIOsc->AudioFormat()->SetBufferSize(samples);
  ShowWholeBlocks();
  if (restart) Button1Click(Button1);
}

void TForm4::ClearReadOuts() {
  for (TSLScope* scope : {ScpLeft, ScpRight}) scope->ClearData();
  for (TLabel* label : {txtMaxChL, txtMeanChL, txtMaxChR, txtMeanChR}) label->SetCaption(QStringLiteral("0 %"));
  idle_ = TIdleNoise{};
}

void TForm4::KeepIdleNoise(int channel, const double* data, int size) {
  for (int i = 0; i < size; ++i) idle_.peak[channel] = std::max(idle_.peak[channel], std::fabs(data[i]));
  if (channel == 0 && Experiment.acquisitionRate > 0) idle_.seconds += double(size) / Experiment.acquisitionRate;
}

void TForm4::ShowWholeBlocks() {
  const double samples = AIOsc->AudioFormat()->BufferSize();
  if (samples <= 0) return;
  for (TSLScope* scope : {ScpLeft, ScpRight}) {
    scope->XAxis()->Max()->SetValue(samples);
    scope->XAxis()->Max()->SetDataValue(samples);
  }
}

void TForm4::ShowLevels(const double* data, int size, TLabel* peakLabel, TLabel* meanLabel) {
  double peak = 0;
  double sum = 0;
  for (int i = 0; i < size; ++i) {
    const double magnitude = std::fabs(data[i]);
    if (magnitude > peak) peak = magnitude;
    sum += magnitude;
  }
  // An empty block has no mean; it reads as silence.
  const double mean = size > 0 ? sum / size : 0.0;
  peakLabel->SetCaption(LevelText(RoundHalfEven(peak * 100000)));
  meanLabel->SetCaption(LevelText(RoundHalfEven(mean * 100000)));
}

void TForm4::ScpLeftChannels0ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  ShowLevels(data, size, txtMaxChL, txtMeanChL);
  if (wasChanged) KeepIdleNoise(0, data, size);
}

void TForm4::ScpRightChannels0ChannelDraw(QObject*, int, const double* data, int size, bool wasChanged) {
  ShowLevels(data, size, txtMaxChR, txtMeanChR);
  if (wasChanged) KeepIdleNoise(1, data, size);
}
