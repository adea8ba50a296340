#pragma once
// The experiment's names of how a time was read, how a pair was picked and
// why a pick was refused, in the windows' language. The experiment keeps
// its English names for the files and the command line; these are for what
// a student reads in a window or a report.

#include "app/experiment/arrival_times.h"
#include "app/experiment/picks/pick_result.h"
#include "app/experiment/picks/pair_pick.h"

#include <QString>

// "detected", "dragged"; "not set" for a time never set.
QString TimeHowWords(TTimeHow how);

// "detected by onset", "detected by correlation" ("detected" for the level).
QString DetectedByWords(TPickMethod method);

// Why no pulse was picked; empty for none.
QString RefusalWords(TPickRefusal refusal);
