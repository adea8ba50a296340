#pragma once
// Small helpers shared by the test programs.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// A fresh empty directory under the system's temporary directory, removed
// (with everything in it) when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

// Makes `dir` the process's working directory for the object's lifetime.
class ScopedWorkingDir {
public:
  explicit ScopedWorkingDir(const std::filesystem::path& dir);
  ~ScopedWorkingDir();
  ScopedWorkingDir(const ScopedWorkingDir&) = delete;
  ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

private:
  std::filesystem::path previous_;
};

// Polls `condition` until it holds or `limit` passes; returns its last value.
// Limits are generous: the waits end as soon as the condition holds.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(30));

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& content);

// True when the process runs as root, where permission-based failures
// (read-only files and folders) cannot be provoked.
bool RunningAsRoot();

}  // namespace testsupport
