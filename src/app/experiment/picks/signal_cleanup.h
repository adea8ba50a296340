#pragma once
// Cleaning a recorded pair before any pick: where the pulse is and which
// part of the block is quiet, the offset and mains hum fitted over the quiet
// part and taken out of the whole block, and a band-pass whose band is where
// the pulse stands above the noise.

#include <vector>

// Where the pulse lies in one channel, found from its strongest stretch.
struct TBlockSurvey {
  int peak = 0;       // sample at the middle of the strongest 2 ms
  int quietEnd = 0;   // samples [0, quietEnd) are taken as noise only
  bool hasQuiet = false;  // at least kMinQuietSeconds of quiet before the pulse
};
inline constexpr double kQuietGuardSeconds = 0.030;  // kept clear before the strongest stretch
inline constexpr double kMinQuietSeconds = 0.020;
inline constexpr double kDullnessSpan = 0.010;  // s after the onset over which dullness is measured
// A floor loses its high frequencies on the way (attenuation Q of 15 to 40),
// which delays every feature a picker can see by about 1/Q of the travel
// time: a delay between two stations reads long or short by up to this
// share of itself, beyond what the two pulses' shapes reveal.
inline constexpr double kDispersionShare = 0.05;

TBlockSurvey SurveyBlock(const double* x, int n, int rate);

// The offset and hum taken out of a channel.
struct THumFit {
  double mainsHz = 0.0;  // 50 or 60, the family that fitted best; 0 when neither helped
  double offset = 0.0;
  double humRms = 0.0;   // of the fitted hum, full scale 1.0
};

// Fits offset + sin/cos at the mains' odd harmonics (below 0.45 rate) over
// [quietBegin, quietEnd), once for 50 Hz and once for 60 Hz, keeps the
// better, and subtracts it over the whole block.
THumFit RemoveOffsetAndHum(std::vector<double>& x, int quietBegin, int quietEnd, int rate);

struct TBand {
  double lowHz = 0.0;
  double highHz = 0.0;  // >= 0.45 rate: no low-pass
};

// The band where the pulse window's spectrum stands at least `minRatio`
// above the quiet part's, contiguous around the best ratio, taken over both
// channels (the weaker at each frequency) so one filter serves the pair.
TBand ChooseBand(const std::vector<double>& left, const TBlockSurvey& leftSurvey, const std::vector<double>& right,
                 const TBlockSurvey& rightSurvey, int rate);

// Causal band-pass (second-order Butterworth high- and low-pass): a
// zero-phase filter would leak the pulse ahead of its onset, by tens of
// milliseconds for a low band, where the onset picker would find it.
void BandPass(std::vector<double>& x, const TBand& band, int rate);

// The low-pass's delay at low frequencies (s), which the onset picker
// takes back off its times; the high-pass delays the onset of a pulse
// hardly at all.
double BandPassDelay(const TBand& band, int rate);

// A pair made ready for the pickers.
struct TCleanPair {
  std::vector<double> left, right;  // offset and hum removed, band-passed
  TBlockSurvey leftSurvey, rightSurvey;
  THumFit leftHum, rightHum;
  TBand band;
  double delay = 0.0;  // s, BandPassDelay of the band
  double leftNoise = 0.0, rightNoise = 0.0;  // rms over the quiet part after cleaning
  // The same through a band reaching two octaves higher, with the noise's
  // mean square and mean squared difference over the quiet part: the
  // pulse's shape beyond the band.
  std::vector<double> wideLeft, wideRight;
  double wideNoise[2] = {}, wideNoiseSlope[2] = {};
};
TCleanPair CleanPair(const double* left, const double* right, int n, int rate);

// The pulse's mean frequency over y[begin, end), sqrt(mean(y'^2) / mean(y^2))
// / (2 pi) in Hz, less what the noise (mean squares `noiseSlope` and
// `noisePower`) adds. A duller pulse (a farther sensor, a lower resonance)
// has a lower one and reads later to every picker, by about 1 / (2 pi f).
// 0 when the noise hides the pulse.
double MeanFrequency(const std::vector<double>& y, int begin, int end, int rate, double noiseSlope = 0.0,
                     double noisePower = 0.0);

// Each channel's dullness 1 / (2 pi f) from its wide-band signal just
// after `time` (s); 0 when unknown.
double LeftDullness(const TCleanPair& pair, double time, int rate);
double RightDullness(const TCleanPair& pair, double time, int rate);

// Root mean square of x[begin, end).
double Rms(const std::vector<double>& x, int begin, int end);
