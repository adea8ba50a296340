#pragma once
// The pulse velocity and the sensors' own delays, measured from strikes at
// known points. Each recorded pair gives one equation
//
//   delay = difference × (1/v) + correction of the pair's right sensor
//
// where the difference is |S right| − |S A| for the struck point S (mm) and
// the correction is how late that sensor answers beside sensor A (s). The
// equations are solved by least squares weighted by each delay's
// uncertainty. The corrections are unknowns only when the strikes tell them
// apart from the velocity: each recorded sensor struck at two or more
// clearly different distance differences; otherwise the velocity alone is
// fitted and the result says why.

#include <string>
#include <vector>

// One recorded pair of one strike.
struct TVelocityPair {
  int pair = 0;               // 0: A+B, 1: A+C
  double difference = 0;      // mm, |S right| - |S A|
  double delay = 0;           // s, right time - A's time
  double uncertainty = 0;     // s, the delay's (one sample, or a dragged cursor's pixel)
  double separation = 0;      // mm, |A right|: no strike gives a larger |difference|
};

// Why a pair tells no velocity: its reason's kind and figures, for the
// windows to say it in their language.
enum class TPairRefusal {
  None,
  Unknown,      // its delay or uncertainty is not known
  NearlyEqual,  // the strike is about as far from both sensors
  TooSmall,     // one delay uncertainty moves its velocity by more than kMaxRelativeUncertainty
};

// Why no velocity was fitted.
enum class TFitFailure { None, NoPair, NotGrowing };

// The figures of one pair.
struct TPairFigures {
  bool refused = false;
  std::string reason;         // why it cannot tell the velocity, and where to strike instead
  TPairRefusal refusal = TPairRefusal::None;
  double fitVelocity = 0;     // TooSmall: mm/s, the velocity the strikes gave
  double share = 0;           // TooSmall: the share of it one delay uncertainty moves
  double needed = 0;          // TooSmall: mm, the difference that would do
  bool stationsTooClose = false;  // TooSmall: no strike gives `needed`
  double velocity = 0;        // mm/s, difference / delay (less the fitted correction)
  double uncertainty = 0;     // mm/s
};

struct TVelocityFit {
  bool told = false;            // a positive velocity was fitted
  std::string reason;           // when not told: why
  TFitFailure failure = TFitFailure::None;
  double velocity = 0;          // mm/s
  double uncertainty = 0;       // mm/s
  int used = 0;                 // pairs in the fit
  bool hasCorrections = false;  // the corrections were fitted
  std::string correctionsNote;  // when not: why
  int oneDifference = -1;       // when not: 0 (B) or 1 (C), the sensor the strikes gave one difference only
  bool recorded[2] = {};        // sensor B, C took part in the fit
  double correction[2] = {};    // s, B and C beside A: to subtract from their picks
  double correctionUncertainty[2] = {};
  std::vector<TPairFigures> pairs;  // one per input pair, in order
};

// Two differences of one sensor count as different when they are this far
// apart, and a pair is refused below it whatever the delay: the struck point
// is marked on the map to a pixel or two.
inline constexpr double kMinDifference = 10.0;  // mm

// A pair is refused when one delay uncertainty would move its velocity by
// more than this share.
inline constexpr double kMaxRelativeUncertainty = 0.5;

TVelocityFit FitVelocity(const std::vector<TVelocityPair>& pairs);

// "value ± uncertainty" with the uncertainty to two significant digits and
// the value to the same decimals, with dots.
std::string ValueWithUncertainty(double value, double uncertainty);
