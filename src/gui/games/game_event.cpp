#include "gui/games/game_event.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <chrono>

#include "core/exercises/key_data_ext.h"
#include "core/files/paths.h"
#include "core/games/game_common.h"
#include "core/records/difficult_keys.h"
#include "core/records/result_gate.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/course/chapter_views.h"
#include "gui/games/game_paint_box.h"
#include "gui/games/top_ten_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/event_page_stg.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

constexpr QPoint kMessagePlace{90, 150};
// At the right edge of the surface, clear of the WordTris box.
constexpr QPoint kCardPlace{476, 20};
constexpr int kCardWidth = 232;
constexpr int kStatusTop = kGameSurfaceHeight + 8;

uint32_t ClockSeed() {
  return static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() &
                               0xFFFFFFFFu);
}

// A round mark standing in for a missing picture.
QPixmap Dot(const QColor& color) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(color.lighter(130), 1));
  p.setBrush(color);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  return pm;
}

}  // namespace

QPixmap GameArt(const char* name, const QPixmap& standIn) {
  const QString file = QDir(ToQString(NativePath(Settings().ProgramDir())))
                           .filePath(QStringLiteral("art/") + QLatin1String(name) + ".png");
  QPixmap pm;
  if (QFileInfo::exists(file) && pm.load(file)) return pm;
  return standIn;
}

TCustomGameEvent::TCustomGameEvent(const std::string& eventLine) : TTimedEvent(eventLine) {
  if (Fields().Has(EventLine::kSourceField)) {
    wordFileName_ = Fields().Field(EventLine::kSourceField).substr(0, 255);
    // "NIL" names no word file (a game that needs no words).
    if (wordFileName_ == "NIL") wordFileName_.clear();
  }
  QWidget* page = BookForm()->WidePage;
  PaintBox = MakeControl<GamePaintBox>(page, &buffer_);
  InstructionCard = MakeControl<TPanel>(page, "InstructionCard");
  InstructionCard->SetColor(QColor(255, 255, 225));
  InstructionTitle = MakeLabel(InstructionCard, nullptr, QPoint(12, 10),
                               PixelFont("Arial", 16, true), QColor(44, 62, 80));
  InstructionTitle->SetCaption(ToQString(Str(kStrGameInstructions)));
  PointsTitle = MakeControl<TLabel>(page, "PointsTitle");
  PointsLabel = MakeControl<TLabel>(page, "PointsLabel");
  MissedTitle = MakeControl<TLabel>(page, "MissedTitle");
  MissedDisplay = MakeControl<TImage>(page, "MissLcd");
  const QFont title = PixelFont("Arial", 14, true);
  const QFont value = PixelFont("Arial", 22, true);
  PointsTitle->SetLabelFont(title);
  PointsTitle->SetFontColor(QColor(44, 62, 80));
  PointsTitle->SetCaption(ToQString(Str(kStrGameScore)));
  PointsTitle->move(30, kStatusTop + 8);
  PointsLabel->SetLabelFont(value);
  PointsLabel->SetAutoSize(false);
  PointsLabel->SetTransparent(false);
  PointsLabel->SetBackground(Qt::black);
  PointsLabel->SetFontColor(QColor(0, 255, 0));
  PointsLabel->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PointsLabel->setGeometry(90, kStatusTop, 110, 34);
  MissedTitle->SetLabelFont(title);
  MissedTitle->SetFontColor(QColor(44, 62, 80));
  MissedTitle->SetCaption(ToQString(Str(kStrGameMissed)));
  MissedTitle->move(240, kStatusTop + 8);
  MissedDisplay->setGeometry(310, kStatusTop, 150, 34);
  MissedDisplay->SetPainter([this](QPainter& p, const QRect& r) {
    p.fillRect(r, Qt::black);
    const int missed = MissedCount();
    const int n = MaxMissed();
    const int step = r.width() / std::max(1, n);
    for (int i = 0; i < n; ++i) {
      const QPixmap& pic = i < missed ? missedOn_ : missedOff_;
      p.drawPixmap(r.left() + i * step + (step - pic.width()) / 2,
                   r.top() + (r.height() - pic.height()) / 2, pic);
    }
  });

  LoopTimer.setSingleShot(true);
  LoopTimer.setTimerType(Qt::PreciseTimer);
  LoopTimer.callOnTimeout([this] { RunLoop(); });
  GameOverTimer.setSingleShot(true);
  GameOverTimer.callOnTimeout([this] {
    keysBlocked_ = false;
    EventPageStg()->MsgLabel2->SetCaption(ToQString(Str(kStrGamePressEnter)));
  });
}

