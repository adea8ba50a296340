#include "platform/profile_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/test_support.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class ProfileFile : public ::testing::Test {
protected:
  TempDir dir;
  std::filesystem::path ini = dir / "config.ini";
};

TEST_F(ProfileFile, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(profile::ReadInt(ini, "POSICAO", "xA", 7), 7);
  EXPECT_EQ(profile::ReadString(ini, "IMGFILE", "imgfilename", "d.jpg"), "d.jpg");
  WriteFile(ini, "[POSICAO]\nxB=3\n");
  EXPECT_EQ(profile::ReadInt(ini, "POSICAO", "xA", 7), 7);
  EXPECT_EQ(profile::ReadInt(ini, "MAPA", "xB", 9), 9);
  EXPECT_EQ(profile::ReadInt(ini, "POSICAO", "xB", 9), 3);
}

TEST_F(ProfileFile, NamesCompareWithoutCaseAndValuesAreTrimmed) {
  WriteFile(ini, "[posicao]\r\n  XA =  42  \r\n[ImgFile]\r\nimgFileName = \"C:\\maps\\a b.jpg\"\r\n");
  EXPECT_EQ(profile::ReadInt(ini, "POSICAO", "xA", 0), 42);
  EXPECT_EQ(profile::ReadString(ini, "IMGFILE", "imgfilename", ""), "C:\\maps\\a b.jpg");
}

TEST_F(ProfileFile, IntegerRules) {
  struct Case {
    const char* text;
    int32_t expected;
  } cases[] = {
      {"0x10", 16},        {"0X1f", 31},          {"0xFFFFFFFF", -1},   {"-25", -25},
      {"+8", 8},           {"2147483647", 2147483647},
      {"12abc", 99},       // letters after the digits: the default
      {"0x", 99},          // too short for hexadecimal, not decimal either
      {"0xZZ", 99},        {"0x100000000", 99},   {"2147483648", 99},   {"", 99},
      {"1.5", 99},         {"- 3", 99},           {"0010", 10},
  };
  for (const auto& c : cases) {
    WriteFile(ini, std::string("[S]\nk=") + c.text + "\n");
    EXPECT_EQ(profile::ReadInt(ini, "S", "k", 99), c.expected) << "value '" << c.text << "'";
  }
  WriteFile(ini, "[S]\nk=junk\n");
  EXPECT_EQ(profile::ReadInt(ini, "S", "k", std::numeric_limits<int32_t>::min()),
            std::numeric_limits<int32_t>::min());
  WriteFile(ini, "[S]\nk=-2147483648\n");
  EXPECT_EQ(profile::ReadInt(ini, "S", "k", 0), std::numeric_limits<int32_t>::min());
}

TEST_F(ProfileFile, TextValuesAreCutAt2047Characters) {
  std::string longValue(3000, 'x');
  WriteFile(ini, "[S]\nk=" + longValue + "\n");
  EXPECT_EQ(profile::ReadString(ini, "S", "k", "").size(), 2047u);
}

TEST_F(ProfileFile, WritingCreatesTheFile) {
  ASSERT_FALSE(profile::WriteString(ini, "POSICAO", "xA", "5"));
  EXPECT_EQ(ReadFile(ini), "[POSICAO]\r\nxA=5\r\n");
  ASSERT_FALSE(profile::WriteString(ini, "POSICAO", "xB", "6"));
  ASSERT_FALSE(profile::WriteString(ini, "IMGFILE", "imgfilename", "m.jpg"));
  EXPECT_EQ(ReadFile(ini), "[POSICAO]\r\nxA=5\r\nxB=6\r\n[IMGFILE]\r\nimgfilename=m.jpg\r\n");
}

