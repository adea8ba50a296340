#include "buffers/kernels.h"

#include <cstring>
#include <mutex>

#include "platform/dynamic_library.h"

namespace {

// Libraries stay loaded until process end: slots bound from them may be
// called by any thread at any time, including from static destructors.
struct TLoadedLibraries {
  TDynamicLibrary signal, core, image, colour;
};

std::mutex& LibraryListLock() {
  static std::mutex lock;
  return lock;
}

TKernelTable FillTable(const TLoadedLibraries* libs, std::vector<std::string>* bound) {
  TKernelTable table;
  auto lookup = [&](const char* name) -> void* {
    if (!libs) return nullptr;
    if (std::strncmp(name, "ipps", 4) == 0) return libs->signal.Symbol(name);
    if (std::strncmp(name, "ippi", 4) == 0) {
      void* p = libs->image.Symbol(name);
      return p ? p : libs->colour.Symbol(name);
    }
    return nullptr;
  };
#define TREMORA_KERNEL_BIND(name, params)                                   \
  if (void* entry = lookup(#name)) {                                        \
    table.name = reinterpret_cast<decltype(table.name)>(entry);             \
    if (bound) bound->push_back(#name);                                     \
  } else {                                                                  \
    table.name = &own_kernels::name;                                        \
  }
  TREMORA_KERNEL_SLOTS(TREMORA_KERNEL_BIND)
#undef TREMORA_KERNEL_BIND
  return table;
}

}  // namespace

TKernelTable OwnKernelTable() { return FillTable(nullptr, nullptr); }

TKernelTable BindKernelTable(const TKernelLibraryFiles& files, std::vector<std::string>* boundFromLibrary) {
  // Loaded libraries are kept for the whole process (never freed).
  static std::vector<TLoadedLibraries*>* kept = new std::vector<TLoadedLibraries*>();
  auto* libs = new TLoadedLibraries;
  libs->signal.Load(files.signal);
  libs->core.Load(files.core);
  libs->image.Load(files.image);
  libs->colour.Load(files.colour);
  {
    std::lock_guard<std::mutex> guard(LibraryListLock());
    kept->push_back(libs);
  }
  return FillTable(libs, boundFromLibrary);
}

const TKernelTable& Kernels() {
  static const TKernelTable table = BindKernelTable(TKernelLibraryFiles{});
  return table;
}

void BindKernels() { (void)Kernels(); }
