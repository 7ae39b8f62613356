#pragma once
// Sound effects by slot number. The main controller opens the wave files
// once into numbered slots (1 "Click.wav", 2 "Theend.wav", 3 "Error.wav",
// 4 "Error2.wav", 5 "Intro.wav"); pages ask for a slot without knowing
// files or devices. A missing device or a broken file silently switches
// sound off: nothing is ever reported to the user.

#include <QString>
#include <functional>

namespace tq {

class SoundBackend;

constexpr int kSoundClick = 1;
constexpr int kSoundTheEnd = 2;
constexpr int kSoundError = 3;
constexpr int kSoundError2 = 4;
constexpr int kSoundIntro = 5;

// Opens a wave file into a slot. A missing file leaves a player that plays
// nothing; no audio output at all sets SoundsBroken.
void OpenSound(int slot, const QString& fileName);
// Starts playback and returns at once: 0 when it started, otherwise the slot.
int PlaySound(int slot);
void CloseSound(int slot);

// Follows the student's sound choice; a failure while playing clears it.
bool SoundsEnabled();
void SetSoundsEnabled(bool enabled);
// Set once when opening a sound fails; never cleared.
bool SoundsBroken();

// Whether a sound server can be reached (or started on demand); without
// one the audio module is not even loaded.
bool AudioServerReachable();

// Tells an observer of every PlaySound request (the tests listen here,
// since a test machine has no audio device).
void SetPlaySoundObserver(std::function<void(int slot)> observer);
// Plays through this backend instead of loading the audio module (tests);
// none goes back to the module.
void UseSoundBackend(SoundBackend* backend);
// Back to the state at program start: slots closed, enabled, not broken.
void ResetSounds();

}  // namespace tq
