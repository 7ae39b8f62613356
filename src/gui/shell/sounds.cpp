#include "gui/shell/sounds.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <memory>

namespace tq {
namespace {

constexpr int kSlotCount = 5;

struct SoundState {
  std::array<QSoundEffect*, kSlotCount + 1> players{};  // index 0 unused
  bool enabled = true;
  bool broken = false;
  bool deviceChecked = false;
  std::function<void(int)> observer;
};

SoundState& State() {
  static SoundState state;
  return state;
}

bool ValidSlot(int slot) {
  return slot >= 1 && slot <= kSlotCount;
}

}  // namespace

void OpenSound(int slot, const QString& fileName) {
  SoundState& s = State();
  if (s.broken || !ValidSlot(slot)) return;
  // Without any audio output the device cannot be opened: sound is broken
  // for the rest of the run.
  if (!s.deviceChecked) {
    s.deviceChecked = true;
    if (QMediaDevices::audioOutputs().isEmpty()) {
      s.broken = true;
      return;
    }
  }
  CloseSound(slot);
  auto* player = new QSoundEffect(qApp);
  s.players[slot] = player;
  const QFileInfo file(fileName);
  if (file.exists()) player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
}

int PlaySound(int slot) {
  SoundState& s = State();
  if (s.observer) s.observer(slot);
  if (!s.enabled || s.broken || !ValidSlot(slot)) return slot;
  QSoundEffect* player = s.players[slot];
  // A player can play once its file is set and has not failed to load; a
  // file still loading plays as soon as it is ready.
  if (!player || player->source().isEmpty()) return slot;
  if (player->status() == QSoundEffect::Error) {
    s.enabled = false;
    return slot;
  }
  player->play();
  return 0;
}

void CloseSound(int slot) {
  if (!ValidSlot(slot)) return;
  QSoundEffect* player = State().players[slot];
  State().players[slot] = nullptr;
  delete player;
}

bool SoundsEnabled() {
  return State().enabled;
}
void SetSoundsEnabled(bool enabled) {
  State().enabled = enabled;
}
bool SoundsBroken() {
  return State().broken;
}

void SetPlaySoundObserver(std::function<void(int slot)> observer) {
  State().observer = std::move(observer);
}

void ResetSounds() {
  for (int i = 1; i <= kSlotCount; ++i) CloseSound(i);
  SoundState& s = State();
  s.enabled = true;
  s.broken = false;
  s.deviceChecked = false;
}

}  // namespace tq
