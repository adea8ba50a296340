#pragma once
// Profile (INI) files: read and write one key at a time, the way the settings
// file is kept. Section and key names compare without regard to case; values
// are trimmed of blanks and of one pair of matching surrounding quotes.
// Writing changes only the one line of the key (or adds it), keeps every
// other section, key, comment and the file's line endings. A plain file with
// one link, owned by the saving user in a folder they may write, is replaced
// atomically (a crash or a full disk never leaves a half-written file);
// any other writable file (a shared file in someone else's folder, a hard
// link) is rewritten in place, whole and flushed, keeping owner and links.

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace profile {

// Longest text value returned by ReadString, in characters.
inline constexpr std::size_t kMaxValueLength = 2047;

// The value of [section] key, or `fallback` when the file, the section or the
// key is missing. At most kMaxValueLength characters are returned.
std::string ReadString(const std::filesystem::path& file, const std::string& section,
                       const std::string& key, const std::string& fallback);

// An integer value: hexadecimal when the text is longer than two characters
// and starts with "0x" or "0X", decimal otherwise. Anything that is not a
// whole integer in the 32-bit range (letters after the digits, an empty
// value, overflow) gives `fallback`, as does a missing file or key.
int32_t ReadInt(const std::filesystem::path& file, const std::string& section,
                const std::string& key, int32_t fallback);

// The integer rule of ReadInt applied to a text; false when it is not one.
bool ParseInt(const std::string& text, int32_t& value);

// Sets [section] key = value, creating the file, the section or the key when
// missing. On failure (read-only file or folder, missing folder, full disk)
// returns the error and leaves the file as it was.
std::error_code WriteString(const std::filesystem::path& file, const std::string& section,
                            const std::string& key, const std::string& value);

}  // namespace profile
