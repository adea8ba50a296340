#pragma once
// `tremora --locate TA_AB TB TA_AC TC`: runs the epicenter solver on four
// measured times with the settings of config.ini in the working directory,
// without opening a window.

#include <ostream>

#include "app/experiment/experiment_state.h"
#include <string>
#include <vector>

// `args` are the arguments after "--locate". Returns the exit status:
// 0 point accepted on the map, 1 bad acquisition, 2 bad arguments.
int RunLocateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Solves the times of `state` and prints what --locate prints: the
// increments, then the epicenter, the marker, the other point and the
// uncertainty, or the solver's message. Returns 0 for a point on the map, 1
// otherwise.
int PrintLocateReport(TExperimentState& state, std::ostream& out);
