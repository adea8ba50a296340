#pragma once
// A run as CSV files for a spreadsheet: pair-AB.csv and pair-AC.csv (a
// header line, then the time in seconds and both sensors' values) and
// results.csv (quantity, value, unit), with a dot for the decimal point
// whatever the locale.

#include <filesystem>
#include <string>
#include <vector>

struct TRun;

inline constexpr const char* kRunPairCsvFiles[2] = {"pair-AB.csv", "pair-AC.csv"};
inline constexpr const char* kRunResultsCsvName = "results.csv";

// Writes the files of `run` into `folder`, made when missing; the file of a
// pair not recorded is removed, so that the folder holds one run. Empty on
// success (`written` gets the files written), else the message.
std::string ExportRunCsv(const std::filesystem::path& folder, const TRun& run, std::vector<std::string>* written);
