#include "app/commands/answer_lines.h"

#include "app/experiment/epicenter_answer.h"
#include "app/experiment/numbers.h"

#include <algorithm>
#include <cmath>

int PrintAnswer(const TEpicenterAnswer& answer, std::ostream& out, const double* strikeX, const double* strikeY) {
  if (answer.correction[0] != 0 || answer.correction[1] != 0)
    out << "corrections: B=" << FixedPoint(answer.correction[0], 6) << " C=" << FixedPoint(answer.correction[1], 6)
        << " s subtracted from the picks\n";
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
  const int others = std::min(static_cast<int>(answer.others.size()), kMaxOtherPlaces);
  for (int k = 0; k < others; ++k)
    out << "other: " << FixedPoint(answer.others[k].bestX, 2) << " " << FixedPoint(answer.others[k].bestY, 2)
        << " mm\n";
  if (!answer.Fits()) {
    out << "uncertainty: none\n";
    return 0;
  }
  out << "uncertainty: " << FixedPoint(answer.uncertainty, 2) << " mm\n";
  out << "spread: " << FixedPoint(answer.spread, 2) << " mm\n";
  return 0;
}
