#pragma once
// The lines --locate, --analyze and --simulate print for an answer, read by
// scripts: the sensors' corrections when some were measured, the increments, then the epicenter, the marker, the distance to
// the struck point (when one is known), each other place the times allow
// (`other:`, best fit first), how far the epicenter's own part of the
// fitting region reaches (`uncertainty:`) and how far the whole region
// reaches (`spread:`); or the solver's message.

#include <ostream>

struct TEpicenterAnswer;

// Returns the exit status: 0 for a point on the map, 1 otherwise.
int PrintAnswer(const TEpicenterAnswer& answer, std::ostream& out, const double* strikeX = nullptr,
                const double* strikeY = nullptr);
