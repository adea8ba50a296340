#pragma once
// `tremora --velocity [--strike X Y] RUNDIR...`: the pulse velocity and the
// sensors' own delays from run folders recorded with strikes at known
// points (each folder's [STRIKE] point, or (X, Y) mm for folders without
// one), without opening a window.

#include <ostream>
#include <string>
#include <vector>

// `args` are the arguments after "--velocity". Returns the exit status:
// 0 a velocity was fitted, 1 no pair can tell it, 2 bad arguments.
int RunVelocityCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
