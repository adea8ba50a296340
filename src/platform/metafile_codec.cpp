#include "platform/metafile_codec.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
#include <memory>
#include <string>

namespace metafile {

namespace {

constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmrEof = 14;
constexpr uint16_t kMetaEof = 0;
constexpr uint32_t kWmfHeaderWords = 9;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kEmfHeaderSize = 88;
// The resolution a placeable WMF's inches are shown at, as on a screen. A
// plain WMF has no inches: the reader takes its units as points, and 72
// per inch shows one unit as one pixel.
constexpr double kWmfDpi = 96.0;
constexpr double kPlainWmfDpi = 72.0;

uint32_t ReadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
int32_t ReadI32(const uint8_t* p) { return int32_t(ReadU32(p)); }
uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

[[noreturn]] void Fail(const std::string& what) { throw EMetafileError("Metafile error: " + what); }

void CheckSize(int64_t width, int64_t height, uint64_t maxPixels) {
  if (width <= 0 || height <= 0) Fail("the picture has no size");
  if (width > int64_t(maxPixels) || height > int64_t(maxPixels) || uint64_t(width) * uint64_t(height) > maxPixels)
    Fail("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + " pixels)");
}

// The EMF's own size in device pixels: its bounds when it has them,
// otherwise its frame (hundredths of a millimetre) at the reference
// device's resolution.
// `used` is set to the bytes up to the end of the end record, all the
// converter may read.
void EmfSize(const uint8_t* data, size_t size, uint64_t maxPixels, int& width, int& height, size_t& used) {
  if (size < kEmfHeaderSize) Fail("the header is incomplete");
  const uint32_t headerSize = ReadU32(data + 4);
  if (headerSize < kEmfHeaderSize || headerSize > size || headerSize % 4 != 0) Fail("the header is damaged");
  // The description (UTF-16) lies in the header record.
  const uint32_t descriptionLength = ReadU32(data + 60), descriptionOffset = ReadU32(data + 64);
  if (descriptionLength != 0 && (descriptionOffset < kEmfHeaderSize || descriptionOffset > headerSize ||
                                 descriptionLength > (headerSize - descriptionOffset) / 2))
    Fail("the header is damaged");
  // A file shorter than its header says would draw only in part.
  const uint32_t declared = ReadU32(data + 48);
  if (declared > size) Fail("the picture is truncated");
  if (declared < headerSize || uint64_t(ReadU32(data + 52)) * 8 > declared) Fail("the header is damaged");
  // Every record within the declared bytes, up to the end record: the
  // converter sizes what it reads by the records' own lengths and reads on
  // until it meets that record.
  used = 0;
  for (size_t at = 0; at + 8 <= declared;) {
    const uint32_t type = ReadU32(data + at), length = ReadU32(data + at + 4);
    if (length < 8 || length % 4 != 0 || length > declared - at) Fail("a record runs past the end of the picture");
    at += length;
    if (type == kEmrEof) {
      used = at;
      break;
    }
  }
  if (used == 0) Fail("the picture has no end record (truncated file?)");
  int64_t w = int64_t(ReadI32(data + 16)) - ReadI32(data + 8) + 1;
  int64_t h = int64_t(ReadI32(data + 20)) - ReadI32(data + 12) + 1;
  if (w <= 1 || h <= 1) {
    const int64_t frameW = int64_t(ReadI32(data + 32)) - ReadI32(data + 24);
    const int64_t frameH = int64_t(ReadI32(data + 36)) - ReadI32(data + 28);
    const int32_t devW = ReadI32(data + 72), devH = ReadI32(data + 76);
    const int32_t mmW = ReadI32(data + 80), mmH = ReadI32(data + 84);
    if (devW <= 0 || devH <= 0 || mmW <= 0 || mmH <= 0) Fail("the header is damaged");
    // In floating point: the product of two header fields can pass 2^63.
    const double fw = double(frameW) * devW / (double(mmW) * 100);
    const double fh = double(frameH) * devH / (double(mmH) * 100);
    if (!(fw < 1e12 && fh < 1e12)) Fail("the picture is too large");
    w = int64_t(fw);
    h = int64_t(fh);
  }
  CheckSize(w, h, maxPixels);
  width = int(w);
  height = int(h);
}

TSvg EmfToSvg(const uint8_t* data, size_t size, uint64_t maxPixels) {
  TSvg result;
  size_t used = 0;
  EmfSize(data, size, maxPixels, result.width, result.height, used);
  generatorOptions options{};
  options.nameSpace = nullptr;
  options.verbose = false;
  options.emfplus = true;
  options.svgDelimiter = true;
  options.imgWidth = result.width;
  options.imgHeight = result.height;
  char* out = nullptr;
  size_t outLength = 0;
  // The converter reads its input only; its signature is not const.
  std::string copy(reinterpret_cast<const char*>(data), used);
  // With no description length the converter reads a description at its
  // offset up to a terminating zero, past the file's end if need be.
  if (ReadU32(data + 60) == 0) std::fill_n(copy.begin() + 64, 4, '\0');
  const int ok = emf2svg(copy.data(), copy.size(), &out, &outLength, &options);
  std::unique_ptr<char, decltype(&free)> owned(out, &free);
  if (!ok || out == nullptr || outLength == 0) Fail("the EMF picture is damaged");
  result.text.assign(out, outLength);
  return result;
}

int AppendToString(char* text, void* context) {
  static_cast<std::string*>(context)->append(text);
  return 0;
}

int ClearString(void* context) {
  static_cast<std::string*>(context)->clear();
  return 0;
}

struct ApiDeleter {
  void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};

TSvg WmfToSvg(const uint8_t* data, size_t size, uint64_t maxPixels) {
  // A file shorter than its header says would draw only in part.
  const size_t header = ReadU32(data) == kPlaceableKey ? 22 : 0;
  if (size < header + 18 || uint64_t(ReadU32(data + header + 6)) * 2 > size - header) Fail("the picture is truncated");
  // The reader reserves room for the largest record the header declares
  // and for each record by its own length before it reads it: sizes the
  // file cannot hold are refused here rather than allocated there.
  const uint64_t words = ReadU32(data + header + 6), largest = ReadU32(data + header + 12);
  if (words < kWmfHeaderWords) Fail("the header is damaged (it declares " + std::to_string(words * 2) + " bytes)");
  if (largest < 3 || largest > words - kWmfHeaderWords)
    Fail("the header is damaged (its largest record of " + std::to_string(largest * 2) +
         " bytes is not within the picture)");
  // Records up to the end record, within the declared words: the reader
  // plays on until it meets that record.
  const size_t end = header + size_t(words) * 2;
  bool ended = false;
  for (size_t at = header + kWmfHeaderWords * 2; at + 6 <= end;) {
    const uint64_t length = uint64_t(ReadU32(data + at)) * 2;
    if (length < 6 || length > end - at) Fail("a record runs past the end of the picture");
    if (ReadU16(data + at + 4) == kMetaEof) {
      ended = true;
      break;
    }
    at += size_t(length);
  }
  if (!ended) Fail("the picture has no end record (truncated file?)");
  wmfAPI_Options options{};
  options.function = wmf_svg_function;
  wmfAPI* raw = nullptr;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&raw, flags, &options) != wmf_E_None) {
    if (raw) wmf_api_destroy(raw);
    Fail("the WMF reader could not start");
  }
  std::unique_ptr<wmfAPI, ApiDeleter> api(raw);
  // The reader keeps a pointer to the bytes and reads them only; it gets
  // the declared ones.
  std::string copy(reinterpret_cast<const char*>(data), end);
  if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(copy.data()), long(copy.size())) != wmf_E_None)
    Fail("the WMF picture is damaged");
  wmfD_Rect bbox{};
  if (wmf_scan(api.get(), 0, &bbox) != wmf_E_None) Fail("the WMF picture is damaged");
  unsigned int width = 0, height = 0;
  const double dpi = header ? kWmfDpi : kPlainWmfDpi;
  if (wmf_display_size(api.get(), &width, &height, dpi, dpi) != wmf_E_None)
    Fail("the WMF picture is damaged");
  CheckSize(width, height, maxPixels);

  std::string text;
  wmfStream stream{&text, &AppendToString, &ClearString};
  wmf_svg_t* device = WMF_SVG_GetData(api.get());
  device->out = &stream;
  device->Description = nullptr;
  device->bbox = bbox;
  device->width = width;
  device->height = height;
  const wmf_error_t played = wmf_play(api.get(), 0, &bbox);
  device->out = nullptr;
  if (played != wmf_E_None || text.empty()) Fail("the WMF picture is damaged");
  // The reader writes polylines without a fill, which SVG fills black; a
  // metafile's polyline is a line only.
  for (size_t at = text.find("<polyline "); at != std::string::npos; at = text.find("<polyline ", at + 1))
    text.insert(at + 10, "fill=\"none\" ");
  TSvg result;
  result.text = std::move(text);
  result.width = int(width);
  result.height = int(height);
  return result;
}

}  // namespace

Kind Sniff(const uint8_t* data, size_t size) {
  if (size >= kEmfHeaderSize && ReadU32(data) == kEmrHeader && ReadU32(data + 40) == kEmfSignature) return Kind::Emf;
  if (size >= 22 && ReadU32(data) == kPlaceableKey) return Kind::Wmf;
  // A plain WMF header: memory or disk metafile, nine-word header, version 1 or 3.
  if (size >= 18 && (ReadU16(data) == 1 || ReadU16(data) == 2) && ReadU16(data + 2) == 9 &&
      (ReadU16(data + 4) == 0x0100 || ReadU16(data + 4) == 0x0300))
    return Kind::Wmf;
  return Kind::None;
}

TSvg ToSvg(const uint8_t* data, size_t size, Kind kind, uint64_t maxPixels) {
  if (Sniff(data, size) != kind || kind == Kind::None) {
    Fail(kind == Kind::Emf ? "not an EMF picture" : "not a WMF picture");
  }
  return kind == Kind::Emf ? EmfToSvg(data, size, maxPixels) : WmfToSvg(data, size, maxPixels);
}

}  // namespace metafile
