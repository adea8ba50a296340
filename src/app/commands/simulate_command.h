#pragma once
// `tremora --simulate X Y`: the whole experiment without hardware and
// without a screen. The real windows run offscreen with the simulated
// sensors struck at (X, Y) mm; pair A+B and pair A+C are recorded with
// automatic detection and hold, then "Find Epicenter" runs, with the
// settings of config.ini in the working directory. With `--screenshot DIR`
// after the point, the recorded acquisition window and the main window
// after "Find Epicenter" are written into DIR as PNG files.

#include <ostream>
#include <string>
#include <vector>

// `args` are the arguments after "--simulate". Returns the exit status:
// 0 point accepted on the map, 1 bad acquisition or no pulse detected,
// 2 bad arguments.
int RunSimulateCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err);
