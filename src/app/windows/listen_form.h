#pragma once
// The listen monitor: the live left and right inputs in two small scopes,
// with the peak and mean magnitude of each input's latest block.

#include "draw/vcl_types.h"
#include "forms/controls/form.h"

#include <QString>
#include <cstdint>

class TALAudioIn;
class TCaptureFailures;
class TALAudioToReal;
class TButton;
class TLabel;
class TPanel;
class TSLScope;

class TForm4 : public TForm {
  Q_OBJECT

public:
  explicit TForm4(QWidget* parent = nullptr);

  // A level read-out: the value in thousandths of a percent as a general
  // number with the locale's decimal separator, then "%" (no blank).
  static QString LevelText(int64_t thousandths);

  // Stops listening; the read-outs and traces of the old blocks go.
  void StopListening();
  // The capture block (rate, samples per channel) from Apply and Save; a
  // monitor listening with another block starts again with this one.
  void SetCaptureBlock(uint32_t rate, uint32_t samples, bool changed);

  // What the inputs did while idle, since "Listen Now": each channel's
  // largest magnitude (full scale 1) over `seconds` of blocks.
  struct TIdleNoise {
    double peak[2] = {};
    double seconds = 0;
  };
  TIdleNoise IdleNoise() const { return idle_; }

  TSLScope* ScpLeft = nullptr;
  TSLScope* ScpRight = nullptr;
  TButton* Button1 = nullptr;
  TPanel* Panel1 = nullptr;
  TPanel* Panel2 = nullptr;
  TLabel* txtMaxChL = nullptr;
  TLabel* txtMeanChL = nullptr;
  TLabel* txtMaxChR = nullptr;
  TLabel* txtMeanChR = nullptr;
  TALAudioIn* AIOsc = nullptr;
  TALAudioToReal* A2ROsc = nullptr;

public slots:
  void Button1Click(QObject* Sender);
  void FormClose(QObject* Sender, Vcl::TCloseAction& Action);
  void ScpLeftChannels0ChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize,
                                   bool WasChanged);
  void ScpRightChannels0ChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize,
                                    bool WasChanged);

private:
  TCaptureFailures* captureFailures_ = nullptr;
  void ClearReadOuts();
  // The scopes show the whole block the read-outs are computed from.
  void ShowWholeBlocks();
  void ShowLevels(const double* data, int size, TLabel* peakLabel, TLabel* meanLabel);
  void KeepIdleNoise(int channel, const double* data, int size);
  TIdleNoise idle_;
};
