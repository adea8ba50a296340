#include "app/commands/locate_command.h"

#include "app/commands/answer_lines.h"
#include "app/experiment/epicenter_answer.h"
#include "app/experiment/numbers.h"
#include "app/experiment/settings_file.h"

int RunLocateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  double times[4] = {};
  bool ok = args.size() == 4;
  for (std::size_t k = 0; ok && k < 4; ++k) ok = ParseNumber(args[k], times[k]);
  if (!ok) {
    err << "usage: tremora --locate TA_AB TB TA_AC TC   (arrival times in seconds)\n";
    return 2;
  }
  TExperimentState state;
  LoadSettings(state);
  state.mapScale = kMapScale;
  state.timeA_AB = times[0];
  state.timeB = times[1];
  state.timeA_AC = times[2];
  state.timeC = times[3];
  return PrintAnswer(AnswerEpicenter(state, {}, state.velocityUncertainty), out);
}