TEST_F(ProfileFile, WritingOneKeyKeepsEverythingElse) {
  const std::string before =
      "; teacher's notes\n"
      "[POSICAO]\n"
      "xA=1\n"
      "# keep me\n"
      "Extra = hello\n"
      "\n"
      "[MAPA]\n"
      "mapax=1400\n"
      "[Other]\n"
      "xA=77";
  WriteFile(ini, before);
  ASSERT_FALSE(profile::WriteString(ini, "posicao", "XA", "300"));
  ASSERT_FALSE(profile::WriteString(ini, "POSICAO", "yA", "12"));
  ASSERT_FALSE(profile::WriteString(ini, "Other", "new", "1"));
  EXPECT_EQ(ReadFile(ini),
            "; teacher's notes\n"
            "[POSICAO]\n"
            "xA=300\n"
            "# keep me\n"
            "Extra = hello\n"
            "yA=12\n"
            "\n"
            "[MAPA]\n"
            "mapax=1400\n"
            "[Other]\n"
            "xA=77\n"
            "new=1\n");
}

TEST_F(ProfileFile, WindowsLineEndingsAreKept) {
  WriteFile(ini, "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  ASSERT_FALSE(profile::WriteString(ini, "A", "k", "3"));
  ASSERT_FALSE(profile::WriteString(ini, "C", "k", "4"));
  EXPECT_EQ(ReadFile(ini), "[A]\r\nk=3\r\n[B]\r\nk=2\r\n[C]\r\nk=4\r\n");

  // Cut after the last CR: the value is the same before and after a write
  // completes the line.
  WriteFile(ini, "[A]\nk=1\nj=401\r");
  EXPECT_EQ(profile::ReadString(ini, "A", "j", ""), "401");
  ASSERT_FALSE(profile::WriteString(ini, "B", "k", "2"));
  EXPECT_EQ(profile::ReadString(ini, "A", "j", ""), "401");
  EXPECT_EQ(profile::ReadString(ini, "B", "k", ""), "2");
}

TEST_F(ProfileFile, FailedWriteIsReportedAndLeavesTheFileAlone) {
  // A directory in the file's place cannot be replaced, even by root.
  std::filesystem::create_directory(ini);
  EXPECT_TRUE(profile::WriteString(ini, "S", "k", "1"));
  EXPECT_TRUE(std::filesystem::is_directory(ini));

  // A folder that does not exist.
  EXPECT_TRUE(profile::WriteString(dir / "missing" / "config.ini", "S", "k", "1"));

  // Values that would break the file's layout are refused.
  auto good = dir / "good.ini";
  WriteFile(good, "[S]\nk=1\n");
  EXPECT_TRUE(profile::WriteString(good, "S", "k", "two\nlines"));
  EXPECT_TRUE(profile::WriteString(good, "S]", "k", "1"));
  EXPECT_EQ(ReadFile(good), "[S]\nk=1\n");
}

TEST_F(ProfileFile, ReadOnlyFileIsNotReplaced) {
  if (testsupport::RunningAsRoot()) GTEST_SKIP() << "root may write read-only files";
  WriteFile(ini, "[S]\nk=1\n");
  ::chmod(ini.c_str(), 0444);
  EXPECT_TRUE(profile::WriteString(ini, "S", "k", "2"));
  EXPECT_EQ(ReadFile(ini), "[S]\nk=1\n");
}

TEST_F(ProfileFile, NoTemporaryFilesAreLeftBehind) {
  WriteFile(ini, "[S]\nk=1\n");
  ::chmod(ini.c_str(), 0600);
  for (int i = 0; i < 5; ++i) ASSERT_FALSE(profile::WriteString(ini, "S", "k", std::to_string(i)));
  int entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
  // The file keeps its permissions across the replacement.
  struct stat st {};
  ASSERT_EQ(::stat(ini.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(ProfileFile, WritingThroughASymbolicLinkUpdatesItsTarget) {
  auto real = dir / "real.ini";
  WriteFile(real, "[S]\nk=1\n");
  std::filesystem::create_symlink(real, ini);
  ASSERT_FALSE(profile::WriteString(ini, "S", "k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(ini));
  EXPECT_EQ(ReadFile(real), "[S]\nk=2\n");
}

// Runs `save` as an ordinary user: in a child that has dropped root's
// privileges to "nobody", or here when the tests do not run as root.
// Returns the save's error (or a failure to drop privileges as EPERM).
std::error_code SaveAsOrdinaryUser(const std::function<std::error_code()>& save) {
  if (!testsupport::RunningAsRoot()) return save();
  const pid_t child = ::fork();
  if (child == 0) {
    const uid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0 || ::geteuid() == 0)
      ::_exit(EPERM);
    ::_exit(save().value() & 0xFF);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
    return std::make_error_code(std::errc::interrupted);
  return std::error_code(WEXITSTATUS(status), std::generic_category());
}

ino_t InodeOf(const std::filesystem::path& file) {
  struct stat st {};
  EXPECT_EQ(::stat(file.c_str(), &st), 0);
  return st.st_ino;
}

TEST_F(ProfileFile, WritableFileInAFolderOfSomeoneElseIsRewrittenInPlace) {
  // The folder belongs to someone else (root, or ourselves without write
  // permission); only config.ini may be written, as on a shared lab machine.
  const auto shared = dir / "lab";
  std::filesystem::create_directory(shared);
  const auto file = shared / "config.ini";
  WriteFile(file, "; lab settings\r\n[TXAQUISICAO]\r\ntx=8000\r\n[POSICAO]\r\nxA=0\r\n");
  ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 0555), 0);
  const ino_t inode = InodeOf(file);
  struct stat before {};
  ::stat(file.c_str(), &before);

  EXPECT_FALSE(SaveAsOrdinaryUser([&] { return profile::WriteString(file, "TXAQUISICAO", "tx", "44100"); }));
  // Shorter than before: the old tail must not survive the rewrite.
  EXPECT_FALSE(SaveAsOrdinaryUser([&] { return profile::WriteString(file, "POSICAO", "xA", "7"); }));
  EXPECT_FALSE(SaveAsOrdinaryUser([&] { return profile::WriteString(file, "TXAQUISICAO", "tx", "8"); }));
  EXPECT_EQ(ReadFile(file), "; lab settings\r\n[TXAQUISICAO]\r\ntx=8\r\n[POSICAO]\r\nxA=7\r\n");
  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, inode);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_mode & 0777, 0666u);
  // A read-only file there stays refused.
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  EXPECT_TRUE(SaveAsOrdinaryUser([&] { return profile::WriteString(file, "POSICAO", "xA", "9"); }));
  EXPECT_THAT(ReadFile(file), ::testing::HasSubstr("xA=7"));
  ::chmod(shared.c_str(), 0755);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared), std::filesystem::directory_iterator()), 1);
}

