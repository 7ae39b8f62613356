#include "gui/shell/sounds.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStandardPaths>
#include <array>
#include <memory>

#include "gui/shell/sound_backend.h"

namespace tq {
namespace {

constexpr int kSlotCount = 5;

struct SoundState {
  std::array<std::unique_ptr<SoundPlayer>, kSlotCount + 1> players;  // index 0 unused
  bool enabled = true;
  bool broken = false;
  bool backendChecked = false;
  SoundBackend* backend = nullptr;
  SoundBackend* injected = nullptr;
  std::function<void(int)> observer;
};

SoundState& State() {
  static SoundState state;
  return state;
}

bool ValidSlot(int slot) {
  return slot >= 1 && slot <= kSlotCount;
}

// The audio module beside the program, loaded once and kept for the run.
SoundBackend* LoadModule() {
  static std::unique_ptr<SoundBackend> backend;
  static bool tried = false;
  if (tried) return backend.get();
  tried = true;
  // Beside the program in its build folder; in lib/tapquill when installed.
  const QDir bin(QCoreApplication::applicationDirPath());
  QLibrary module;
  module.setLoadHints(QLibrary::PreventUnloadHint);
  module.setFileName(bin.filePath(QString::fromLatin1(kSoundModuleName)));
  if (!module.load())
    module.setFileName(bin.filePath(QStringLiteral("../lib/tapquill/") + kSoundModuleName));
  auto entry = reinterpret_cast<SoundBackendEntry>(module.resolve(kSoundBackendEntry));
  if (entry) backend.reset(entry());
  return backend.get();
}

// The backend of this run, or none when there is no audio output.
SoundBackend* Backend() {
  SoundState& s = State();
  if (!s.backendChecked) {
    s.backendChecked = true;
    SoundBackend* b = s.injected ? s.injected : AudioServerReachable() ? LoadModule() : nullptr;
    s.backend = b && b->HasOutput() ? b : nullptr;
  }
  return s.backend;
}

}  // namespace

bool AudioServerReachable() {
  // The audio library plays through a PulseAudio server (or PipeWire's
  // stand-in for it): named in the environment, listening on the user's or
  // the system's socket, or startable on demand.
  if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
  QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) runtime = QStringLiteral("/run/user/%1").arg(getuid());
  for (const QString& socket :
       {runtime + QStringLiteral("/pulse/native"), QStringLiteral("/run/pulse/native"),
        QStringLiteral("/var/run/pulse/native")})
    if (QFileInfo::exists(socket)) return true;
  return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

void OpenSound(int slot, const QString& fileName) {
  SoundState& s = State();
  if (s.broken || !ValidSlot(slot)) return;
  SoundBackend* backend = Backend();
  // Without any audio output the device cannot be opened: sound is broken
  // for the rest of the run.
  if (!backend) {
    s.broken = true;
    return;
  }
  s.players[slot] = backend->CreatePlayer();
  const QFileInfo file(fileName);
  if (file.exists()) s.players[slot]->SetFile(file.absoluteFilePath());
}

int PlaySound(int slot) {
  SoundState& s = State();
  if (s.observer) s.observer(slot);
  if (!s.enabled || s.broken || !ValidSlot(slot)) return slot;
  SoundPlayer* player = s.players[slot].get();
  if (!player || !player->HasFile()) return slot;
  if (player->Failed()) {
    s.enabled = false;
    return slot;
  }
  player->Play();
  return 0;
}

void CloseSound(int slot) {
  if (!ValidSlot(slot)) return;
  // The slot is emptied before its player goes.
  std::unique_ptr<SoundPlayer> player = std::move(State().players[slot]);
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

void UseSoundBackend(SoundBackend* backend) {
  SoundState& s = State();
  s.injected = backend;
  s.backendChecked = false;
  s.backend = nullptr;
}

void ResetSounds() {
  for (int i = 1; i <= kSlotCount; ++i) CloseSound(i);
  SoundState& s = State();
  s.enabled = true;
  s.broken = false;
  s.backendChecked = false;
  s.backend = nullptr;
}

}  // namespace tq
