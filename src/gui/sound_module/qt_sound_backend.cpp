// The sound module: sound slots played with QSoundEffect. Loaded by the
// program only when a sound server is there.

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "gui/shell/sound_backend.h"

namespace tq {
namespace {

class QtSoundPlayer : public SoundPlayer {
 public:
  void SetFile(const QString& path) override { effect_.setSource(QUrl::fromLocalFile(path)); }
  bool HasFile() const override { return !effect_.source().isEmpty(); }
  bool Failed() const override { return effect_.status() == QSoundEffect::Error; }
  void Play() override { effect_.play(); }

 private:
  QSoundEffect effect_;
};

class QtSoundBackend : public SoundBackend {
 public:
  bool HasOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }
  std::unique_ptr<SoundPlayer> CreatePlayer() override { return std::make_unique<QtSoundPlayer>(); }
};

}  // namespace
}  // namespace tq

extern "C" Q_DECL_EXPORT tq::SoundBackend* TapquillSoundBackend() {
  return new tq::QtSoundBackend();
}
