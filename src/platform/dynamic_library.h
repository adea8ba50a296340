#pragma once
// Loading a shared library by name and looking entries up in it. A library
// that cannot be loaded, or an entry that is missing, is reported by an empty
// result only: the callers fall back to their own code without a message.

#include <string>

class TDynamicLibrary {
public:
  TDynamicLibrary() = default;
  // Loads `fileName` (searched the usual way when it has no slash).
  explicit TDynamicLibrary(const std::string& fileName) { Load(fileName); }
  ~TDynamicLibrary() { Free(); }
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;
  TDynamicLibrary(TDynamicLibrary&& other) noexcept;
  TDynamicLibrary& operator=(TDynamicLibrary&& other) noexcept;

  // Frees any library held, then loads `fileName`; false when it cannot be loaded.
  bool Load(const std::string& fileName);
  bool IsLoaded() const { return handle_ != nullptr; }
  // The entry's address, or nullptr when the library is absent or lacks it.
  void* Symbol(const char* name) const;
  void Free();
  // Gives up the handle without unloading (a library that must stay loaded
  // until process end).
  void Release() { handle_ = nullptr; }

private:
  void* handle_ = nullptr;
};
