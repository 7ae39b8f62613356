// What one tick of a game costs, its repaint included: each game runs on the
// book window (offscreen) while a player keeps it going, and every tick is
// timed from the model's step until the paint box has painted the new
// picture. Prints the median, p99 and worst tick of each game.
//
//   gui_game_tick_bench [ticks per game] [seconds of the timed loop per game]
//
// Run it from the program directory (build/dist) so the word files are found.

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/games/game_common.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "gui/exercises/event_registry.h"
#include "gui/games/game_events.h"
#include "gui/games/game_paint_box.h"
#include "gui/shell/application.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_host.h"

namespace tq {
namespace {

// Processor time of this thread: on a busy machine the wall clock also
// counts the time other programs had the processor.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double WallMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Keeps a game going: catches beams, pops bubbles, catches clouds.
void PlayAlong(TCustomGameEvent& event, int tick) {
  GameModel& model = *event.Model();
  if (auto* tris = dynamic_cast<TWTrisEvent*>(&event)) {
    if (tick % 4 != 3) return;
    std::string word = tris->Game().CurrentWord;
    for (char c : word + " ") model.Key(c, GetHost().Now());
  } else if (auto* bubbles = dynamic_cast<TBubbles*>(&event)) {
    for (const Bubble& b : bubbles->Game().Columns)
      if (b.Alive && b.Y < 150) model.Key(b.Char, GetHost().Now());
  } else if (auto* clouds = dynamic_cast<TCloudGame*>(&event)) {
    const Cloud* c = clouds->Game().Selected();
    if (!c || tick % 3 != 0) return;
    if (c->Word.empty() || c->Stage() < 3) {
      model.Key(kGameKeyEnter, GetHost().Now());
      return;
    }
    for (std::size_t i = static_cast<std::size_t>(c->TypedPos - 1); i < c->Word.size(); ++i)
      model.Key(c->Word[i], GetHost().Now());
    model.Key(kGameKeyEnter, GetHost().Now());
  }
}

struct Samples {
  std::vector<double> cpu, wall;
};

Samples TimeTicks(TCustomGameEvent& event, int ticks) {
  Samples ms;
  QTimer::singleShot(0, [&] {
    QApplication::processEvents();
    char first = 'x';
    event.KeyPress(first);   // starts the game
    event.LoopTimer.stop();  // the bench ticks by itself
    for (int t = 0; t < ticks && event.Model()->State() == kGameRunning; ++t) {
      PlayAlong(event, t);
      const double cpu = CpuMs();
      const double wall = WallMs();
      event.TickNow();
      event.PaintBox->repaint(event.ChangedArea());
      ms.cpu.push_back(CpuMs() - cpu);
      ms.wall.push_back(WallMs() - wall);
    }
    event.SetResult(kEventCancelled);
  });
  event.Run();
  return ms;
}

// The loop as it runs: the game ticks from its timer for some seconds while
// the player keeps it going (between ticks, as keys come); how late each
// tick came after its due time on the millisecond counter, and the
// processor the whole program used.
void TimeLoop(TCustomGameEvent& event, const char* name, double seconds) {
  std::vector<double> jitter;
  int tick = 0;
  event.OnLoopTick = [&](uint32_t lateMs) { jitter.push_back(lateMs); };
  double cpu = 0, wall = 0;
  QTimer player;
  player.callOnTimeout([&] {
    if (event.Model() && event.Model()->State() == kGameRunning) PlayAlong(event, tick++);
  });
  QTimer::singleShot(0, [&] {
    char first = 'x';
    event.KeyPress(first);
    player.start(200);  // five keys a second
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    cpu = static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    wall = WallMs();
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] {
      timespec e{};
      clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &e);
      cpu = static_cast<double>(e.tv_sec) * 1e3 + static_cast<double>(e.tv_nsec) / 1e6 - cpu;
      wall = WallMs() - wall;
      player.stop();
      event.SetResult(kEventCancelled);
    });
  });
  event.Run();
  std::sort(jitter.begin(), jitter.end());
  const double p99 =
      jitter.empty() ? 0 : jitter[static_cast<std::size_t>(0.99 * (jitter.size() - 1))];
  std::printf(
      "%-16s loop  %5zu ticks in %.0f s  jitter p99 %.2f ms  max %.2f ms  cpu %.2f %% of a core\n",
      name, jitter.size(), wall / 1000, p99, jitter.empty() ? 0 : jitter.back(),
      100.0 * cpu / wall);
}

