#pragma once
// What a picker gives back for one sensor pair: the two arrival times, the
// delay, how far each may be off, and why it refused when it did.

enum class TPickMethod {
  Level,        // first sample at a set level on the raw data (the classroom's rule)
  Onset,        // STA/LTA trigger on the cleaned signal, refined by an AIC onset
  Correlation,  // delay from correlating the two cleaned channels; left time from the onset
};

enum class TPickRefusal {
  None,
  NotReached,       // level: no sample reaches the level; onset: nothing rises above the noise
  LevelBelowNoise,  // level: within a fifth above the highest idle noise, which noise alone may reach
  NoiseTriggered,   // level: the first sample at the level lies in the quiet part, before any rise
  NoQuietPart,      // the pulse comes too early in the block to measure the noise before it
  WeakCorrelation,  // correlation: the channels look too little alike to trust a delay
};

// A short English reason for a refusal, for reports and logs.
const char* RefusalText(TPickRefusal refusal);
// What to do when the first sample at the level was the noise's.
inline constexpr const char* kRaiseTheLevel =
    "; raise the detection level above the idle noise, or pick by onset or correlation";

struct TChannelPick {
  bool ok = false;
  double time = 0.0;         // s from the block start
  double uncertainty = 0.0;  // s; the arrival is within time +- uncertainty (level: within [time - u, time])
  TPickRefusal refusal = TPickRefusal::None;
};

struct TPairPick {
  bool ok = false;
  double leftTime = 0.0, rightTime = 0.0;  // s from the block start
  double delay = 0.0;                      // rightTime - leftTime for level and onset; the correlation's own otherwise
  double leftUncertainty = 0.0, rightUncertainty = 0.0, delayUncertainty = 0.0;  // s
  TPickRefusal refusal = TPickRefusal::None;
};
