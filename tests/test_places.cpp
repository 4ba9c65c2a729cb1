// Where the game keeps its files, under directory names that are not valid UTF-8 (the byte 0xFF)
// in every place a name comes from: the home directory, the XDG variables, the install prefix,
// the options and the player's music folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "desktop/app/command_line.h"
#include "desktop/app/install_places.h"
#include "persist/file_images.h"
#include "topten_fixture.h"

namespace ossaric {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ReadAll;

void WriteAll(const std::string& path, const Bytes& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  testing::WriteAll(path, bytes);
}

// Sets or clears an environment variable for the test's length.
class Env {
 public:
  ~Env() {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }
  void Set(const char* name, const std::string& value) {
    Save(name);
    setenv(name, value.c_str(), 1);
  }
  void Clear(const char* name) {
    Save(name);
    unsetenv(name);
  }

 private:
  void Save(const char* name) {
    for (const auto& s : saved_)
      if (s.first == name) return;
    const char* value = std::getenv(name);
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(Places, EveryPlaceKeepsItsFilesUnderANameThatIsNotUtf8) {
  testing::TempGameDir dir;
  Env env;
  const std::string odd = dir.Path().string() + "/odd-\xff";
  const std::string prefix = odd + "/prefix-\xff";
  // The installed data beside a program in PREFIX/bin.
  const std::string installed = prefix + "/share/ossaric";
  fs::create_directories(prefix + "/bin");
  fs::create_directories(installed);
  const char* const kEffects[] = {"moredice.wav", "rattle2.wav",  "rattle1.wav", "pen.wav",
                                  "dicecup.wav",  "manydice.wav", "onedice.wav"};
  for (const char* e : kEffects) fs::copy_file(fs::path(OSSARIC_GAME_DIR) / e, installed + "/" + e);

  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<std::pair<const char*, std::string>> environment;  // "" clears
    std::string data, config, userData;  // where the effects, bexil.ini and tolmerix.dat are
  };
  const std::string home = odd + "/home-\xff";
  const std::vector<Case> cases = {
      {"HOME and the install prefix",
       {"ossaric"},
       {{"HOME", home}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}},
       installed,
       home + "/.config/ossaric",
       home + "/.local/share"},
      {"XDG_CONFIG_HOME and XDG_DATA_HOME",
       {"ossaric"},
       {{"HOME", odd + "/plain"},
        {"XDG_CONFIG_HOME", odd + "/config-\xff"},
        {"XDG_DATA_HOME", odd + "/data-\xff"}},
       installed,
       odd + "/config-\xff/ossaric",
       odd + "/data-\xff"},
      {"--data-dir and --config-dir",
       {"ossaric", "--data-dir", odd + "/given-\xff", "--config-dir=" + odd + "/settings-\xff"},
       {{"XDG_DATA_HOME", odd + "/data2-\xff"}},
       odd + "/given-\xff",
       odd + "/settings-\xff",
       odd + "/data2-\xff"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& [name, value] : c.environment) {
      if (value.empty())
        env.Clear(name);
      else
        env.Set(name, value);
    }
    if (c.data != installed) {
      fs::create_directories(c.data);
      for (const char* e : kEffects)
        fs::copy_file(fs::path(installed) / e, fs::path(c.data) / e,
                      fs::copy_options::overwrite_existing);
    }
    // The player's files: choices that open straight on a game, a Top Ten, a piece of music.
    TSettings choices = DefaultSettings();
    choices.HintIndex = -1;
    choices.AnimDelay = 77;
    const std::string settings = c.config + "/bexil.ini";
    const auto record = EncodeSettings(choices);
    WriteAll(settings, Bytes(record.begin(), record.end()));
    TTopTenEntry table[11];
    EmptyTopTen(table);
    std::strcpy(table[1].Name, "Anna");
    table[1].Score = 123;
    const std::string scores = c.userData + "/ossaric/tolmerix.dat";
    const auto image = EncodeTopTen(table);
    WriteAll(scores, Bytes(image.begin(), image.end()));
    const std::string conf = c.config + "/ossaric.conf";
    const std::string expert = "[Computer]\nExpert=1\n";
    WriteAll(conf, Bytes(expert.begin(), expert.end()));
    const std::string music = c.userData + "/ossaric/music";
    WriteAll(music + "/mine-\xff.mid", {'M', 'T', 'h', 'd'});

    const CommandLine options = ParseCommandLine(c.arguments);
    ASSERT_TRUE(options.run) << options.output.toStdString();
    QString error;
    const GamePlaces places = ResolvePlaces(options, prefix + "/bin", error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(places.dataDir, c.data);
    EXPECT_EQ(places.configDir, c.config);
    EXPECT_EQ(places.musicDirs, (std::vector<std::string>{c.data, music}));
    EXPECT_EQ(SettingsDirectory(places), c.config);

    HeadlessHost host;
    HeadlessSound sound(host);
    Random random;
    TYachtWindow real_w(host, sound, random, places);
    TWindowProbe w(real_w);
    EXPECT_EQ(w.State().TopTenPath, scores);
    EXPECT_EQ(w.State().AnimDelay, 77);  // the settings were read
    EXPECT_EQ(w.Game().GameActive, 1);
    EXPECT_STREQ(w.State().TopTen[1].Name, "Anna");  // the Top Ten was read
    EXPECT_TRUE(host.checks_[kCmdExpertComputer]);   // and the program's own choices
    w.Window().EvCommand(kCmdClassicComputer);
    const Bytes classic = ReadAll(conf);
    EXPECT_NE(std::string(classic.begin(), classic.end()).find("Expert=0"), std::string::npos);
    for (int e = 0; e < kEffectCount; ++e) EXPECT_TRUE(w.Effects().EffectPlayable(e)) << e;
    w.Window().EvPaint();
    EXPECT_EQ(sound.pieces_, std::vector<std::string>{music + "/mine-\xff.mid"});
    // A game ends: the Top Ten is saved where it was read, Anna kept.
    w.Game().PlayerCount = 1;
    w.Game().Sheet[1].Total = 150;
    w.Game().GameActive = 0;
    w.Show().AnnounceGameOver();
    std::strcpy(table[1].Name, "Player 1");
    table[1].Score = 150;
    std::strcpy(table[2].Name, "Anna");
    table[2].Score = 123;
    const auto saved = EncodeTopTen(table);
    EXPECT_EQ(ReadAll(scores), Bytes(saved.begin(), saved.end()));
    // The close writes the settings where they were read.
    w.State().AnimDelay = 88;
    w.Window().EvClose();
    choices.AnimDelay = 88;
    const auto closed = EncodeSettings(choices);
    EXPECT_EQ(ReadAll(settings), Bytes(closed.begin(), closed.end()));
    EXPECT_EQ(host.messages_,
              std::vector<std::string>{"Game Over|150 points was scored by Player 1"});
  }
  // Nothing was made under a name with U+FFFD in the place of the byte.
  for (const auto& entry : fs::recursive_directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().string().find("\xef\xbf\xbd"), std::string::npos) << entry.path();
}

// An option's directory is handed over byte for byte, and a wrong one is told in words.
TEST(Places, OptionsKeepTheirBytes) {
  const CommandLine given =
      ParseCommandLine({"ossaric", "--config-dir", "/tmp/a-\xff\xfe", "--data-dir=b\xc3"});
  ASSERT_TRUE(given.run);
  EXPECT_EQ(given.configDir, "/tmp/a-\xff\xfe");
  EXPECT_EQ(given.dataDir, "b\xc3");
  const CommandLine stray = ParseCommandLine({"ossaric", "extra-\xff"});
  EXPECT_FALSE(stray.run);
  EXPECT_EQ(stray.status, 2);
  EXPECT_TRUE(stray.output.contains(QStringLiteral("Unexpected argument 'extra-")))
      << stray.output.toStdString();
  QString error;
  const CommandLine missing = ParseCommandLine({"ossaric", "--data-dir", "/nonexistent/\xff"});
  ResolvePlaces(missing, "/usr/bin", error);
  EXPECT_TRUE(error.startsWith(QStringLiteral("no data directory '/nonexistent/")))
      << error.toStdString();
}

}  // namespace
}  // namespace ossaric
