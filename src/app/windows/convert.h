#pragma once
// Reading integers that the user typed, as the settings dialog needs it.

#include <QString>
#include <cstdint>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A decimal integer with an optional sign and leading blanks, within the
// signed 32-bit range; anything else raises EConvertError with the message
// "'<text>' is not a valid integer value".
int32_t StrToInt(const QString& text);
