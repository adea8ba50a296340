#pragma once
// `tremora --locate TA_AB TB TA_AC TC`: runs the epicenter solver on four
// measured times with the settings of config.ini in the working directory,
// without opening a window.

#include <ostream>
#include <string>
#include <vector>

// `args` are the arguments after "--locate". Returns the exit status:
// 0 point accepted on the map, 1 bad acquisition, 2 bad arguments.
int RunLocateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
