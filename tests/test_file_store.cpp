// Reading and replacing the game's files when they are odd: FIFOs, huge files, links, files
// owned by someone else, leftovers of killed saves, and a directory that takes no new file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "files/file_store.h"
#include "fixture.h"
#include "platform/choices.h"

namespace ossaric {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

bool Save(const std::string& path, const Bytes& bytes, int* error = nullptr) {
  return ReplaceFile(path, bytes.data(), bytes.size(), error);
}

// Sets the modification time of `path` `age` seconds into the past.
void Age(const std::string& path, int age) {
  const struct timespec times[2] = {{time(nullptr) - age, 0}, {time(nullptr) - age, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

TEST(FileStore, ReadsNeverWaitOnAFifoAndHonourTheirLimit) {
  testing::TempGameDir dir;
  ASSERT_EQ(mkfifo("fifo", 0644), 0);
  ASSERT_EQ(mkdir("folder", 0755), 0);
  WriteAll("big", Bytes(5000, 7));
  // On a thread, so that a read that blocks fails the test instead of hanging it; a writer
  // opened afterwards releases such a read.
  auto reads = std::async(std::launch::async, [] {
    Bytes out;
    return !ReadFilePrefix("fifo", 10, out) && !ReadWholeFile("fifo", 10, out) &&
           OpenRegularFile("fifo") < 0 && !ReadFilePrefix("folder", 10, out) &&
           FileState::Unreadable == ProbeFile("fifo");
  });
  if (reads.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    const int fd = open("fifo", O_WRONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
    FAIL() << "a read of a FIFO waited for a writer";
  }
  EXPECT_TRUE(reads.get());
  Bytes out;
  EXPECT_TRUE(ReadFilePrefix("big", 100, out));
  EXPECT_EQ(out.size(), 100u);
  EXPECT_TRUE(ReadWholeFile("big", 5000, out));
  EXPECT_EQ(out.size(), 5000u);
  EXPECT_FALSE(ReadWholeFile("big", 4999, out));
  EXPECT_EQ(errno, EFBIG);
  EXPECT_TRUE(out.empty());
}

// A save through a link replaces the link's target in the target's own directory; the link
// stays a link. A link that leads nowhere, or to a file nobody may write, is never replaced.
TEST(FileStore, SavesThroughLinksReplaceTheirTargets) {
  testing::TempGameDir dir;
  ASSERT_EQ(mkdir("dotfiles", 0755), 0);
  WriteAll("dotfiles/real.ini", {1, 2, 3});
  ASSERT_EQ(symlink("dotfiles/real.ini", "relative.ini"), 0);
  ASSERT_EQ(symlink((dir.Path() / "dotfiles/real.ini").c_str(), "absolute.ini"), 0);
  ASSERT_EQ(symlink("relative.ini", "chained.ini"), 0);
  ASSERT_EQ(symlink("dotfiles/gone.ini", "dangling.ini"), 0);
  WriteAll("dotfiles/locked.ini", {9});
  ASSERT_EQ(chmod("dotfiles/locked.ini", 0444), 0);
  ASSERT_EQ(symlink("dotfiles/locked.ini", "locked.ini"), 0);
  ASSERT_EQ(symlink("loop.ini", "loop.ini"), 0);

  uint8_t n = 10;
  for (const char* link : {"relative.ini", "absolute.ini", "chained.ini"}) {
    SCOPED_TRACE(link);
    ASSERT_TRUE(Save(link, {n, n}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll("dotfiles/real.ini"), (Bytes{n, n}));
    ++n;
  }
  for (const char* link : {"dangling.ini", "locked.ini", "loop.ini"}) {
    SCOPED_TRACE(link);
    int error = 0;
    EXPECT_FALSE(Save(link, {1}, &error));
    EXPECT_NE(error, 0);
    EXPECT_TRUE(fs::is_symlink(link));
  }
  EXPECT_FALSE(fs::exists("dotfiles/gone.ini"));
  EXPECT_EQ(ReadAll("dotfiles/locked.ini"), Bytes{9});
  // No temporary file is left in either directory.
  EXPECT_EQ(std::distance(fs::directory_iterator("dotfiles"), fs::directory_iterator()), 2);
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 7);

  // A file with a second name (a hard link) stays one file, whether the save may make a
  // temporary file or not: both names show the new bytes.
  for (int tempFileError : {0, ENOSPC}) {
    SCOPED_TRACE(tempFileError);
    WriteAll("dotfiles/shared.ini", {1});
    ASSERT_EQ(link("dotfiles/shared.ini", "hard.ini"), 0);
    testhooks::tempFileError = tempFileError;
    EXPECT_TRUE(Save("hard.ini", {n, n}));
    testhooks::tempFileError = 0;
    struct stat a, b;
    ASSERT_EQ(stat("hard.ini", &a), 0);
    ASSERT_EQ(stat("dotfiles/shared.ini", &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(a.st_nlink, 2u);
    EXPECT_EQ(ReadAll("dotfiles/shared.ini"), (Bytes{n, n}));
    ASSERT_EQ(unlink("hard.ini"), 0);
    ++n;
  }
}

TEST(FileStore, AReplacedFileKeepsItsOwnerAndMode) {
  testing::TempGameDir dir;
  WriteAll("scores.dat", {1});
  ASSERT_EQ(chmod("scores.dat", 0640), 0);
  // Only root may give a file to someone else; others keep their own files.
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown("scores.dat", 65534, 65534), 0);
  }
  ASSERT_TRUE(Save("scores.dat", {2, 2}));
  struct stat st;
  ASSERT_EQ(stat("scores.dat", &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, root ? 65534u : geteuid());
  EXPECT_EQ(st.st_gid, root ? 65534u : getegid());
  EXPECT_EQ(ReadAll("scores.dat"), (Bytes{2, 2}));

  // Another user's file in a directory this user may write: a replacement could not be given
  // to its owner, so the bytes go into the file as it is. Only root can set this up (as root the
  // save runs as "nobody").
  if (!root) GTEST_SKIP() << "only root can give a file to another user";
  WriteAll("theirs.dat", {1});
  ASSERT_EQ(chmod("theirs.dat", 0666), 0);
  ASSERT_EQ(chown(dir.Path().c_str(), 65534, 65534), 0);
  struct stat before;
  ASSERT_EQ(stat("theirs.dat", &before), 0);
  ASSERT_EQ(setegid(65534), 0);
  ASSERT_EQ(seteuid(65534), 0);
  const bool saved = Save("theirs.dat", {3, 3, 3});
  ASSERT_EQ(seteuid(0), 0);
  ASSERT_EQ(setegid(0), 0);
  EXPECT_TRUE(saved);
  ASSERT_EQ(stat("theirs.dat", &st), 0);
  EXPECT_EQ(st.st_ino, before.st_ino);
  EXPECT_EQ(st.st_uid, 0u);
  EXPECT_EQ(st.st_gid, 0u);
  EXPECT_EQ(st.st_mode & 07777, 0666u);
  EXPECT_EQ(ReadAll("theirs.dat"), (Bytes{3, 3, 3}));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);
}

// Temporary files of saves that were cut short go at the next start once a minute old; fresh
// ones (a save of another copy running now) and every other file stay.
// Our own leftovers, and for the choices file those of Qt's settings class of earlier versions.
TEST(FileStore, StaleTemporariesOfOurOwnAreRemoved) {
  testing::TempGameDir dir;
  WriteAll("bexil.ini", Bytes(52, 1));
  ASSERT_TRUE(Save("bexil.ini", Bytes(52, 2)));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);

  const struct {
    const char* name;
    int age;
    bool stays;
  } kCases[] = {
      {"ossaric.conf.Ab12Cd", 120, false},  // Qt's, left by a kill at the rename
      {"ossaric.conf.Qw34Er", 5, true},
      {"ossaric.conf.lock", 120, true},
      {"ossaric.conf.Ab-2Cd", 120, true},
      {".bexil.ini.ossaric-save.a1B2c3", 120, false},
      {".bexil.ini.ossaric-save.Zz9Yy8", 3600 * 24, false},
      {".bexil.ini.ossaric-save.q1w2e3", 5, true},       // another save may be writing it
      {".bexil.ini.ossaric-save.toolong", 120, true},    // not a name we make
      {".tolmerix.dat.ossaric-save.a1B2c3", 120, true},  // another file's
      {"bexil.ini.a1B2c3", 120, true},                   // not ours
      {"bexil.ini.bak", 120, true},
  };
  for (const auto& c : kCases) {
    WriteAll(c.name, {1});
    Age(c.name, c.age);
  }
  RemoveStaleTemporaries("bexil.ini");
  ChoicesFile("ossaric.conf").RemoveLeftovers();
  for (const auto& c : kCases) EXPECT_EQ(fs::exists(c.name), c.stays) << c.name;
  EXPECT_EQ(ReadAll("bexil.ini"), Bytes(52, 2));
}

// The choices file in every odd place and with every odd lock: a choice never waits more than
// the lock's half second, holds for the run, is saved where it can be and otherwise names the
// file at fault; the lines of other keys stay as they were.
TEST(FileStore, TheChoicesFileNeverWaitsAndKeepsWhatItCannotSave) {
  testing::TempGameDir dir;
  const std::string text = "[General]\nLanguage=de\n\n[Computer]\nExpert=0\n";
  pid_t holder = -1;
  const struct {
    const char* what;
    std::function<void()> make;
    const char* fault;  // the file a failed save names; nullptr: saved
  } kCases[] = {
      {"plain", [&] { WriteAll("ossaric.conf", Bytes(text.begin(), text.end())); }, nullptr},
      {"none yet", [] {}, nullptr},
      {"conf a FIFO", [] { mkfifo("ossaric.conf", 0644); }, "ossaric.conf"},
      {"conf a directory", [] { mkdir("ossaric.conf", 0755); }, "ossaric.conf"},
      {"conf a link to nothing", [] { (void)symlink("gone/x", "ossaric.conf"); }, "ossaric.conf"},
      {"conf too large", [] { WriteAll("ossaric.conf", Bytes(100000, 'x')); }, "ossaric.conf"},
      {"lock a FIFO", [] { mkfifo("ossaric.conf.lock", 0644); }, "ossaric.conf.lock"},
      {"lock a directory", [] { mkdir("ossaric.conf.lock", 0755); }, "ossaric.conf.lock"},
      {"lock a link to nothing", [] { (void)symlink("gone/x", "ossaric.conf.lock"); },
       "ossaric.conf.lock"},
      {"lock left empty by a kill", [] { WriteAll("ossaric.conf.lock", {}); }, nullptr},
      {"lock held by a running game",
       [&] {
         WriteAll("ossaric.conf.lock", {});
         int ready[2];
         ASSERT_EQ(pipe(ready), 0);
         holder = fork();
         if (holder == 0) {
           const int fd = open("ossaric.conf.lock", O_RDWR);
           if (fd < 0 || flock(fd, LOCK_EX) != 0) _exit(1);
           (void)!write(ready[1], "x", 1);
           pause();
           _exit(0);
         }
         char byte;
         ASSERT_EQ(read(ready[0], &byte, 1), 1);
         close(ready[0]);
         close(ready[1]);
       },
       "ossaric.conf"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    for (const char* name : {"ossaric.conf", "ossaric.conf.lock"}) fs::remove_all(name);
    c.make();
    ChoicesFile file("ossaric.conf");
    ChoicesProblem problem;
    const auto t0 = std::chrono::steady_clock::now();
    const bool saved = file.Write("Computer/Expert", 1, &problem);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(900));
    EXPECT_EQ(saved, c.fault == nullptr);
    EXPECT_EQ(file.Read("Computer/Expert", 0), 1) << "held for the run";
    if (c.fault != nullptr) {
      EXPECT_EQ(problem.file, c.fault);
      EXPECT_FALSE(problem.reason.empty());
    }
    EXPECT_EQ(ChoicesFile("ossaric.conf").Read("Computer/Expert", 0), saved ? 1 : 0);
    if (holder > 0) {
      kill(holder, SIGKILL);
      waitpid(holder, nullptr, 0);
      holder = -1;
    }
  }
  // Another key, and a text, beside the one written.
  for (const char* name : {"ossaric.conf", "ossaric.conf.lock"}) fs::remove_all(name);
  WriteAll("ossaric.conf", Bytes(text.begin(), text.end()));
  ChoicesFile file("ossaric.conf");
  ASSERT_TRUE(file.Write("Computer/Expert", 1));
  ASSERT_TRUE(file.Write("Colour", std::string("deep red")));
  const Bytes saved = ReadAll("ossaric.conf");
  EXPECT_EQ(std::string(saved.begin(), saved.end()),
            "[General]\nLanguage=de\nColour=deep red\n\n[Computer]\nExpert=1\n");
  EXPECT_EQ(ChoicesFile("ossaric.conf").Read("Language", std::string()), "de");
  EXPECT_EQ(ChoicesFile("ossaric.conf").Read("Colour", std::string()), "deep red");
  EXPECT_EQ(ChoicesFile("ossaric.conf").Read("Computer/Expert", 7), 1);
  EXPECT_EQ(ChoicesFile("ossaric.conf").Read("Language", 7), 7) << "a text is no number";
  // Several keys in one save, from another ChoicesFile on the same file (the window's place):
  // a new section after the others, a key replaced, the lines written by the first kept.
  ASSERT_TRUE(ChoicesFile("ossaric.conf")
                  .Write(ChoicesFile::Values{
                      {"Window/x", "-8"}, {"Window/width", "700"}, {"Computer/Expert", "0"}}));
  const Bytes both = ReadAll("ossaric.conf");
  EXPECT_EQ(std::string(both.begin(), both.end()),
            "[General]\nLanguage=de\nColour=deep red\n\n[Computer]\nExpert=0\n\n[Window]\nx=-8\n"
            "width=700\n");
  EXPECT_EQ(ChoicesFile("ossaric.conf").Read("Window/x", 0), -8);
}

// With no room for a temporary file the bytes go in place. Ended at any step, as a kill would
// end it, the file is the old record or the new one, never longer than the new one.
TEST(FileStore, AnInPlaceSaveNeverLeavesAnOldTail) {
  testing::TempGameDir dir;
  for (const char* step : {"cut", "written", ""}) {
    SCOPED_TRACE(step);
    WriteAll("bexil.ini", Bytes(60, 1));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      static std::string stopAt;
      stopAt = step;
      testhooks::tempFileError = ENOSPC;
      testhooks::inPlaceStep = [](const char* s) {
        if (stopAt == s) _exit(3);
      };
      _exit(Save("bexil.ini", Bytes(52, 2)) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    const Bytes after = ReadAll("bexil.ini");
    if (*step == 0) {
      EXPECT_EQ(WEXITSTATUS(status), 0);
      EXPECT_EQ(after, Bytes(52, 2));
    } else {
      EXPECT_EQ(WEXITSTATUS(status), 3);
      EXPECT_TRUE(after == Bytes(52, 1) || after == Bytes(52, 2)) << after.size();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
  }
  // A missing file cannot be written in place: the save fails and says why.
  testhooks::tempFileError = ENOSPC;
  int error = 0;
  EXPECT_FALSE(Save("new.ini", Bytes(52, 2), &error));
  testhooks::tempFileError = 0;
  EXPECT_EQ(error, ENOSPC);
  EXPECT_FALSE(fs::exists("new.ini"));
}

}  // namespace
}  // namespace ossaric