// The same lateness for a bare precise timer of 50 ms: what the machine's
// scheduling alone gives, to read the games' figures against.
void TimeBareTimer(double seconds) {
  std::vector<double> late;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QElapsedTimer clock;
  qint64 due = 0;
  QEventLoop loop;
  timer.callOnTimeout([&] {
    late.push_back(static_cast<double>(clock.elapsed() - due));
    if (clock.elapsed() > seconds * 1000) return loop.quit();
    due = clock.elapsed() + 50;
    timer.start(50);
  });
  clock.start();
  due = 50;
  timer.start(50);
  loop.exec();
  std::sort(late.begin(), late.end());
  std::printf("%-16s loop  %5zu ticks in %.0f s  jitter p99 %.2f ms  max %.2f ms\n", "bare timer",
              late.size(), seconds, late[static_cast<std::size_t>(0.99 * (late.size() - 1))],
              late.back());
}

void PrintLine(const char* name, const char* kind, std::vector<double> ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1))]; };
  std::printf("%-16s %-5s %6zu ticks  median %.3f ms  p99 %.3f ms  max %.3f ms\n", name, kind,
              ms.size(), at(0.5), at(0.99), ms.back());
}

void Print(const char* name, const Samples& s) {
  PrintLine(name, "cpu", s.cpu);
  PrintLine(name, "wall", s.wall);
}

int Run(int ticks, double loopSeconds) {
  SetCurrentUser(nullptr);
  TBookForm book;
  SetBookForm(&book);
  RegisterEventPages();
  book.show();
  QApplication::processEvents();
  std::printf("one game tick including its repaint (%s)\n",
              qPrintable(QGuiApplication::platformName()));
  {
    TWTrisEvent event("event=WORDTRIS;1;Animals.vcb");
    Print("WordTris", TimeTicks(event, ticks));
  }
  {
    TBubbles event("event=BUBBLES;1;NIL");
    Print("Bubbles", TimeTicks(event, ticks));
  }
  {
    TCloudGame event("event=CLOUDS;1;Animals.vcb;TRUE");
    Print("Clouds (storm)", TimeTicks(event, ticks));
  }
  {
    TCloudGame event("event=CLOUDS;1;Animals.vcb;FALSE");
    Print("Clouds (plain)", TimeTicks(event, ticks));
  }
  if (loopSeconds > 0) {
    std::printf("the game loop on its timer, a key every 200 ms\n");
    TimeBareTimer(loopSeconds / 2);
    {
      TWTrisEvent event("event=WORDTRIS;1;Animals.vcb");
      TimeLoop(event, "WordTris", loopSeconds);
    }
    {
      TBubbles event("event=BUBBLES;1;NIL");
      TimeLoop(event, "Bubbles", loopSeconds);
    }
    {
      TCloudGame event("event=CLOUDS;1;Animals.vcb;TRUE");
      TimeLoop(event, "Clouds (storm)", loopSeconds);
    }
  }
  UnregisterEventPages();
  SetBookForm(nullptr);
  return 0;
}

}  // namespace
}  // namespace tq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 3000;
  tq::TApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  tq::QtHost host;
  tq::SetHost(&host);
  const double loop = argc > 2 ? std::atof(argv[2]) : 20.0;
  const int rc = tq::Run(ticks > 0 ? ticks : 3000, loop);
  tq::SetHost(nullptr);
  return rc;
}
