#pragma once
// Numbers as the command line, run.ini and the CSV files hold them: always
// with a dot, whatever the machine's locale (the windows' toolkit switches
// the C library to it, and these texts are read by scripts).

#include <string>

// A finite decimal number, with an optional leading '+'; false for anything
// else, including text after the number.
bool ParseNumber(const std::string& text, double& value);

// `value` with `decimals` digits after the point.
std::string FixedPoint(double value, int decimals);

// The shortest text that reads back as the same double.
std::string ShortestNumber(double value);
