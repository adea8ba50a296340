#pragma once
// The settings file config.ini in the current working directory. The path is
// formed anew at every call, so a working directory changed by a file dialog
// moves later saves with it.

#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/experiment_state.h"

// A settings write that failed; what() is "Unable to write to <path>".
class ESettingsWriteError : public std::runtime_error {
public:
  explicit ESettingsWriteError(const std::filesystem::path& path);
};

// <working directory>/config.ini at this moment.
std::filesystem::path SettingsPath();

// Reads config.ini into the state; missing file, keys or unreadable numbers
// give the defaults. Never fails.
void LoadSettings(TExperimentState& state);

// Writes the state to config.ini, key by key. Stops at the first key that
// cannot be written with ESettingsWriteError; keys written before it stay.
void SaveSettings(const TExperimentState& state);
