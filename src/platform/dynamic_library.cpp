#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include <utility>

TDynamicLibrary::TDynamicLibrary(TDynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

TDynamicLibrary& TDynamicLibrary::operator=(TDynamicLibrary&& other) noexcept {
  if (this != &other) {
    Free();
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

bool TDynamicLibrary::Load(const std::string& fileName) {
  Free();
  if (fileName.empty()) return false;
  handle_ = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  return handle_ != nullptr;
}

void* TDynamicLibrary::Symbol(const char* name) const {
  if (!handle_ || !name) return nullptr;
  return dlsym(handle_, name);
}

void TDynamicLibrary::Free() {
  if (void* h = std::exchange(handle_, nullptr)) dlclose(h);
}
