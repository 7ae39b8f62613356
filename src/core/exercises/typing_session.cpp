#include "core/exercises/typing_session.h"

#include "core/files/ansi.h"

namespace tq {

int TypingSession::Ticks(double now) const {
  if (clockStart_ == 0) return 0;
  return static_cast<int>(RoundEven((now - clockStart_) * kTicksPerDay));
}

void TypingSession::Start(double now) {
  if (clockStart_ == 0) clockStart_ = now;
  if (pauseStart_ != 0) {
    clockStart_ += now - pauseStart_;
    pauseStart_ = 0;
  }
  SetState(kRunning);
}

void TypingSession::Pause(double now) {
  pauseStart_ = now;
  SetState(kPaused);
}

void TypingSession::Stop() {
  Sound(kSoundEnd);
  SetState(kFinished);
}

void TypingSession::ResetRun() {
  state_ = kNotStarted;
  progress_ = 0;
  clockStart_ = 0;
  pauseStart_ = 0;
}

void TypingSession::SetProgress(int percent) {
  progress_ = percent;
  if (listener_) listener_->ProgressChanged(percent);
}

void TypingSession::SetState(int state) {
  state_ = state;
  if (listener_) listener_->StateChanged(state);
}

}  // namespace tq
