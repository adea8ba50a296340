#pragma once
// A pair's delay from correlating its two cleaned channels around the
// pulse. Each channel's stretch starts at its own onset pick, so the
// correlation only refines the onset delay by a few milliseconds and cannot
// lock onto a later swing of the ring. The left time stays the onset pick,
// so the times still mean arrivals.

#include "app/experiment/picks/pick_result.h"
#include "app/experiment/picks/signal_cleanup.h"

// What is correlated. The envelope ignores polarity and the sensors'
// different ringing; the rectified trace keeps more of the fine timing; the
// signed trace with the peak of |c| keeps the most but may slip by a cycle
// when the two sensors ring differently (bench_pick_accuracy compares them).
enum class TCorrelationShape { Envelope, Rectified, SignedMagnitude };

TPairPick CorrelationPickPair(const TCleanPair& pair, int rate, TCorrelationShape shape = TCorrelationShape::Rectified);
