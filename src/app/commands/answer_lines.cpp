#include "app/commands/answer_lines.h"

#include "app/experiment/epicenter_answer.h"
#include "app/experiment/numbers.h"

int PrintAnswer(const TEpicenterAnswer& answer, std::ostream& out, const double* strikeX, const double* strikeY) {
  out << "increments: A=" << answer.increments[stA] << " B=" << answer.increments[stB]
      << " C=" << answer.increments[stC] << "\n";
  if (!answer.Solved()) {
    out << SolveMessage(answer.point.outcome) << "\n";
    return 1;
  }
  const double x = answer.point.x, y = answer.point.y;
  out << "epicenter: " << FixedPoint(x, 2) << " " << FixedPoint(y, 2) << " mm\n";
  out << "marker: left=" << answer.point.markerLeft << " top=" << answer.point.markerTop << "\n";
  if (strikeX && strikeY) out << "error: " << FixedPoint(std::hypot(x - *strikeX, y - *strikeY), 2) << " mm\n";
  if (answer.hasOther) out << "other: " << FixedPoint(answer.otherX, 2) << " " << FixedPoint(answer.otherY, 2) << " mm\n";
  out << "uncertainty: " << FixedPoint(answer.uncertainty.radius, 2) << " mm\n";
  return 0;
}
