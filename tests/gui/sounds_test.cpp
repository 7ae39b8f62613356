#include "gui/shell/sounds.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

class SoundsTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetSounds();
  }
  void TearDown() override {
    SetPlaySoundObserver(nullptr);
    ResetSounds();
  }
  test::FakeHost host;
};

TEST_F(SoundsTest, PlayingNeverReportsAndReturnsTheSlotWhenNothingPlays) {
  test::TempDir dir;
  // A wave file that is no wave at all, and a missing one.
  test::WriteFile(dir / "Broken.wav", "RIFF\x04\0\0\0WAVEjunk");
  OpenSound(kSoundClick, QString::fromStdString(dir / "Missing.wav"));
  OpenSound(kSoundError, QString::fromStdString(dir / "Broken.wav"));

  EXPECT_EQ(PlaySound(kSoundClick), kSoundClick);    // no file: nothing to play
  EXPECT_EQ(PlaySound(kSoundTheEnd), kSoundTheEnd);  // never opened
  EXPECT_EQ(PlaySound(6), 6);
  SetSoundsEnabled(false);
  EXPECT_EQ(PlaySound(kSoundError), kSoundError);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(SoundsTest, NoAudioOutputBreaksSoundForTheRun) {
  test::TempDir dir;
  OpenSound(kSoundClick, QString::fromStdString(dir / "Click.wav"));
  const bool noDevice = QMediaDevices::audioOutputs().isEmpty();
  EXPECT_EQ(SoundsBroken(), noDevice);
  if (noDevice) {
    // Every later call is a no-op, and only a new run clears the flag.
    OpenSound(kSoundTheEnd, QString::fromStdString(dir / "Theend.wav"));
    EXPECT_EQ(PlaySound(kSoundTheEnd), kSoundTheEnd);
    SetSoundsEnabled(true);
    EXPECT_TRUE(SoundsBroken());
    ResetSounds();
    EXPECT_FALSE(SoundsBroken());
  }
}

TEST_F(SoundsTest, ObserverSeesEveryRequestAndSwitchingSoundOffAndOnWorks) {
  std::vector<int> requests;
  SetPlaySoundObserver([&](int slot) { requests.push_back(slot); });
  EXPECT_TRUE(SoundsEnabled());
  SetSoundsEnabled(false);
  EXPECT_FALSE(SoundsEnabled());
  PlaySound(kSoundClick);
  SetSoundsEnabled(true);
  PlaySound(kSoundError2);
  EXPECT_EQ(requests, (std::vector<int>{kSoundClick, kSoundError2}));
}

}  // namespace
}  // namespace tq