TCustomGameEvent::~TCustomGameEvent() {
  LoopTimer.stop();
  GameOverTimer.stop();
}

void TCustomGameEvent::ShowPage() {
  TTimedEvent::ShowPage();
  TBookForm* book = BookForm();
  TEventPageStg* stg = EventPageStg();
  ShowClockDisplay(false);
  for (QWidget* w : {static_cast<QWidget*>(stg->RightConsole), static_cast<QWidget*>(stg->Screen1),
                     static_cast<QWidget*>(stg->Screen3), static_cast<QWidget*>(stg->LeftConsole)})
    w->hide();
  keysBlocked_ = false;
  scoreSaved_ = false;

  const int width = book->WidePage->width();
  buffer_ = QImage(width, kSurfaceHeight, QImage::Format_RGB32);
  fresh_ = true;
  model_ = MakeModel(ClockSeed());
  model_->SetListener(this);
  if (!givenWords_.empty())
    model_->Words().SetWords(givenWords_);
  else
    model_->Words().LoadWords(wordFileName_);
  gate_.SetInterval(model_->Interval(), GetHost().TickCount());

  PaintBox->setGeometry(0, 0, width, kSurfaceHeight);
  PaintBox->show();
  PaintBox->raise();

  stg->EventMsg->move(kMessagePlace);
  stg->MsgLabel1->SetCaption(ToQString(Str(kStrGamePressAnyKey)));
  stg->MsgLabel2->SetCaption(ToQString(Str(kStrGameToBegin)));
  stg->EventMsg->show();
  stg->EventMsg->raise();

  for (TLabel* l : InstructionLines) delete l;
  InstructionLines.clear();
  int y = 40;
  const QFont lineFont = PixelFont("Arial", 13);
  const QFontMetrics lineMetrics(lineFont);
  for (int id : InstructionTexts()) {
    TLabel* line = MakeLabel(InstructionCard, nullptr, QPoint(12, y), lineFont, Qt::black);
    const QString text = QString::number(InstructionLines.size() + 1) + ". " + ToQString(Str(id));
    // Each line as high as its wrapped text.
    const int height =
        lineMetrics.boundingRect(QRect(0, 0, kCardWidth - 24, 400), Qt::TextWordWrap, text)
            .height();
    line->SetAutoSize(false);
    line->SetWordWrap(true);
    line->resize(kCardWidth - 24, height + 2);
    line->SetCaption(text);
    InstructionLines.push_back(line);
    y += height + 8;
  }
  InstructionCard->setGeometry(kCardPlace.x(), kCardPlace.y(), kCardWidth, y + 6);
  InstructionCard->show();
  InstructionCard->raise();

  PointsTitle->show();
  PointsLabel->show();
  const auto [on, off] = MissedPictures();
  MissedTitle->setVisible(on != nullptr);
  MissedDisplay->setVisible(on != nullptr);
  if (on) {
    missedOn_ = GameArt(on, Dot(QColor(255, 80, 60)));
    missedOff_ = GameArt(off, Dot(QColor(70, 70, 70)));
  }
  ShowStatus();
  DrawScene();
}

void TCustomGameEvent::HidePage() {
  LoopTimer.stop();
  GameOverTimer.stop();
  InstructionCard->hide();
  PaintBox->hide();
  for (QWidget* w : {static_cast<QWidget*>(PointsTitle), static_cast<QWidget*>(PointsLabel),
                     static_cast<QWidget*>(MissedTitle), static_cast<QWidget*>(MissedDisplay)})
    w->hide();
  ResultGate().FoldKeyCounts();
  TTimedEvent::HidePage();
  SaveScore();
}

