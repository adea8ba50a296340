#pragma once
// The 40-byte extensible wave format record, little-endian and packed: the
// shape of captured sound as a device is opened with it and as it travels
// downstream in front of audio data.

#include <cstdint>
#include <cstring>

#include "platform/guid.h"

#pragma pack(push, 1)
struct TWaveFormatExtensible {
  uint16_t wFormatTag = 0;        // 0xFFFE: extensible
  uint16_t nChannels = 0;
  uint32_t nSamplesPerSec = 0;
  uint32_t nAvgBytesPerSec = 0;
  uint16_t nBlockAlign = 0;
  uint16_t wBitsPerSample = 0;    // container bits
  uint16_t cbSize = 0;            // 22 for the extensible format
  uint16_t wValidBitsPerSample = 0;
  uint32_t dwChannelMask = 0;
  uint32_t SubFormatD1 = 0;       // the sub-format GUID in its binary layout
  uint16_t SubFormatD2 = 0;
  uint16_t SubFormatD3 = 0;
  uint8_t SubFormatD4[8] = {};

  TGUID SubFormat() const {
    TGUID g;
    g.D1 = SubFormatD1;
    g.D2 = SubFormatD2;
    g.D3 = SubFormatD3;
    std::memcpy(g.D4.data(), SubFormatD4, 8);
    return g;
  }
  void SetSubFormat(const TGUID& g) {
    SubFormatD1 = g.D1;
    SubFormatD2 = g.D2;
    SubFormatD3 = g.D3;
    std::memcpy(SubFormatD4, g.D4.data(), 8);
  }
};
#pragma pack(pop)

static_assert(sizeof(TWaveFormatExtensible) == 40, "the wave format record is 40 bytes");

inline constexpr uint16_t WAVE_FORMAT_PCM_TAG = 1;
inline constexpr uint16_t WAVE_FORMAT_EXTENSIBLE_TAG = 0xFFFE;
inline constexpr TGUID KSDATAFORMAT_SUBTYPE_PCM = TGUID::FromLiteral("{00000001-0000-0010-8000-00AA00389B71}");
