#pragma once
// The acquisition window: records sensor pair A+B into the upper scope and
// pair A+C into the lower one, finds the pulse's arrival on each channel
// (automatically or by the user's cursors) and runs the epicenter solver.

#include "draw/vcl_types.h"
#include "forms/controls/form.h"
#include "app/experiment/arrival_times.h"
#include "scope/model/scope_types.h"

#include <QImage>
#include <memory>
#include <string>
#include <vector>

class TALAudioIn;
class TCaptureFailures;
class TALAudioToReal;
class TBitBtn;
class TButton;
class TFolderDialog;
struct TRun;
struct TEpicenterAnswer;
struct TTimeReadings;
class TCheckBox;
class TImage;
class TPanel;
class TSLScope;
class TSLLegendCustomItem;
class TTrackBar;

class TForm3 : public TForm {
  Q_OBJECT

public:
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  // Selector positions.
  static constexpr int kPairAB = 0;
  static constexpr int kStopped = 1;
  static constexpr int kPairAC = 2;

  void AcquirePairAB();
  void AcquirePairAC();
  void StopAcquisition();
  // Runs the solver on the four times; on success marks the epicenter on
  // the map and closes this window, otherwise reports the bad acquisition.
  void LocateEpicenter();
  // The last answer LocateEpicenter found (answer.ran false before any).
  const TEpicenterAnswer& Answer() const { return *answer_; }

  // What the other windows do to this one.
  // Reset: capture stopped (selector at "stopped"), both scopes
  // disconnected and empty, unzoomed, their cursors at 0.
  void ResetScopes();
  // Capture stopped and the selector at "stopped".
  void StopForReset();
  // Apply and Save: rate and block size to the capture, time axes to match;
  // a pair being recorded with another block starts again.
  void ApplyCaptureSettings();
  // The detection level became 0: automatic detection and hold are unchecked.
  void DetectionLevelZero();

  TSLScope* ScpAB = nullptr;
  TSLScope* ScpAC = nullptr;
  TPanel* Panel1 = nullptr;
  TCheckBox* chkAutomaticTime = nullptr;
  TCheckBox* chkHold = nullptr;
  TTrackBar* seletor = nullptr;
  TImage* Image1 = nullptr;
  TImage* Image2 = nullptr;
  TBitBtn* btnEpicenter = nullptr;
  TButton* btnSaveRun = nullptr;
  TButton* btnOpenRun = nullptr;
  TButton* btnExportCsv = nullptr;
  TFolderDialog* dlgRunFolder = nullptr;
  TALAudioIn* AI = nullptr;
  TALAudioToReal* A2R = nullptr;

  // The read-out's lines of pair `pair` (0 A+B, 1 A+C): tA, the other time,
  // the delay, in milliseconds to the resolution of one sample.
  QStringList ReadOut(int pair) const;
  // The legends show ReadOut (the times changed).
  void UpdateReadOut();

  // The run as the window holds it: the settings in force, the blocks of
  // the pairs recorded, their times and how they were obtained, and the
  // solver's result for them when all four are known.
  TRun CurrentRun() const;
  // Shows a loaded run as if just recorded: its settings are in force (the
  // settings file is not changed), both scopes show its blocks with the
  // cursors at its times; a pair without saved times is detected anew.
  void ShowRun(const TRun& run);
  // Each scope's picture with its cursors, as printed; null for a pair
  // the run does not hold.
  QImage ScopePicture(int pair, const TRun& run) const;
  // The pairs shown were struck at the struck point: true only when every
  // pair shown was struck by the simulated sensors there, or the user
  // marked where the ground was struck (a run knows its own strike,
  // whichever input is selected now).
  bool ShowsStruckPoint() const;
  // Why the pair's picker last refused its block (None when it did not).
  TPickRefusal PairRefusal(int pair) const { return refusal_[pair]; }

public slots:
  void FormCreate(QObject* Sender);
  void FormClose(QObject* Sender, Vcl::TCloseAction& Action);
  void seletorChange(QObject* Sender);
  void ScpABChannels0ChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize,
                                 bool WasChanged);
  void ScpABChannels1ChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize,
                                 bool WasChanged);
  void ScpACChannels0ChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize,
                                 bool WasChanged);
  void ScpACChannels1ChannelDraw(QObject* Sender, int ChannelIndex, const double* ChannelData, int DataSize,
                                 bool WasChanged);
  void ScpABCursorsPositionChange(QObject* Sender, int Index, TSLRealPoint& OldPosition, TSLRealPoint& NewPosition);
  void ScpACCursorsPositionChange(QObject* Sender, int Index, TSLRealPoint& OldPosition, TSLRealPoint& NewPosition);
  void chkAutomaticTimeClick(QObject* Sender);
  void btnEpicenterClick(QObject* Sender);
  void btnSaveRunClick(QObject* Sender);
  void btnOpenRunClick(QObject* Sender);
  void btnExportCsvClick(QObject* Sender);

