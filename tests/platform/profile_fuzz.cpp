// Runs the profile (settings) reader and writer on an arbitrary file: every
// key of the settings reads without fault within the length limit, and
// writing one key changes that key alone.

#include "platform/profile_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const std::pair<const char*, const char*> kKeys[] = {
    {"POSICAO", "xA"}, {"POSICAO", "xB"}, {"POSICAO", "yA"}, {"MAPA", "mapax"}, {"IMGFILE", "imgfilename"},
    {"VELOCIDADE", "vel"}, {"TXAQUISICAO", "tx"}, {"posicao", "XC"}, {"", ""}, {"A", "k"}};

std::filesystem::path File() {
  static const std::filesystem::path file = [] {
    // In memory where the machine has it: every write is flushed to disk.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    auto dir = base / ("tremora-profile-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    static const std::filesystem::path made = dir;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(made, ec);
    });
    return dir / "config.ini";
  }();
  return file;
}

std::vector<std::string> ReadAll(const std::filesystem::path& file) {
  std::vector<std::string> values;
  for (const auto& [section, key] : kKeys) {
    values.push_back(profile::ReadString(file, section, key, "\x01none"));
    if (values.back().size() > profile::kMaxValueLength) std::abort();
    (void)profile::ReadInt(file, section, key, -7);
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto file = File();
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
  const std::vector<std::string> before = ReadAll(file);

  // Values a user may type, including an empty one and one with blanks.
  const char* values[] = {"44100", "", "a b", "0x10"};
  const char* value = values[size % 4];
  if (profile::WriteString(file, "TXAQUISICAO", "tx", value)) std::abort();
  if (profile::ReadString(file, "TXAQUISICAO", "tx", "\x01none") != value) std::abort();
  const std::vector<std::string> after = ReadAll(file);
  for (size_t i = 0; i < before.size(); ++i)
    if (std::string(kKeys[i].first) != "TXAQUISICAO" && before[i] != after[i]) std::abort();
  return 0;
}
