#pragma once
// A set of files put into a folder together: each is written under a
// temporary name beside its target, and only when all are written are they
// renamed into place, the old ones kept aside until the last rename
// succeeded. A folder so ends either with every new file or with the files
// it had, untouched; never with some of each.

#include <filesystem>
#include <string>
#include <vector>

class TFileSet {
public:
  explicit TFileSet(std::filesystem::path folder);
  // Whatever was staged and not committed is removed.
  ~TFileSet();
  TFileSet(const TFileSet&) = delete;
  TFileSet& operator=(const TFileSet&) = delete;

  // The temporary path to write `name` to. Files are put in place in the
  // order they were staged: the one that says the set is whole goes last.
  std::filesystem::path Stage(const std::string& name);
  // `name` must be gone after the commit (an older file that no longer
  // belongs to the set).
  void Remove(const std::string& name);
  // Puts the set in place. Empty on success; otherwise the folder holds
  // its old files again and the message names the file that failed.
  std::string Commit();

private:
  struct TEntry {
    std::string name;
    bool staged;  // false: to be removed
  };
  std::filesystem::path folder_;
  std::vector<TEntry> entries_;
  bool committed_ = false;
};
