#pragma once
// One entry for every picker: a recorded pair in, two arrival times, the
// delay and their uncertainties out.

#include "app/experiment/picks/pick_result.h"

// `left` and `right`: one block of `n` samples at `rate` samples/s, full
// scale 1.0, left = station A. `levelFraction` (the detection level over
// 1000) is used by TPickMethod::Level only.
TPairPick PickPair(TPickMethod method, const double* left, const double* right, int n, int rate,
                   double levelFraction);

const char* PickMethodName(TPickMethod method);
