#pragma once
// What the typing sessions share: the run state and clock of a typing
// exercise (0 not started, 1 running, 2 paused, 3 finished; elapsed time in
// ticks of 1/100000 day), its progress, and the outcomes a page turns into
// sounds and lamps. The sessions hold the rules of the typing events; the
// event pages feed them keys with the time of each key and show what they
// report.

#include <string>

namespace tq {

// Sound slots a session asks for.
constexpr int kSoundEnd = 2;        // the exercise is completed
constexpr int kSoundWrongKey = 3;   // a wrong key, or a key that is not allowed here
constexpr int kSoundLostPlace = 4;  // bad words in a row: the student lost the place

// Ticks of the session clock per day.
constexpr double kTicksPerDay = 100000.0;

// Told what a session did, so the page can play it back. Every method has a
// default that does nothing.
class TypingListener {
 public:
  virtual ~TypingListener() = default;
  virtual void PlaySound(int slot) { (void)slot; }
  virtual void ProgressChanged(int percent) { (void)percent; }
  // The run state changed; 3 shows "Exercise completed." / "Press Enter to continue.".
  virtual void StateChanged(int state) { (void)state; }
  // The rhythm light: 0 off, 1 steady, 2 unsteady, 3 watch out.
  virtual void RhythmLevelChanged(int level) { (void)level; }
  // Sentence and paragraph typing: the credit line under the text changed.
  virtual void CreditChanged(const std::string& credit) { (void)credit; }
};

class TypingSession {
 public:
  static constexpr int kNotStarted = 0;
  static constexpr int kRunning = 1;
  static constexpr int kPaused = 2;
  static constexpr int kFinished = 3;

  virtual ~TypingSession() = default;

  void SetListener(TypingListener* listener) { listener_ = listener; }
  int State() const { return state_; }
  int Progress() const { return progress_; }
  // When the clock started, moved forward by pauses; 0 before the first key.
  double ClockStart() const { return clockStart_; }
  // Whole ticks since the clock started.
  int Ticks(double now) const;

  // Starts the clock, or resumes it after a pause (the pause does not count).
  void Start(double now);
  void Pause(double now);
  // Finishes the exercise (the end of the text, or the time is up).
  virtual void Stop();

 protected:
  // Back to not started, the clock stopped; for a page shown again.
  void ResetRun();
  void SetProgress(int percent);
  void Sound(int slot) {
    if (listener_) listener_->PlaySound(slot);
  }
  TypingListener* Listener() const { return listener_; }
  void SetState(int state);

 private:
  TypingListener* listener_ = nullptr;
  int state_ = kNotStarted;
  int progress_ = 0;
  double clockStart_ = 0;
  double pauseStart_ = 0;
};

}  // namespace tq
