#include "platform/profile_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

// A carriage return counts as blank: a file cut after the CR of its last
// CRLF must read the same once a write completes that line ending.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (std::tolower(x) != std::tolower(y)) return false;
  }
  return true;
}

// One line of the file without its terminator, and the terminator itself
// ("\r\n", "\n" or empty for a last line without one).
struct Line {
  std::string text;
  std::string eol;
};

std::vector<Line> SplitLines(const std::string& content) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t nl = content.find('\n', pos);
    if (nl == std::string::npos) {
      lines.push_back({content.substr(pos), ""});
      break;
    }
    std::size_t end = nl;
    std::string eol = "\n";
    if (end > pos && content[end - 1] == '\r') {
      --end;
      eol = "\r\n";
    }
    lines.push_back({content.substr(pos, end - pos), eol});
    pos = nl + 1;
  }
  return lines;
}

// "[name]" (blanks allowed around) gives name; anything else is not a header.
bool SectionName(const std::string& line, std::string& name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  std::size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

bool IsComment(const std::string& line) {
  std::string t = Trim(line);
  return !t.empty() && (t[0] == ';' || t[0] == '#');
}

// "key = value": true with the key's text as written and the raw value.
bool KeyValue(const std::string& line, std::string& key, std::string& value) {
  if (IsComment(line)) return false;
  std::size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(line.substr(0, eq));
  if (key.empty()) return false;
  value = line.substr(eq + 1);
  return true;
}

std::string CleanValue(const std::string& raw) {
  std::string v = Trim(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

bool ReadWhole(const std::filesystem::path& file, std::string& content) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream out;
  out << in.rdbuf();
  content = out.str();
  return true;
}

// Index of the line holding [section] key, of the section header and of the
// last line belonging to the section (its last non-blank line).
struct Location {
  std::ptrdiff_t header = -1;
  std::ptrdiff_t key = -1;
  std::ptrdiff_t lastContent = -1;
};

Location Find(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
  Location loc;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    if (SectionName(lines[i].text, name)) {
      if (inSection) break;  // only the first section of that name counts
      inSection = EqualNoCase(name, section);
      if (inSection) loc.header = loc.lastContent = static_cast<std::ptrdiff_t>(i);
      continue;
    }
    if (!inSection) continue;
    if (!Trim(lines[i].text).empty()) loc.lastContent = static_cast<std::ptrdiff_t>(i);
    std::string k, v;
    if (loc.key < 0 && KeyValue(lines[i].text, k, v) && EqualNoCase(k, key))
      loc.key = static_cast<std::ptrdiff_t>(i);
  }
  return loc;
}

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

std::error_code WriteAll(int fd, const std::string& content) {
  const char* p = content.data();
  std::size_t left = content.size();
  off_t offset = 0;
  while (left > 0) {
    ssize_t n = ::pwrite(fd, p, left, offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    p += n;
    offset += n;
    left -= static_cast<std::size_t>(n);
  }
  return {};
}

// A saver holds a lock on its temporary file until the rename; a temporary
// file nobody holds was left by a saver that died (killed, power cut) and
// would pile up, so it is removed.
void RemoveAbandonedTemporaries(const std::filesystem::path& dir, const std::string& prefix) {
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return;
  while (const dirent* entry = ::readdir(d)) {
    const std::string name = entry->d_name;
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string path = (dir / name).string();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat held {}, named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        ::lstat(path.c_str(), &named) == 0 && held.st_ino == named.st_ino)
      ::unlink(path.c_str());
    ::close(fd);
  }
  ::closedir(d);
}

// Writes `content` to a new file beside `target` and renames it over the
// target, so readers see either the old or the new file, never a mix.
std::error_code ReplaceOnce(const std::filesystem::path& target, const std::filesystem::path& dir,
                            const std::string& content) {
  const std::string prefix = "." + target.filename().string() + ".";
  RemoveAbandonedTemporaries(dir, prefix);
  std::string tmpl = (dir / (prefix + "XXXXXX")).string();
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return LastError();
  ::flock(fd, LOCK_EX);  // held until close: marks the file as in use

  auto fail = [&](std::error_code ec) {
    ::close(fd);
    ::unlink(name.data());
    return ec;
  };
  struct stat st {};
  mode_t mode = 0644;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
    // Keep the file's group; a user outside it would lose the group's access.
    if (st.st_gid != ::getegid() && ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0)
      return fail(std::make_error_code(std::errc::operation_not_permitted));
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) return fail(LastError());
  if (std::error_code ec = WriteAll(fd, content)) return fail(ec);
  if (::fsync(fd) != 0) return fail(LastError());
  // Renamed while still open and locked, so no clean-up takes it first.
  if (::rename(name.data(), target.c_str()) != 0) return fail(LastError());
  ::close(fd);  // the data is already flushed
  // Make the rename itself durable.
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return {};
}

std::error_code ReplaceAtomically(const std::filesystem::path& target, const std::filesystem::path& dir,
                                  const std::string& content) {
  std::error_code ec = ReplaceOnce(target, dir, content);
  // Another saver's clean-up took the new file between its creation and
  // its lock: the rename finds it gone. Once more is enough.
  if (ec == std::errc::no_such_file_or_directory && ::access(dir.c_str(), F_OK) == 0)
    ec = ReplaceOnce(target, dir, content);
  return ec;
}