private:
  TCaptureFailures* captureFailures_ = nullptr;
  std::unique_ptr<TEpicenterAnswer> answer_;
  // Feeds a loaded run's blocks to the scopes as the converter would.
  struct TRunPlayback;
  std::unique_ptr<TRunPlayback> playback_;
  // Each pair shown was struck at the struck point: by the simulated
  // sensors, or opened from a run that kept its strike.
  bool knownStrike_[2] = {};
  void ShowPairBlock(TSLScope* scope, const std::vector<double>& left, const std::vector<double>& right);
  // "Open Run" and "Export CSV": the folder chosen, empty when cancelled.
  QString ChooseRunFolder(const QString& title);
  bool refusingAutoDetection_ = false;
  // One channel's share of pulse detection: where its time and flags live.
  struct TDetectionTarget {
    TSLScope* scope;
    int cursor;
    double* time;
    bool* own;
    bool* partner;
    bool* known;
  };
  // Which times were detected or set by hand since their pair last started
  // or the experiment was reset: [pair A+B, pair A+C][channel].
  bool known_[2][2] = {};
  // "Find Epicenter" with a pair not recorded asks first; false: not asked for.
  bool ConfirmUnrecordedPairs();
  // How each time was last obtained, per pair and channel, for the read-out.
  TTimeHow source_[2][2] = {};
  // A dragged time: the time one screen pixel spanned where it was released.
  double pixelSeconds_[2][2] = {};
  // A pair picked by onset or correlation: the method, the delay's stated
  // uncertainty, or why the pair could not be picked.
  TPickMethod pickedBy_[2] = {};
  double pickedDelay_[2] = {};
  QString unpicked_[2];
  void PickPairOf(TSLScope* scope, const double* right, int size);
  void ForgetPairPick(int pair);
  // The first sample at the level, judged once both channels of a pair
  // have one: false (and the pair's times forgotten, with the reason in the
  // read-out) when the crossing lies in the quiet part before any rise;
  // else the delay's uncertainty is the crossings' rise, and idle noise
  // close under the level is noted.
  bool LevelPairHolds(const TDetectionTarget& target, const double* data, int size);
  bool noiseNearLevel_[2] = {};
  TPickRefusal refusal_[2] = {TPickRefusal::None, TPickRefusal::None};
  // How the four times were read, for the answer's uncertainties: a time
  // known without a source (its cursor's place taken as it stands) counts
  // as dragged.
  TTimeReadings Readings() const;
  void CursorReleased(TSLScope* scope, int pair, int index);
  // The read-out in each scope's legend: both times, then the delay.
  TSLLegendCustomItem* readOut_[2][3] = {};
  bool readOutQueued_ = false;
  void AddReadOut(TSLScope* scope, int pair);
  // Brought up to date after the paint that changed a time.
  void QueueReadOut();
  void DetectPulse(const TDetectionTarget& target, const double* data, int size, bool wasChanged);
  void AcquirePair(TSLScope* into, TSLScope* other, double* timeA, double* timeOther, int rightSensor, bool* known);
  void SetTimeAxis(TSLScope* scope);
};