void TCustomGameEvent::SaveScore() {
  if (scoreSaved_ || !model_) return;
  scoreSaved_ = true;
  // A game played at machine speed earns no place in the top ten.
  if (!ResultGate().Counted()) return;
  const TUser& user = CurrentUser();
  TopTenView().AddScore(TableName(), GamePlayerName(!user.Name.empty(), user.Name),
                        model_->Points());
  ChapterView().AttachedView1 = &TopTenView();
}

void TCustomGameEvent::CanClose(bool& refuse) {
  // A game never asks: it pauses and lets the page close.
  refuse = false;
  if (State() == kEventRunning) Pause();
}

void TCustomGameEvent::KeyDown(int& key, ShiftState shift) {
  // Enter continues only once the game-over pause has passed.
  if (keysBlocked_ && key == kVkReturn) {
    key = 0;
    return;
  }
  TTimedEvent::KeyDown(key, shift);
}

void TCustomGameEvent::KeyPress(char& key) {
  TTimedEvent::KeyPress(key);
  if (key == 0 || !model_ || keysBlocked_) return;
  if (key == 27) return;  // Escape belongs to the page
  if (State() == kEventPaused) {
    // A key resumes a paused game; it is not played.
    Start();
    key = 0;
    return;
  }
  if (State() == kEventFinished && model_->State() != kGameOver) return;
  // "." and "," as the keyboard layout translates them.
  model_->Key(KeyData().TranslateCommaDot(key), GetHost().Now());
  key = 0;
  ShowStatus();
  DrawScene();
}

void TCustomGameEvent::RunLoop() {
  if (!model_ || model_->State() != kGameRunning) return;
  const uint32_t now = GetHost().TickCount();
  const uint32_t due = gate_.LastTick + gate_.Interval;
  if (gate_.Due(now)) {
    if (OnLoopTick) OnLoopTick(now - due);
    TickNow();
  }
  if (model_->State() == kGameRunning)
    LoopTimer.start(static_cast<int>(gate_.Remaining(GetHost().TickCount())));
}

void TCustomGameEvent::TickNow() {
  if (!model_) return;
  UpdateClock();
  model_->Tick(GetHost().Now());
  ShowStatus();
  DrawScene();
}

void TCustomGameEvent::DrawScene() {
  if (!model_ || buffer_.isNull()) return;
  {
    QPainter painter(&buffer_);
    Paint(painter);
  }
  PaintBox->update(fresh_ ? buffer_.rect() : ChangedArea());
  fresh_ = false;
}

void TCustomGameEvent::ShowStatus() {
  if (!model_) return;
  PointsLabel->SetCaption(QString::number(model_->Points()) + " ");
  MissedDisplay->update();
}

void TCustomGameEvent::OnStarted() {
  TTimedEvent::OnStarted();
  InstructionCard->hide();
  if (model_) model_->SetPaused(false);
  gate_.SetInterval(model_ ? model_->Interval() : 100, GetHost().TickCount());
  LoopTimer.start(static_cast<int>(gate_.Interval));
}

void TCustomGameEvent::OnPaused() {
  TTimedEvent::OnPaused();
  LoopTimer.stop();
  if (model_) model_->SetPaused(true);
}

void TCustomGameEvent::OnStopped() {
  TTimedEvent::OnStopped();
  LoopTimer.stop();
  TEventPageStg* stg = EventPageStg();
  stg->MsgLabel1->SetCaption(ToQString(Str(kStrGameOver)));
  stg->MsgLabel2->SetCaption(QString());
  // The window keeps painting; only the keys wait.
  keysBlocked_ = true;
  GameOverTimer.start(kGameOverPauseMs);
}

void TCustomGameEvent::GameSound(int slot) {
  tq::PlaySound(slot);
}

void TCustomGameEvent::GameKey(char asked, bool isError) {
  DifficultKeys().AddKeystroke(asked, isError);
}

void TCustomGameEvent::GameStarted() {
  Start();
}

void TCustomGameEvent::GameEnded() {
  Stop();
}

void TCustomGameEvent::GameIntervalChanged(uint32_t ms) {
  gate_.SetInterval(ms, GetHost().TickCount());
  if (LoopTimer.isActive()) LoopTimer.start(static_cast<int>(ms));
}

}  // namespace tq
