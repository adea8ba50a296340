#pragma once
// An onset pick needing no hand-set level: a short-term over long-term
// energy trigger on the cleaned channel, its threshold taken from how high
// the same ratio goes over the block's own quiet part, then refined by the
// Akaike information criterion's best split of the stretch before the
// trigger into noise and signal.

#include <vector>

#include "app/experiment/picks/pick_result.h"
#include "app/experiment/picks/signal_cleanup.h"

// `y` cleaned (CleanPair), `noise` its rms over the quiet part, `window`
// the short-term energy's length (s).
TChannelPick OnsetPick(const std::vector<double>& y, int rate, const TBlockSurvey& survey, double noise,
                       double window);

// Both channels of a cleaned pair; the delay's uncertainty combines both.
TPairPick OnsetPickPair(const TCleanPair& pair, int rate);
