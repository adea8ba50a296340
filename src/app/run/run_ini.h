#pragma once
// run.ini: the run's settings under config.ini's own sections and keys,
// then its times, increments, epicenter, struck point and the program that
// wrote it, in sections of their own.

#include <filesystem>
#include <string>
#include <vector>

struct TRun;

// Writes run.ini of `run` into `file`; false when it cannot be written.
bool WriteRunIni(const std::filesystem::path& file, const TRun& run);

// Reads the sections beyond the settings (times, results, strike, program)
// of `file` into `run`; what cannot be read is added to `problems`.
void ReadRunResults(const std::filesystem::path& file, TRun& run, std::vector<std::string>& problems);
