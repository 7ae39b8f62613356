#include "core/games/game_model.h"

namespace tq {

void GameModel::SetPaused(bool paused) {
  if (paused && state_ == kGameRunning) state_ = kGamePaused;
  if (!paused && state_ == kGamePaused) state_ = kGameRunning;
}

void GameModel::Start() {
  if (state_ != kGameNotStarted) return;
  state_ = kGameRunning;
  listener_->GameStarted();
}

void GameModel::End() {
  if (state_ == kGameOver) return;
  state_ = kGameOver;
  listener_->GameEnded();
}

}  // namespace tq
