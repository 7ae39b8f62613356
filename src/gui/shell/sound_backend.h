#pragma once
// The audio side of the sound slots. It lives in a module of its own
// ("libtapquill_sound.so" beside the program, built over Qt Multimedia), so
// that a computer without a sound server never loads the audio libraries:
// they cost more memory than the rest of the book window.

#include <QString>
#include <memory>

namespace tq {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Loads a wave file (an absolute path); loading may finish later.
  virtual void SetFile(const QString& path) = 0;
  virtual bool HasFile() const = 0;
  // The file could not be loaded or played.
  virtual bool Failed() const = 0;
  // Starts playing and returns at once; a file still loading plays when ready.
  virtual void Play() = 0;
};

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Whether the system offers any audio output at all.
  virtual bool HasOutput() = 0;
  virtual std::unique_ptr<SoundPlayer> CreatePlayer() = 0;
};

// The module's one entry point: makes the backend (owned by the caller).
using SoundBackendEntry = SoundBackend* (*)();
inline constexpr const char* kSoundModuleName = "tapquill_sound";
inline constexpr const char* kSoundBackendEntry = "TapquillSoundBackend";

}  // namespace tq