TEST_F(ProfileFile, AtomicReplacementOnlyForAnOwnedFileWithOneLink) {
  // The ordinary case, as an ordinary user in their own folder: the file is
  // replaced by a new one, still theirs.
  const auto own = dir / "own";
  std::filesystem::create_directory(own);
  const auto owned = own / "config.ini";
  WriteFile(owned, "[S]\nk=1\n");
  if (testsupport::RunningAsRoot()) {
    ASSERT_EQ(::chown(own.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown(owned.c_str(), 65534, 65534), 0);
  }
  struct stat before {};
  ASSERT_EQ(::stat(owned.c_str(), &before), 0);
  ASSERT_FALSE(SaveAsOrdinaryUser([&] { return profile::WriteString(owned, "S", "k", "2"); }));
  struct stat after {};
  ASSERT_EQ(::stat(owned.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(ReadFile(owned), "[S]\nk=2\n");

  WriteFile(ini, "[S]\nk=2\n");

  // A hard link keeps seeing the settings: both names are one file.
  const auto link = dir / "linked.ini";
  std::filesystem::create_hard_link(ini, link);
  const ino_t linked = InodeOf(ini);
  ASSERT_FALSE(profile::WriteString(ini, "S", "k", "3"));
  EXPECT_EQ(InodeOf(ini), linked);
  EXPECT_EQ(ReadFile(link), "[S]\nk=3\n");
  std::filesystem::remove(link);

  // A file of another user, writable for us, keeps its owner.
  if (testsupport::RunningAsRoot()) {
    ASSERT_EQ(::chown(ini.c_str(), 65534, 65534), 0);
    ASSERT_FALSE(profile::WriteString(ini, "S", "k", "4"));
    struct stat st {};
    ASSERT_EQ(::stat(ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(ReadFile(ini), "[S]\nk=4\n");
  }
}

}  // namespace
