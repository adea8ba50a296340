#pragma once
// `tremora --class DIR... [--report FILE.pdf] [--csv FILE]`: every group's
// run folder solved as --analyze solves it, one line a group, then the
// class's mean and spread and, with a struck point known, how many groups'
// regions hold it. Nothing is written into the groups' folders.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>


// `args` are the arguments after "--class". Returns the exit status: 0 when
// a group gave an epicenter, 1 when none did, 2 on wrong arguments.
int RunClassCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
