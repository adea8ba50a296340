#include "support/test_support.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace testsupport {

TempDir::TempDir() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("tremora-test-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ec;
  // Restore write permission first so that tests of read-only folders clean up.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(path_, ec);
}

ScopedWorkingDir::ScopedWorkingDir(const std::filesystem::path& dir)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(dir);
}

ScopedWorkingDir::~ScopedWorkingDir() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + file.string());
  out << content;
}

bool RunningAsRoot() { return ::geteuid() == 0; }

SmallDisk::SmallDisk(const std::filesystem::path& dir, long long bytes) : dir_(dir) {
  std::filesystem::create_directories(dir_);
  if (!RunningAsRoot()) {
    why_ = "mounting a small file system needs root";
    return;
  }
  const std::string options = "size=" + std::to_string(bytes);
  if (::mount("tremora-test", dir_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
    why_ = std::string("cannot mount a small file system: ") + std::strerror(errno);
    return;
  }
  mounted_ = true;
}

SmallDisk::~SmallDisk() {
  if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
}

long long SmallDisk::Free() const {
  struct statvfs fs {};
  if (::statvfs(dir_.c_str(), &fs) != 0) return 0;
  return static_cast<long long>(fs.f_bavail) * static_cast<long long>(fs.f_frsize);
}

void SmallDisk::Fill(long long free) {
  const std::filesystem::path filler = dir_ / ".filler";
  std::error_code ec;
  std::filesystem::remove(filler, ec);
  if (free < 0) return;
  const long long size = Free() - free;
  if (size <= 0) return;
  std::ofstream out(filler, std::ios::binary);
  const std::string chunk(4096, 'x');
  for (long long written = 0; written < size && out; written += static_cast<long long>(chunk.size()))
    out.write(chunk.data(), static_cast<std::streamsize>(std::min<long long>(chunk.size(), size - written)));
}

}  // namespace testsupport
