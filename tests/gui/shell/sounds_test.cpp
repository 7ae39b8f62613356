#include "gui/shell/sounds.h"

#include <gtest/gtest.h>

#include <QLibrary>
#include <cstdlib>

#include "gui/shell/sound_backend.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

struct FakePlayer : SoundPlayer {
  explicit FakePlayer(std::vector<QString>* log) : plays(log) {}
  void SetFile(const QString& p) override { path = p; }
  bool HasFile() const override { return !path.isEmpty(); }
  bool Failed() const override { return path.endsWith("Broken.wav"); }
  void Play() override { plays->push_back(path.section('/', -1)); }
  QString path;
  std::vector<QString>* plays;
};

struct FakeBackend : SoundBackend {
  bool HasOutput() override { return output; }
  std::unique_ptr<SoundPlayer> CreatePlayer() override {
    return std::make_unique<FakePlayer>(&plays);
  }
  bool output = true;
  std::vector<QString> plays;
};

class SoundsTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetSounds();
    for (const char* name : {"Click.wav", "Broken.wav"}) test::WriteFile(dir / name, "RIFF");
  }
  void TearDown() override {
    UseSoundBackend(nullptr);
    SetPlaySoundObserver(nullptr);
    ResetSounds();
  }
  QString File(const char* name) { return QString::fromStdString(dir / name); }
  test::FakeHost host;
  test::TempDir dir;
  FakeBackend backend;
};

TEST_F(SoundsTest, PlayReturnsZeroOnlyWhenPlaybackStarts) {
  UseSoundBackend(&backend);
  OpenSound(kSoundClick, File("Click.wav"));
  OpenSound(kSoundTheEnd, File("Missing.wav"));
  struct Case {
    int slot;
    int result;
  } cases[] = {{kSoundClick, 0},
               {kSoundTheEnd, kSoundTheEnd},  // no file: an empty-handed player
               {kSoundError, kSoundError},    // never opened
               {0, 0},                        // outside the table: no slot 0 plays
               {6, 6}};
  for (const Case& c : cases) EXPECT_EQ(PlaySound(c.slot), c.result) << c.slot;
  EXPECT_EQ(backend.plays, (std::vector<QString>{"Click.wav"}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundsTest, AFailedPlaySwitchesSoundOffUntilTurnedOnAgain) {
  UseSoundBackend(&backend);
  OpenSound(kSoundError, File("Broken.wav"));
  OpenSound(kSoundClick, File("Click.wav"));
  EXPECT_EQ(PlaySound(kSoundError), kSoundError);
  EXPECT_FALSE(SoundsEnabled());
  EXPECT_EQ(PlaySound(kSoundClick), kSoundClick);
  SetSoundsEnabled(true);
  EXPECT_EQ(PlaySound(kSoundClick), 0);
  EXPECT_FALSE(SoundsBroken());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundsTest, NoAudioOutputBreaksSoundForTheWholeRun) {
  backend.output = false;
  UseSoundBackend(nullptr);
  // No server named, none listening, none to start: the module stays unloaded.
  const QByteArray path = qgetenv("PATH"), runtime = qgetenv("XDG_RUNTIME_DIR"),
                   server = qgetenv("PULSE_SERVER");
  qputenv("PATH", "/nonexistent");
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir.path()));
  qunsetenv("PULSE_SERVER");
  EXPECT_FALSE(AudioServerReachable());
  OpenSound(kSoundClick, File("Click.wav"));
  EXPECT_TRUE(SoundsBroken());
  qputenv("PULSE_SERVER", "unix:/nowhere");
  EXPECT_TRUE(AudioServerReachable());
  qputenv("PATH", path);
  qputenv("XDG_RUNTIME_DIR", runtime);
  if (server.isNull())
    qunsetenv("PULSE_SERVER");
  else
    qputenv("PULSE_SERVER", server);

  // Every later call is a no-op; only a new run clears the flag.
  UseSoundBackend(&backend);
  OpenSound(kSoundTheEnd, File("Click.wav"));
  EXPECT_EQ(PlaySound(kSoundTheEnd), kSoundTheEnd);
  EXPECT_TRUE(backend.plays.empty());
  EXPECT_TRUE(SoundsBroken());
  ResetSounds();
  EXPECT_FALSE(SoundsBroken());

  // A backend that finds no output breaks sound the same way.
  OpenSound(kSoundClick, File("Click.wav"));
  EXPECT_TRUE(SoundsBroken());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundsTest, ObserverSeesEveryRequest) {
  std::vector<int> requests;
  SetPlaySoundObserver([&](int slot) { requests.push_back(slot); });
  SetSoundsEnabled(false);
  PlaySound(kSoundClick);
  SetSoundsEnabled(true);
  PlaySound(kSoundError2);
  EXPECT_EQ(requests, (std::vector<int>{kSoundClick, kSoundError2}));
}

TEST_F(SoundsTest, TheAudioModuleLoadsAndMakesPlayers) {
  QLibrary module(QStringLiteral(TAPQUILL_SOUND_MODULE));
  auto entry = reinterpret_cast<SoundBackendEntry>(module.resolve(kSoundBackendEntry));
  ASSERT_NE(entry, nullptr) << module.errorString().toStdString();
  std::unique_ptr<SoundBackend> real(entry());
  std::unique_ptr<SoundPlayer> player = real->CreatePlayer();
  EXPECT_FALSE(player->HasFile());
  player->SetFile(QString::fromStdString(TAPQUILL_DATA_DIR "/Click.wav"));
  EXPECT_TRUE(player->HasFile());
  player.reset();
  real.reset();
}

}  // namespace
}  // namespace tq
