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

// A small file system of its own (tmpfs) mounted on `dir`, made empty,
// to run out of space for real; unmounted when the object goes away.
// Mounting needs root: Mounted() is false otherwise and Why() says why.
class SmallDisk {
public:
  SmallDisk(const std::filesystem::path& dir, long long bytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  // Fills the disk with a file of its own until only about `free` bytes
  // are left; Fill(-1) removes that file again.
  void Fill(long long free);
  long long Free() const;

private:
  std::filesystem::path dir_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace testsupport
