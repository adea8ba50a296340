#pragma once
// `tremora --analyze RUNDIR [--report FILE.pdf]`: finds the times of a run
// folder's recordings as the acquisition window does (or takes the dragged
// ones run.ini gives), solves them and prints what --locate prints after a
// `times:` line, without opening a window.

#include <ostream>
#include <string>
#include <vector>

// `args` are the arguments after "--analyze". Returns the exit status:
// 0 point accepted on the map, 1 no point or a run that cannot be analysed,
// 2 bad arguments.
int RunAnalyzeCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);
