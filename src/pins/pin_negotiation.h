#pragma once
// Type negotiation between a source and a sink.

#include "pins/format_converter.h"
#include "pins/pin.h"

struct TOWNegotiation {
  TGUID type;                         // all zero: the pins do not fit
  TRef<IOWFormatConverter> existing;  // an existing converter of the source to go through
  TOWConverterFactory create = nullptr;  // a new converter to place in between
};

// Can `sink` take part in a link of `type`?
bool OWAcceptsType(const TOWBasicPin* sink, const TGUID& type);
// Conversions through the source's converters when allowConversion; a new
// converter from the registry when allowNewConverter. The caller holds the
// source's guard (its converter list is read).
TOWNegotiation OWNegotiate(const TOWSourcePin* source, const TOWBasicPin* sink, bool allowConversion,
                           bool allowNewConverter);
