#pragma once
// The class's results: every group's run folder loaded and solved as
// --analyze does, then pooled, so that the spread of the groups' epicenters
// shows how errors enter the measurement. Nothing is written anywhere.

#include <filesystem>
#include <string>
#include <vector>

#include "app/run/run_folder.h"

struct TClassGroup {
  std::string name;       // the folder's name
  std::filesystem::path folder;
  TRun run;
  std::vector<std::string> problems;  // the loader's messages, then why no epicenter
  bool located = false;   // the run gave an epicenter
  double x = 0, y = 0;    // mm, the epicenter when located
  double distance = -1;   // mm to the struck point; < 0 while not known
  int inside = -1;        // the group's region holds the struck point: 1, 0; -1 not known
  bool marked = false;    // far from the others, or its region excludes the struck point
  std::vector<std::string> reasons;  // why marked, or what sets the group apart

  bool HasEpicenter() const { return located; }
  double Uncertainty() const { return run.answer.Fits() ? run.answer.uncertainty : -1; }
};

struct TClassFigures {
  int groups = 0;     // folders listed
  int located = 0;    // groups that gave an epicenter
  double meanX = 0, meanY = 0;  // mm
  double sdX = 0, sdY = 0;      // mm, sample standard deviations (0 for one group)
  bool hasStrike = false;
  double strikeX = 0, strikeY = 0;
  double medianDistance = -1;   // mm, < 0 while not known
  int inside = 0, insideOf = 0;  // groups whose region holds the struck point, of those located
  int32_t velocity = 0;  // mm/s, the velocity most groups used
  int32_t rate = 0;      // samples/s, the rate most groups used
};

struct TClassResults {
  std::vector<TClassGroup> groups;
  TClassFigures figures;
};

// The folders as given, each one whose subfolders hold run folders replaced
// by its subfolders (sorted by name; hidden ones left out).
std::vector<std::filesystem::path> ExpandClassFolders(const std::vector<std::filesystem::path>& folders);

// Loads and solves every folder (after ExpandClassFolders) and pools them.
// The struck point is the one most groups' runs carry, if any.
TClassResults LoadClassResults(const std::vector<std::filesystem::path>& folders);

// Pools the groups again around the struck point given (the teacher's
// mark) or, with `strike` false, none: distances, the region test, the
// figures and the marks.
void PoolClassResults(TClassResults& results, bool strike, double x = 0, double y = 0);

// "detected"/"dragged" or "not set" for each time, as the table shows it.
std::string ClassTimeText(const TClassGroup& group, int which);
