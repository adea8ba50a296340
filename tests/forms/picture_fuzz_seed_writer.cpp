// Writes the picture fuzzer's seeds into the folder given: the test maps in
// every raster format and SVG, and made-up metafiles, each behind the byte
// that picks its format.

#include "support/metafile_samples.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

void Write(const std::filesystem::path& dir, const std::string& name, char kind, const std::string& bytes) {
  std::ofstream(dir / name, std::ios::binary) << kind << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  const char* data = std::getenv("TREMORA_TEST_DATA");
  const std::filesystem::path pictures = std::filesystem::path(data ? data : "tests/data") / "pictures";
  const std::pair<const char*, char> maps[] = {{"map.jpg", 0}, {"map.bmp", 1}, {"map.png", 2}, {"map.svg", 3}};
  for (const auto& [name, kind] : maps) {
    std::ifstream in(pictures / name, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "missing %s\n", (pictures / name).c_str());
      return 1;
    }
    std::stringstream bytes;
    bytes << in.rdbuf();
    Write(dir, name, kind, bytes.str());
  }
  Write(dir, "map.wmf", 4, testsupport::SampleWmf());
  Write(dir, "plain.wmf", 4, testsupport::SampleWmf({.placeable = false}));
  Write(dir, "map.emf", 5, testsupport::SampleEmf());
  Write(dir, "notext.emf", 5, testsupport::SampleEmf({.withText = false}));
  Write(dir, "huge_record.wmf", 4, testsupport::HugeRecordWmf());
  Write(dir, "unterminated_description.emf", 5, testsupport::UnterminatedDescriptionEmf());
  return 0;
}