// Rewrites the whole file where it is: the same inode keeps its owner,
// group, links and permissions, and needs only the file to be writable.
std::error_code RewriteInPlace(const std::filesystem::path& target, const std::string& content) {
  int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return LastError();
  std::error_code ec = WriteAll(fd, content);
  if (!ec && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0) ec = LastError();
  if (!ec && ::fsync(fd) != 0) ec = LastError();
  if (::close(fd) != 0 && !ec) ec = LastError();
  return ec;
}

// A rename would replace the file by another one: only right for a plain
// file with one link that the saving user owns, in a folder they may write.
bool MayReplace(const std::filesystem::path& target, const std::filesystem::path& dir) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return true;  // a new file
  return S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == ::geteuid() &&
         ::access(dir.c_str(), W_OK | X_OK) == 0;
}

std::error_code Store(const std::filesystem::path& target, const std::string& content) {
  std::filesystem::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  const bool exists = ::access(target.c_str(), F_OK) == 0;
  if (!MayReplace(target, dir)) return RewriteInPlace(target, content);
  std::error_code ec = ReplaceAtomically(target, dir, content);
  // The folder or the group refused what the checks allowed (a read-only
  // mount of the folder only, an ACL): the file itself may still take it.
  if (ec && exists && ::access(target.c_str(), W_OK) == 0 &&
      (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
       ec == std::errc::read_only_file_system))
    return RewriteInPlace(target, content);
  return ec;
}

}  // namespace

std::string ReadString(const std::filesystem::path& file, const std::string& section,
                       const std::string& key, const std::string& fallback) {
  std::string content;
  if (!ReadWhole(file, content)) return fallback.substr(0, kMaxValueLength);
  auto lines = SplitLines(content);
  Location loc = Find(lines, section, key);
  if (loc.key < 0) return fallback.substr(0, kMaxValueLength);
  std::string k, v;
  KeyValue(lines[static_cast<std::size_t>(loc.key)].text, k, v);
  return CleanValue(v).substr(0, kMaxValueLength);
}

bool ParseInt(const std::string& text, int32_t& value) {
  std::string t = Trim(text);
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    uint64_t v = 0;
    for (std::size_t i = 2; i < t.size(); ++i) {
      char c = t[i];
      int d = (c >= '0' && c <= '9') ? c - '0'
            : (c >= 'a' && c <= 'f') ? c - 'a' + 10
            : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
      if (d < 0) return false;
      v = v * 16 + static_cast<uint64_t>(d);
      if (v > 0xFFFFFFFFull) return false;
    }
    // Eight hex digits cover the whole 32-bit pattern: 0xFFFFFFFF is -1.
    value = static_cast<int32_t>(static_cast<uint32_t>(v));
    return true;
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  if (i == t.size()) return false;
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
    v = v * 10 + (t[i] - '0');
    if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(v);
  return true;
}

int32_t ReadInt(const std::filesystem::path& file, const std::string& section,
                const std::string& key, int32_t fallback) {
  const std::string missing = "\x01missing";
  std::string text = ReadString(file, section, key, missing);
  int32_t value = 0;
  if (text == missing || !ParseInt(text, value)) return fallback;
  return value;
}

std::error_code WriteString(const std::filesystem::path& file, const std::string& section,
                            const std::string& key, const std::string& value) {
  if (section.empty() || key.empty() || key.find('=') != std::string::npos ||
      section.find_first_of("[]\r\n") != std::string::npos ||
      key.find_first_of("\r\n") != std::string::npos || value.find_first_of("\r\n") != std::string::npos)
    return std::make_error_code(std::errc::invalid_argument);

  // Write through a symbolic link to the file it names.
  std::filesystem::path target = file;
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    auto resolved = std::filesystem::canonical(target, ec);
    if (!ec) target = resolved;
  }

  std::string content;
  bool exists = ::access(target.c_str(), F_OK) == 0;
  if (exists) {
    // Renaming over a read-only file would succeed; refuse as an in-place write would.
    if (::access(target.c_str(), W_OK) != 0) return LastError();
    if (!ReadWhole(target, content)) return LastError();
  }

  auto lines = SplitLines(content);
  std::size_t crlf = 0;
  for (const auto& l : lines) crlf += l.eol == "\r\n";
  std::string eol = (!lines.empty() && crlf * 2 >= lines.size()) ? "\r\n" : "\n";
  if (lines.empty()) eol = "\r\n";  // a new file gets the conventional INI line ending

  Location loc = Find(lines, section, key);
  if (loc.key >= 0) {
    Line& line = lines[static_cast<std::size_t>(loc.key)];
    std::string k, v;
    KeyValue(line.text, k, v);
    line.text = k + "=" + value;
  } else {
    if (!lines.empty() && lines.back().eol.empty()) lines.back().eol = eol;
    if (loc.header >= 0) {
      lines.insert(lines.begin() + loc.lastContent + 1, Line{key + "=" + value, eol});
    } else {
      lines.push_back({"[" + section + "]", eol});
      lines.push_back({key + "=" + value, eol});
    }
  }

  std::string out;
  for (const auto& l : lines) out += l.text + l.eol;
  return Store(target, out);
}

}  // namespace profile
