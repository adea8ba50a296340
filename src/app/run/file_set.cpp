#include "app/run/file_set.h"

#include "app/run/run_words.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {
fs::path Suffixed(const fs::path& file, const char* suffix) { return fs::path(file.string() + suffix); }
}  // namespace

TFileSet::TFileSet(fs::path folder) : folder_(std::move(folder)) {}

TFileSet::~TFileSet() {
  if (committed_) return;
  std::error_code ec;
  for (const TEntry& e : entries_)
    if (e.staged) fs::remove(Suffixed(folder_ / e.name, ".part"), ec);
}

fs::path TFileSet::Stage(const std::string& name) {
  entries_.push_back({name, true});
  const fs::path part = Suffixed(folder_ / name, ".part");
  std::error_code ec;
  fs::remove(part, ec);  // left by a save that was cut off
  return part;
}

void TFileSet::Remove(const std::string& name) { entries_.push_back({name, false}); }

std::string TFileSet::Commit() {
  std::error_code ec;
  std::vector<fs::path> keptAside, placed;
  auto rollBack = [&] {
    std::error_code ignored;
    for (const fs::path& file : placed) fs::remove(file, ignored);
    for (const fs::path& file : keptAside) fs::rename(Suffixed(file, ".old"), file, ignored);
    for (const TEntry& e : entries_)
      if (e.staged) fs::remove(Suffixed(folder_ / e.name, ".part"), ignored);
  };
  // The old files step aside first, so that a failure can bring them back.
  for (const TEntry& e : entries_) {
    const fs::path file = folder_ / e.name;
    if (!fs::exists(fs::symlink_status(file, ec))) continue;
    fs::remove(Suffixed(file, ".old"), ec);
    fs::rename(file, Suffixed(file, ".old"), ec);
    if (ec) {
      rollBack();
      return Said(RunWords::tr("Unable to write to %1").arg(PathWords(file)));
    }
    keptAside.push_back(file);
  }
  for (const TEntry& e : entries_) {
    if (!e.staged) continue;
    const fs::path file = folder_ / e.name;
    fs::rename(Suffixed(file, ".part"), file, ec);
    if (ec) {
      rollBack();
      return Said(RunWords::tr("Unable to write to %1").arg(PathWords(file)));
    }
    placed.push_back(file);
  }
  committed_ = true;
  for (const fs::path& file : keptAside) fs::remove(Suffixed(file, ".old"), ec);
  return {};
}
