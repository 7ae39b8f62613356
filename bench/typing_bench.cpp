// The typing engine's costs: laying out one page of a long story, and the
// whole cost of one key in a text session (the key, the word it finishes,
// the word matched against four candidates, the counters and the display).

#include <benchmark/benchmark.h>

#include <string>

#include "core/exercises/font_metrics.h"
#include "core/exercises/text_session.h"
#include "core/exercises/view_canvas.h"
#include "core/shell/random.h"

namespace tq {
namespace {

constexpr double kBase = 46000.5;

// A story of about 100 KB: words of 1 to 12 letters, sentences, and a
// paragraph break every 60 words or so.
std::string Story() {
  Randomize(7);
  std::string text;
  int words = 0;
  while (text.size() < 100 * 1024) {
    const int length = 1 + RandomInt(12);
    for (int i = 0; i < length; ++i) text += static_cast<char>('a' + RandomInt(26));
    ++words;
    if (words % 60 == 0) {
      text += ".\r\n";
    } else {
      text += words % 11 == 0 ? ". " : " ";
    }
  }
  return text;
}

// Proportional widths as a 14-point font would have them.
FixedFontMetrics StoryFont() {
  FixedFontMetrics m(8, 19);
  for (char c : std::string("ilj.,;:'")) m.SetWidth(static_cast<unsigned char>(c), 4);
  for (char c : std::string("mwMW")) m.SetWidth(static_cast<unsigned char>(c), 13);
  return m;
}

void BM_FormatTextOnePage(benchmark::State& state) {
  const std::string story = Story();
  const FixedFontMetrics font = StoryFont();
  TViewCanvas view(font);
  view.SetClientSize(500, 250);
  view.SetText(story, static_cast<int>(story.size() / 2));
  for (auto _ : state) {
    view.FormatText();
    benchmark::DoNotOptimize(view.Words.data());
  }
  state.counters["words"] = static_cast<double>(view.Words.size());
}
BENCHMARK(BM_FormatTextOnePage)->Unit(benchmark::kMicrosecond);

// The story typed key by key, 0.2 ticks apart, every ninth word with a
// wrong letter and every thirteenth with a corrected one; the session
// starts over when the text is done (not timed).
void BM_TextSessionPerKey(benchmark::State& state) {
  const std::string story = Story();
  const FixedFontMetrics font = StoryFont();
  std::string keys;
  std::size_t pos = 0;
  for (int word = 0;; ++word) {
    const TextToken token = NextToken(story, pos);
    if (token.kind == TokenKind::End) break;
    if (token.kind != TokenKind::Word) continue;
    std::string w(token.text);
    if (word % 9 == 4) w[w.size() / 2] = 'q';
    if (word % 13 == 6) w = w.substr(0, 1) + "x\b" + w.substr(1);
    keys += w + ' ';
  }
  TextSessionParams params;
  params.Text = story;
  TextSession session(font, font);
  session.TypingView().SetClientSize(500, 120);
  session.Show(params);
  std::size_t next = 0;
  double ticks = 0;
  for (auto _ : state) {
    if (next == keys.size() || session.State() == TypingSession::kFinished) {
      state.PauseTiming();
      session.Finish(3);
      session.Show(params);
      next = 0;
      state.ResumeTiming();
    }
    ticks += 0.2;
    session.KeyPress(keys[next++], kBase + ticks / kTicksPerDay);
  }
  state.counters["words"] = session.WordsTyped();
}
BENCHMARK(BM_TextSessionPerKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tq
