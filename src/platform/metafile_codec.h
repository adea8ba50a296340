#pragma once
// Windows metafiles (WMF, with or without the placeable header, and EMF
// including EMF+ records) turned into SVG through Debian's libwmf and
// libemf2svg, so that the vector-picture path draws them. The libraries'
// own messages are kept off the terminal; every failure is an
// EMetafileError. No Qt here.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace metafile {

class EMetafileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class Kind { None, Wmf, Emf };

// Recognises a metafile by its header: the EMF header record with its
// signature, the placeable WMF key, or a plain WMF header.
Kind Sniff(const uint8_t* data, size_t size);

struct TSvg {
  std::string text;
  int width = 0;   // the picture's own size in pixels
  int height = 0;
};

// Converts a whole metafile held in memory. A picture whose own size
// exceeds maxPixels is refused before it is converted.
TSvg ToSvg(const uint8_t* data, size_t size, Kind kind, uint64_t maxPixels);

}  // namespace metafile
