#pragma once
// The classroom's rule kept exactly: the first sample whose magnitude
// reaches the level, on the raw data. What it adds is judgement: a level
// the idle noise already reaches, or a pick in the quiet part before any
// rise, is refused; and the time the crossing's rise took is stated as the
// uncertainty, since the true arrival lies before the crossing.

#include "app/experiment/picks/pick_result.h"
#include "app/experiment/picks/signal_cleanup.h"

// `survey` of the same raw block (SurveyBlock).
TChannelPick LevelPick(const double* x, int n, int rate, double level, const TBlockSurvey& survey);

// Both channels; the delay's uncertainty is the larger of the two, since
// both crossings come late by at most their own rise.
TPairPick LevelPickPair(const double* left, const double* right, int n, int rate, double level);
