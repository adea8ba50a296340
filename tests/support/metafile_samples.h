#pragma once
// Small metafiles written record by record for the tests and the fuzz
// seeds: a filled rectangle, a polyline and a line of text, in EMF and in
// WMF (placeable or plain). Sizes and counts can be set to hostile values.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace testsupport {

class TLeBytes {
public:
  TLeBytes& U16(uint32_t v) { return Put(v, 2); }
  TLeBytes& U32(uint32_t v) { return Put(v, 4); }
  TLeBytes& I16(int v) { return Put(uint32_t(v), 2); }
  TLeBytes& I32(int v) { return Put(uint32_t(v), 4); }
  TLeBytes& Raw(const std::string& s) { bytes.append(s); return *this; }
  size_t size() const { return bytes.size(); }
  std::string bytes;

private:
  TLeBytes& Put(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes.push_back(char((v >> (8 * i)) & 0xFF));
    return *this;
  }
};

struct TEmfOptions {
  int width = 200;   // bounds in pixels
  int height = 100;
  bool withText = true;
};

// EMF of `width` x `height` pixels: a blue filled rectangle over the lower
// half, a polyline across the top, and "Lab" written in the middle.
inline std::string SampleEmf(const TEmfOptions& o = {}) {
  TLeBytes body;
  int records = 0;
  // EMR_CREATEBRUSHINDIRECT (39): handle 1, solid, blue; EMR_SELECTOBJECT (37).
  body.U32(39).U32(24).U32(1).U32(0).U32(0x00FF0000).U32(0);
  body.U32(37).U32(12).U32(1);
  records += 2;
  // EMR_RECTANGLE (43)
  body.U32(43).U32(24).I32(0).I32(o.height / 2).I32(o.width - 1).I32(o.height - 1);
  ++records;
  // EMR_POLYLINE16 (87): bounds, count, points
  body.U32(87).U32(28 + 4 * 3).I32(0).I32(0).I32(o.width).I32(o.height / 4).U32(3);
  body.I16(0).I16(o.height / 4).I16(o.width / 2).I16(0).I16(o.width - 1).I16(o.height / 4);
  ++records;
  if (o.withText) {
    // EMR_EXTTEXTOUTW (84) with its EMRTEXT, the UTF-16 string and the advances.
    const std::u16string text = u"Lab";
    const uint32_t offString = 76, offDx = offString + 8;
    body.U32(84).U32(offDx + 4 * 3).I32(0).I32(0).I32(-1).I32(-1).U32(1).U32(0).U32(0);
    body.I32(o.width / 3).I32(o.height / 3).U32(3).U32(offString).U32(0).I32(0).I32(0).I32(-1).I32(-1).U32(offDx);
    for (char16_t c : text) body.U16(c);
    body.U16(0);
    body.U32(10).U32(10).U32(10);
    ++records;
  }
  ++records;  // EMR_EOF below
  const uint32_t total = 88 + uint32_t(body.size()) + 20;
  TLeBytes file;
  file.U32(1).U32(88);
  file.I32(0).I32(0).I32(o.width - 1).I32(o.height - 1);  // bounds, pixels
  // frame in hundredths of a millimetre at 96 pixels per inch
  file.I32(0).I32(0).I32(int(o.width * 2540.0 / 96)).I32(int(o.height * 2540.0 / 96));
  file.U32(0x464D4520).U32(0x10000).U32(total).U32(uint32_t(records + 1)).U16(2).U16(0);
  file.U32(0).U32(0).U32(0);
  file.I32(1920).I32(1080).I32(508).I32(286);  // reference device: pixels, millimetres
  file.Raw(body.bytes);
  file.U32(14).U32(20).U32(0).U32(16).U32(20);  // EMR_EOF
  return file.bytes;
}

struct TWmfOptions {
  int width = 200;  // logical units, shown at 96 per inch when placeable
  int height = 100;
  bool placeable = true;
};

// WMF with the same drawing as SampleEmf, in logical units of one pixel.
inline std::string SampleWmf(const TWmfOptions& o = {}) {
  TLeBytes records;
  uint32_t largest = 0;
  auto record = [&](uint16_t function, std::initializer_list<int> params) {
    const uint32_t words = 3 + uint32_t(params.size());
    largest = std::max(largest, words);
    records.U32(words).U16(function);
    for (int p : params) records.I16(p);
  };
  record(0x020B, {0, 0});                               // SETWINDOWORG y, x
  record(0x020C, {o.height, o.width});                  // SETWINDOWEXT y, x
  record(0x02FC, {0, 0x0000, 0x00FF, 0});               // CREATEBRUSHINDIRECT solid blue
  record(0x012D, {0});                                  // SELECTOBJECT
  record(0x041B, {o.height, o.width, o.height / 2, 0}); // RECTANGLE b, r, t, l
  record(0x0325, {3, 0, o.height / 4, o.width / 2, 0, o.width - 1, o.height / 4});  // POLYLINE
  record(0x0521, {3, int('L' | 'a' << 8), int('b'), o.height / 3, o.width / 3});    // TEXTOUT
  record(0x0000, {});                                   // EOF
  TLeBytes file;
  if (o.placeable) {
    TLeBytes head;
    head.U32(0x9AC6CDD7).U16(0).I16(0).I16(0).I16(o.width).I16(o.height).U16(96).U32(0);
    uint16_t sum = 0;
    for (size_t i = 0; i < head.size(); i += 2)
      sum ^= uint16_t(uint8_t(head.bytes[i]) | uint8_t(head.bytes[i + 1]) << 8);
    file.Raw(head.bytes).U16(sum);
  }
  const uint32_t totalWords = 9 + uint32_t(records.size() / 2);
  file.U16(1).U16(9).U16(0x0300).U32(totalWords).U16(1).U32(largest).U16(0);
  file.Raw(records.bytes);
  return file.bytes;
}

// Found by fuzzing: an EMF whose header gives a description offset but no
// length, which the converter read up to a zero past the file's end.
inline std::string UnterminatedDescriptionEmf() {
  static const char hex[] =
      "01000000580000000000000000000000c7000000630000000000000000000000ab140000550a000020454d4600000100d0000000"
      "060000000200000000000000c800000019000000030000000000190064000000c70019000e000000140000000000000010000000"
      "14004545454545454545454545454545454545454545454545454545454545454545454545454545454545454545454545454545"
      "45454545454545454545454545454545454545454545454545454545454545454545454545454545454545454545454545454545"
      "45454545454545454545454545454545454545450000";
  std::string bytes;
  for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) bytes.push_back(char(std::stoi(std::string(hex + i, 2), nullptr, 16)));
  return bytes;
}

// Found by fuzzing: a placeable WMF of 59 bytes whose header declares no
// size at all and a largest record of 1.5 GB, which the reader reserved.
inline std::string HugeRecordWmf() {
  static const char hex[] =
      "d7cdc69a40d7cdc69a40213a4e00fecdd77c002a00230200090000030000000000ffff00004000862cffff0200f80000ff00d7cdc6"
      "9a0023004f02";
  std::string bytes;
  for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) bytes.push_back(char(std::stoi(std::string(hex + i, 2), nullptr, 16)));
  return bytes;
}

}  // namespace testsupport
