// What one keystroke costs on an exercise page, the repaint it causes
// included: 10,000 keys sent through QTest into a text exercise (and into a
// keyboard drill), each timed from the key event until every update it
// caused has been painted; then the processor time the page uses while it
// waits for the next key with its clock running.
//
//   gui_keystroke_bench [keys] [idle seconds]
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include <time.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/exercises/key_data_ext.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "gui/exercises/event_registry.h"
#include "gui/exercises/keyboard_events.h"
#include "gui/exercises/session_canvas.h"
#include "gui/exercises/text_events.h"
#include "gui/shell/application.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_host.h"

namespace tq {
namespace {

// Leaving the exercise is answered Yes without a box.
class BenchHost : public QtHost {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double WallSeconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Words of the home row and a few more, as the early lessons have them.
std::string MakeText(std::size_t minChars) {
  const char* words[] = {"a",     "lad",  "asks",  "dad",   "all",  "lads",  "fall",
                         "sad",   "lass", "falls", "salad", "adds", "flask", "shed",
                         "sells", "kale", "seal",  "half",  "held", "heeds", "sees"};
  std::mt19937 random(7);
  std::string text;
  int inLine = 0;
  while (text.size() < minChars) {
    text += words[random() % std::size(words)];
    if (++inLine == 8) {
      text += "\r\n";
      inLine = 0;
    } else {
      text += ' ';
    }
  }
  return text;
}

// The keys a student types for the text: every word followed by a blank,
// a slip corrected with Backspace now and then, a wrong word now and then.
std::vector<char> StudentKeys(const std::string& text, std::size_t count) {
  std::vector<char> keys;
  std::mt19937 random(11);
  std::string word;
  auto flush = [&] {
    if (word.empty()) return;
    const unsigned roll = random() % 40;
    if (roll == 0 && word.size() > 1) {
      word[1] = 'j';  // a wrong letter left in
    } else if (roll == 1) {
      keys.push_back('k');  // a slip, taken back
      keys.push_back('\b');
    }
    keys.insert(keys.end(), word.begin(), word.end());
    keys.push_back(' ');
    word.clear();
  };
  for (char c : text) {
    if (keys.size() >= count) break;
    if (c == ' ' || c == '\r' || c == '\n')
      flush();
    else
      word += c;
  }
  flush();
  keys.resize(std::min(keys.size(), count));
  return keys;
}

void SendKey(QWidget* window, char c) {
  if (c == '\b')
    QTest::keyClick(window, Qt::Key_Backspace);
  else if (c == '\r')
    QTest::keyClick(window, Qt::Key_Return);
  else
    QTest::keyClick(window, c);
}

struct Figures {
  double p50 = 0, p99 = 0, max = 0, mean = 0;
};

Figures Summarize(std::vector<double> ms) {
  Figures f;
  if (ms.empty()) return f;
  std::sort(ms.begin(), ms.end());
  f.p50 = ms[ms.size() / 2];
  f.p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
  f.max = ms.back();
  double sum = 0;
  for (double v : ms) sum += v;
  f.mean = sum / static_cast<double>(ms.size());
  return f;
}

// Counts the paint events of every widget, to show that the keys' repaints
// happened inside the timed spans.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  long paints = 0;
};

// Sends the keys one by one, each timed until its repaint is done.
std::vector<double> TimeKeys(QWidget* window, const std::vector<char>& keys, long& paints,
                             double& cpuPerThousand) {
  const double cpu0 = CpuSeconds();
  PaintCounter counter;
  qApp->installEventFilter(&counter);
  std::vector<double> ms;
  ms.reserve(keys.size());
  for (char c : keys) {
    const double t0 = WallSeconds();
    SendKey(window, c);
    // The window asks for its repaint at once (no idle delay, see main);
    // the second pass runs that request and paints.
    QApplication::processEvents();
    QApplication::processEvents();
    ms.push_back((WallSeconds() - t0) * 1000.0);
  }
  qApp->removeEventFilter(&counter);
  paints = counter.paints;
  cpuPerThousand = (CpuSeconds() - cpu0) / static_cast<double>(keys.size()) * 1000.0;
  return ms;
}

// Lets the page wait with its clock running and returns the share of one
// processor it used, in percent.
double IdleCpuPercent(double seconds) {
  const double cpu0 = CpuSeconds();
  const double wall0 = WallSeconds();
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
  return (CpuSeconds() - cpu0) / (WallSeconds() - wall0) * 100.0;
}

void Print(const char* what, std::size_t keys, const Figures& f) {
  std::printf("%-16s %6zu keys   p50 %.3f ms   p99 %.3f ms   max %.3f ms   mean %.3f ms\n", what,
              keys, f.p50, f.p99, f.max, f.mean);
}

int Run(int keyCount, double idleSeconds) {
  QTemporaryDir dir;
  const std::string textFile = QDir(dir.path()).filePath("Bench.kls").toStdString();
  const std::string text = MakeText(static_cast<std::size_t>(keyCount) * 2);
  {
    TTextFile out;
    if (out.Open(textFile, 2) != kFileGood) {
      std::fprintf(stderr, "cannot write %s\n", textFile.c_str());
      return 1;
    }
    out.WriteLine(text);
    out.Close();
  }
  if (KeyData().LoadFromFile(TAPQUILL_DATA_DIR "/qwerty.kbd") != kFileGood) {
    std::fprintf(stderr, "cannot read the keyboard layout\n");
    return 1;
  }
  SetCurrentUser(nullptr);

  TBookForm book;
  SetBookForm(&book);
  RegisterEventPages();
  book.show();
  QApplication::processEvents();

  const std::vector<char> keys = StudentKeys(text, static_cast<std::size_t>(keyCount));
  const double idleBook = IdleCpuPercent(idleSeconds);
  std::vector<double> textMs, drillMs;
  double idleText = 0;
  long textPaints = 0, drillPaints = 0;
  double textCpu = 0, drillCpu = 0;
  int typedWords = 0;
  {
    TTextEvent event("event=TEXT;1;FILE:" + textFile + ";FALSE");
    EventSetup setup;
    setup.TimeBudget = 60 * 60;  // the countdown runs while the page waits
    event.Prepare(setup);
    QTimer::singleShot(0, [&] {
      // The page is painted once before the keys come.
      QTest::qWait(300);
      textMs = TimeKeys(&book, keys, textPaints, textCpu);
      typedWords = event.Session().WordsTyped();
      idleText = IdleCpuPercent(idleSeconds);
      QTest::keyClick(&book, Qt::Key_Escape);
    });
    event.Run();
  }
  {
    TKeyboardEvent event("event=KEYBOARD;1;FILE:" + textFile);
    EventSetup setup;
    setup.KnownKeys = "asdfjkl;eh";
    event.Prepare(setup);
    std::vector<char> drillKeys;
    for (char c : text) {
      if (drillKeys.size() >= keys.size()) break;
      drillKeys.push_back(c == '\n' ? '\0' : c);
    }
    std::erase(drillKeys, '\0');
    // Every 30th key a wrong one: the keyboard lights and crosses out.
    for (std::size_t i = 29; i < drillKeys.size(); i += 30)
      drillKeys.insert(drillKeys.begin() + i, 'q');
    drillKeys.resize(keys.size());
    QTimer::singleShot(0, [&] {
      QTest::qWait(300);
      drillMs = TimeKeys(&book, drillKeys, drillPaints, drillCpu);
      QTest::keyClick(&book, Qt::Key_Escape);
    });
    event.Run();
  }
  UnregisterEventPages();
  SetBookForm(nullptr);

  std::printf("one keystroke including its repaint (%s)\n",
              qPrintable(QGuiApplication::platformName()));
  Print("text exercise", textMs.size(), Summarize(textMs));
  std::printf("%-16s %6d words typed, %ld paint events, %.3f s of processor per 1000 keys\n", "",
              typedWords, textPaints, textCpu);
  Print("keyboard drill", drillMs.size(), Summarize(drillMs));
  std::printf("%-16s %6s %ld paint events, %.3f s of processor per 1000 keys\n", "", "",
              drillPaints, drillCpu);
  std::printf("waiting for the next key, clock running: %.3f %% of one processor over %.0f s\n",
              idleText, idleSeconds);
  std::printf("the book alone, no page: %.3f %%\n", idleBook);
  return 0;
}

}  // namespace
}  // namespace tq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
  // A window asks to be repainted at the next pass of the event loop rather
  // than after the platform's idle time, so each key's repaint falls inside
  // the span measured for it.
  qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
  int keys = argc > 1 ? std::atoi(argv[1]) : 10000;
  double idle = argc > 2 ? std::atof(argv[2]) : 10.0;
  tq::TApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  tq::BenchHost host;
  tq::SetHost(&host);
  const int rc = tq::Run(keys > 0 ? keys : 10000, idle > 0 ? idle : 10.0);
  tq::SetHost(nullptr);
  return rc;
}
