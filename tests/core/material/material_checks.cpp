#include "material_checks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "core/course/contents.h"
#include "core/exercises/event_line.h"
#include "core/exercises/event_text.h"
#include "core/exercises/key_data_ext.h"
#include "core/exercises/text_blocks.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/user.h"
#include "support/temp_dir.h"

namespace tq::test {
namespace {

std::string Quoted(char ch) {
  const unsigned char u = static_cast<unsigned char>(ch);
  if (u < 32 || u >= 127) return "code " + std::to_string(u);
  return std::string("'") + ch + "'";
}

bool StartsWithText(const std::string& s, std::string_view prefix) {
  return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

// A course loaded as a student would load it, with the program directory
// current while the loader and the checks read the material.
struct LoadedCourse {
  explicit LoadedCourse(const std::string& dir, const std::string& file)
      : cwd(dir), student("VISITOR") {
    student.LessonDuration = 25;
    status = contents.Create(file, student);
  }
  ScopedCurrentDir cwd;
  TUser student;
  TContents contents;
  int status = 0;
};

// Calls f(lessonNumber, exercise, eventLoader) for every event.
template <typename F>
void ForEachEvent(const TContents& contents, F f) {
  for (const auto& chapter : contents.Chapters)
    for (const TExercise& exercise : chapter->Exercises)
      for (const TEventLoader& event : exercise.Events) f(*chapter, exercise, event);
}

std::string Where(const std::string& course, const TChapter& chapter, const TExercise& exercise) {
  return course + ": lesson " + chapter.NumberText + ", exercise " + exercise.Id;
}

constexpr const char* kTypedTypes[] = {"NEWKEYS",   "KEYBOARD", "WORD", "SENTENCE",
                                       "PARAGRAPH", "TEXT",     "EXAM"};

bool IsTypedType(const std::string& type) {
  return std::find(std::begin(kTypedTypes), std::end(kTypedTypes), type) != std::end(kTypedTypes);
}
bool IsWordGame(const std::string& type) {
  return type == "WORDTRIS" || type == "CLOUDS";
}

// The words of a game word file as the game hands them out: trimmed, in
// lower case, one a line.
std::optional<std::string> ReadGameWords(const std::string& name) {
  TTextFile file;
  if (file.Open(NativePath(name), 1) != kFileGood) return std::nullopt;
  std::string words, line;
  for (;;) {
    const int status = file.ReadLine(line);
    const std::string word = TrimBlanks(line);
    if (!word.empty()) words += AnsiLowerCase(word) + "\n";
    if (status != kFileGood) break;
  }
  return words;
}

// What the student types in this event: its text, without the credit lines
// of sentence and paragraph blocks; for word games their words. None for
// events that type nothing or choose their text at run time.
std::optional<std::string> TypedText(const EventLine& line, TUser& student) {
  const std::string type = AnsiUpperCase(line.Field(EventLine::kTypeField));
  if (IsWordGame(type)) {
    if (!line.HasTextSource()) return std::nullopt;
    return ReadGameWords(line.TextSource());
  }
  if (!IsTypedType(type) || !line.HasTextSource()) return std::nullopt;
  const std::string& source = line.TextSource();
  for (const char* chosenLater : {"NIL", "RES:", "ASK:", "EFFIC:"})
    if (StartsWithText(source, chosenLater)) return std::nullopt;
  EventText text;
  LoadText(source, text, student, StorySelector());
  if (!text.Text) return std::nullopt;
  if (type != "SENTENCE" && type != "PARAGRAPH") return *text.Text;
  std::string typed, block;
  std::size_t pos = 0;
  while (ReadTextLine(*text.Text, pos, block))
    if (!CreditOfLine(block)) typed += block + "\n";
  return typed;
}

bool IsSeparator(char ch) {
  return ch == ' ' || ch == '\r' || ch == '\n';
}

}  // namespace

std::string BundledDataDir() {
  return std::string(TAPQUILL_SOURCE_DIR) + "/data/";
}

std::vector<std::string> CourseFiles(const std::string& dir) {
  std::vector<std::string> files = MatchFiles(dir + "*.cnt");
  std::sort(files.begin(), files.end());
  if (FileExists(dir + "introd.kls")) files.push_back("introd.kls");
  return files;
}

std::vector<std::string> CheckCourseLoads(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  if (c.status != 0) problems.push_back(course + ": load status " + std::to_string(c.status));
  for (const LoaderMessage& m : c.contents.Messages())
    problems.push_back(course + ":" + std::to_string(m.Line) + ": " + m.Text);
  if (c.status == 0 && c.contents.Chapters.empty()) problems.push_back(course + ": no lessons");
  return problems;
}

std::vector<std::string> CheckKnownKeys(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  // A course without key groups is for students who know every key.
  if (c.student.KeyGroups.empty()) return problems;
  ForEachEvent(c.contents, [&](const TChapter& chapter, const TExercise& exercise,
                               const TEventLoader& event) {
    const EventLine line(event.Parameters);
    const std::optional<std::string> text = TypedText(line, c.student);
    if (!text) return;
    const std::string known = c.student.GetKeys(event.KeyLevel);
    if (event.KeyLevel < 1) {
      problems.push_back(Where(course, chapter, exercise) + ": no keys learned before it");
      return;
    }
    for (char ch : *text) {
      if (IsSeparator(ch) || known.find(ch) != std::string::npos) continue;
      problems.push_back(Where(course, chapter, exercise) + ": " + Quoted(ch) +
                         " is not learned yet (" + line.TextSource() + ")");
      return;
    }
  });
  return problems;
}

std::vector<std::string> CheckTypeable(const std::string& dir, const std::string& course,
                                       const std::string& keyboardFile, int lesson) {
  std::vector<std::string> problems;
  TKeyDataExt layout;
  layout.Quiet = true;
  if (layout.LoadFromFile(dir + keyboardFile) != kFileGood)
    return {keyboardFile + ": does not load"};
  LoadedCourse c(dir, course);
  ForEachEvent(c.contents, [&](const TChapter& chapter, const TExercise& exercise,
                               const TEventLoader& event) {
    if (lesson != 0 && chapter.Number != lesson) return;
    const EventLine line(event.Parameters);
    const std::optional<std::string> text = TypedText(line, c.student);
    if (!text) return;
    std::set<char> reported;
    for (char ch : *text) {
      char accent = 0, letter = 0;
      if (IsSeparator(ch) || reported.count(ch) || layout.FindKey(std::string(1, ch)) ||
          layout.DeadKeyStroke(ch, accent, letter))
        continue;
      reported.insert(ch);
      problems.push_back(Where(course, chapter, exercise) + ": " + Quoted(ch) +
                         " cannot be typed on " + keyboardFile);
    }
  });
  return problems;
}

std::vector<std::string> CheckNamedFiles(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  auto need = [&](const std::string& where, const std::string& name) {
    if (!FileExists(NativePath(name))) problems.push_back(where + ": missing " + name);
  };
  if (!SameText(c.contents.Keyboard, "ALL")) need(course, c.contents.Keyboard);
  for (const auto& chapter : c.contents.Chapters)
    if (!chapter->Picture.empty())
      need(course + ": lesson " + chapter->NumberText, chapter->Picture);
  ForEachEvent(c.contents,
               [&](const TChapter& chapter, const TExercise& exercise, const TEventLoader& event) {
                 const EventLine line(event.Parameters);
                 const std::string where = Where(course, chapter, exercise);
                 const std::string type = AnsiUpperCase(line.Field(EventLine::kTypeField));
                 const std::string& source = line.TextSource();
                 if (type == "MESSAGE" && line.Has(EventLine::kPictureField))
                   need(where, line.MessagePicture());
                 if (IsWordGame(type)) {
                   if (line.HasTextSource())
                     need(where, source);
                   else
                     problems.push_back(where + ": a word game without a word file");
                   return;
                 }
                 if (type == "BUBBLES") return;  // plays the known keys, reads no file
                 if (StartsWithText(source, "FILE:")) need(where, source.substr(5));
                 if (StartsWithText(source, "EFFIC:")) need(where, kEfficiencyTextFile);
                 if (StartsWithText(source, "ASK:") && MatchFiles(source.substr(4)).empty())
                   problems.push_back(where + ": no story matches " + source.substr(4));
               });
  return problems;
}

std::vector<std::string> CheckLimits(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  if (c.contents.ChapterCount() > 20)
    problems.push_back(course + ": " + std::to_string(c.contents.ChapterCount()) +
                       " lessons (at most 20)");
  for (const auto& chapter : c.contents.Chapters)
    if (chapter->ExerciseCount() > 7)
      problems.push_back(course + ": lesson " + chapter->NumberText + " has " +
                         std::to_string(chapter->ExerciseCount()) + " exercises (at most 7)");
  return problems;
}

std::vector<std::string> CheckExamLines(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  ForEachEvent(c.contents,
               [&](const TChapter& chapter, const TExercise& exercise, const TEventLoader& event) {
                 if (event.EventType != "EXAM") return;
                 const EventLine line(event.Parameters);
                 int value = 0;
                 bool numbers = line.Count() == 8;
                 for (std::size_t i = 5; numbers && i < 8; ++i)
                   numbers = TryStrToInt(line.Field(i), value) && value >= 0;
                 if (!numbers)
                   problems.push_back(Where(course, chapter, exercise) +
                                      ": an exam line needs three whole-number minimums");
               });
  return problems;
}

std::vector<std::string> CheckCredits(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  ForEachEvent(c.contents, [&](const TChapter& chapter, const TExercise& exercise,
                               const TEventLoader& event) {
    if (event.EventType != "SENTENCE" && event.EventType != "PARAGRAPH") return;
    const EventLine line(event.Parameters);
    if (!StartsWithText(line.TextSource(), "FILE:")) return;
    EventText text;
    LoadText(line.TextSource(), text, c.student, StorySelector());
    if (!text.Text) return;
    std::vector<std::string> lines;
    std::string block;
    std::size_t pos = 0;
    while (ReadTextLine(*text.Text, pos, block)) lines.push_back(block);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::optional<std::string> credit = CreditOfLine(lines[i]);
      if (!credit) continue;
      const bool saying =
          i + 1 < lines.size() && !Trim(lines[i + 1]).empty() && !CreditOfLine(lines[i + 1]);
      if (!saying)
        problems.push_back(Where(course, chapter, exercise) + ": the credit \"" + *credit +
                           "\" is followed by no saying (" + line.TextSource() + ")");
    }
  });
  return problems;
}

namespace {

// The characters a text types, blanks and line ends aside.
std::string Typed(const std::string& text) {
  std::string out;
  for (char ch : text)
    if (!IsSeparator(ch)) out += ch;
  return out;
}

std::string Shown(char ch) {
  return Quoted(ch);
}

}  // namespace

std::vector<std::string> CheckNewKeyPractice(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  for (const auto& chapter : c.contents.Chapters) {
    std::string fresh;
    for (const std::string& group : chapter->NewKeys) fresh += group;
    if (fresh.empty()) continue;
    std::map<std::string, std::string> byType;  // typed characters of WORD, TEXT, EXAM
    for (const TExercise& exercise : chapter->Exercises)
      for (const TEventLoader& event : exercise.Events) {
        if (event.EventType != "WORD" && event.EventType != "TEXT" && event.EventType != "EXAM")
          continue;
        const std::optional<std::string> text = TypedText(EventLine(event.Parameters), c.student);
        if (text) byType[event.EventType] += Typed(*text);
      }
    const std::string where = course + ": lesson " + chapter->NumberText;
    for (char ch : fresh) {
      const unsigned char u = static_cast<unsigned char>(ch);
      if (std::isalpha(u) && byType["WORD"].find(ch) == std::string::npos)
        problems.push_back(where + ": " + Shown(ch) + " is not in the word drill");
    }
    const std::size_t least = fresh.size() <= 4 ? 3 : 1;
    for (const char* type : {"TEXT", "EXAM"}) {
      const std::string& typed = byType[type];
      const std::string name = std::string(type) == "TEXT" ? "text" : "exam";
      std::size_t total = 0;
      for (char ch : fresh) {
        const auto count = static_cast<std::size_t>(std::count(typed.begin(), typed.end(), ch));
        total += count;
        if (count < least)
          problems.push_back(where + ": " + Shown(ch) + " " + std::to_string(count) +
                             " times in the " + name + " (at least " + std::to_string(least) + ")");
      }
      if (total * 100 < typed.size() * 8)
        problems.push_back(where + ": new keys are " + std::to_string(total) + " of the " +
                           std::to_string(typed.size()) + " characters of the " + name +
                           " (at least 8 %)");
    }
  }
  return problems;
}

std::vector<std::string> CheckPromisedKeys(const std::string& dir, const std::string& course,
                                           const std::string& promised) {
  LoadedCourse c(dir, course);
  const std::string learned = c.student.GetKeys(static_cast<int>(c.student.KeyGroups.size()));
  std::vector<std::string> problems;
  for (char ch : promised)
    if (learned.find(ch) == std::string::npos)
      problems.push_back(course + ": " + Quoted(ch) + " is never taught");
  return problems;
}

namespace {

// A word of a typed text without the punctuation around it.
std::string BareWord(const std::string& token) {
  std::size_t first = 0, last = token.size();
  auto letter = [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; };
  while (first < last && !letter(token[first])) ++first;
  while (last > first && !letter(token[last - 1])) --last;
  return token.substr(first, last - first);
}

struct WordUse {
  std::string word;    // as written
  bool sentenceStart;  // first word of a line, after . ? ! :, or in a drill
  std::string known;   // the keys learned at its exercise
  std::string where;
};

}  // namespace

std::vector<std::string> CheckNamesCapitalised(const std::string& dir, const std::string& course) {
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  if (c.student.KeyGroups.empty()) return problems;
  std::vector<WordUse> uses;
  ForEachEvent(c.contents, [&](const TChapter& chapter, const TExercise& exercise,
                               const TEventLoader& event) {
    if (event.EventType == "WORDTRIS" || event.EventType == "CLOUDS") return;
    // Names are found in sentences; drills list words and key groups.
    const bool sentences = event.EventType == "SENTENCE" || event.EventType == "PARAGRAPH" ||
                           event.EventType == "TEXT" || event.EventType == "EXAM";
    const EventLine line(event.Parameters);
    const std::optional<std::string> text = TypedText(line, c.student);
    if (!text) return;
    const std::string known = c.student.GetKeys(event.KeyLevel);
    const std::string where = Where(course, chapter, exercise) + " (" + line.TextSource() + ")";
    std::string textLine;
    std::size_t pos = 0;
    while (ReadTextLine(*text, pos, textLine)) {
      bool start = true;
      std::size_t at = 0;
      while (at < textLine.size()) {
        const std::size_t end = std::min(textLine.find(' ', at), textLine.size());
        const std::string token = textLine.substr(at, end - at);
        at = end + 1;
        if (token.empty()) continue;
        const std::string word = BareWord(token);
        if (!word.empty()) uses.push_back({word, start || !sentences, known, where});
        const char lastChar =
            token.back() == '"' && token.size() > 1 ? token[token.size() - 2] : token.back();
        start = lastChar == '.' || lastChar == '?' || lastChar == '!' || lastChar == ':';
      }
    }
  });
  auto capital = [](const std::string& w) {
    return std::isupper(static_cast<unsigned char>(w[0])) != 0;
  };
  auto capitalKnown = [](const WordUse& u) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(u.word[0])));
    return u.known.find(upper) != std::string::npos;
  };
  std::set<std::string> named, common;
  for (const WordUse& u : uses) {
    const std::string lower = AnsiLowerCase(u.word);
    const bool allCapitals = std::all_of(u.word.begin(), u.word.end(), [](char ch) {
      return std::isupper(static_cast<unsigned char>(ch)) != 0;
    });
    if (capital(u.word) && !allCapitals && !u.sentenceStart) named.insert(lower);
    if (!capital(u.word) && capitalKnown(u)) common.insert(lower);
  }
  for (const WordUse& u : uses) {
    const std::string lower = AnsiLowerCase(u.word);
    if (capital(u.word) || capitalKnown(u) || !named.count(lower) || common.count(lower)) continue;
    problems.push_back(u.where + ": the name \"" + u.word +
                       "\" in lower case before its capital is learned");
  }
  return problems;
}

int SerifTextWidth(std::string_view text, int pixels) {
  // Advance widths in thousandths of an em of the characters 32 to 126 in
  // the serif text font (the metrics of the shipped fall-back serif).
  static constexpr int kWidths[95] = {
      250, 333, 408, 500, 500, 833, 778, 180, 333, 333, 500, 564, 250, 333, 250, 278,
      500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 278, 278, 564, 564, 564, 444,
      921, 722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889, 722, 722,
      556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611, 333, 278, 333, 469, 500,
      333, 444, 500, 444, 500, 444, 333, 500, 500, 278, 278, 500, 278, 778, 500, 500,
      500, 500, 333, 389, 278, 500, 500, 722, 500, 500, 444, 480, 200, 480, 541};
  int width = 0;
  for (char ch : text) {
    const unsigned char u = static_cast<unsigned char>(ch);
    const int units = u >= 32 && u < 127 ? kWidths[u - 32] : 1000;
    width += (units * pixels + 999) / 1000;  // each glyph rounded up to whole pixels
  }
  return width;
}

std::vector<std::string> CheckLineWidths(const std::string& dir, const std::string& course) {
  // The view is 500 pixels wide with margins of 3, and a word goes to the
  // next line unless the width of "WW" is left after it. 14 points are 19
  // pixels on a 96-dpi screen, 20 points 27 (rounded up).
  constexpr int kRoom = 500 - 3 - 3;
  LoadedCourse c(dir, course);
  std::vector<std::string> problems;
  ForEachEvent(c.contents,
               [&](const TChapter& chapter, const TExercise& exercise, const TEventLoader& event) {
                 const std::string& type = event.EventType;
                 if (type != "TEXT" && type != "EXAM" && type != "PARAGRAPH" && type != "SENTENCE")
                   return;
                 const EventLine line(event.Parameters);
                 const std::optional<std::string> text = TypedText(line, c.student);
                 if (!text) return;
                 const int pixels = type == "SENTENCE" ? 27 : 19;
                 std::string textLine;
                 std::size_t pos = 0;
                 while (ReadTextLine(*text, pos, textLine))
                   if (SerifTextWidth(textLine, pixels) + SerifTextWidth("WW", pixels) > kRoom)
                     problems.push_back(Where(course, chapter, exercise) +
                                        ": wider than the view: \"" + textLine + "\"");
               });
  return problems;
}

std::vector<std::string> CheckLayout(const std::string& dir, const std::string& keyboardFile) {
  std::vector<std::string> problems;
  TKeyDataExt layout;
  layout.Quiet = true;
  const int status = layout.LoadFromFile(dir + keyboardFile);
  if (status != kFileGood) return {keyboardFile + ": load status " + std::to_string(status)};
  for (const std::string& m : layout.Messages) problems.push_back(m);
  std::string needed = ",.;:'\"?!- \r";
  for (char ch = 'a'; ch <= 'z'; ++ch) needed += ch;
  for (char ch = 'A'; ch <= 'Z'; ++ch) needed += ch;
  for (char ch = '0'; ch <= '9'; ++ch) needed += ch;
  for (char ch : needed) {
    TKeyInfoExt* modifier = nullptr;
    const TKeyInfoExt* key = layout.FindKey(std::string(1, ch), &modifier);
    if (!key) {
      problems.push_back(keyboardFile + ": " + Quoted(ch) + " cannot be typed");
    } else if (key->Finger < 1 || key->Finger > 10) {
      problems.push_back(keyboardFile + ": " + Quoted(ch) + " has no finger");
    } else if (ch >= 'A' && ch <= 'Z') {
      // A capital needs the Shift of the other hand.
      if (!modifier || modifier->ModifierIndex != 1 || modifier->RightHand() == key->RightHand())
        problems.push_back(keyboardFile + ": " + Quoted(ch) +
                           " has no Shift key on the other hand");
    }
  }
  // The keypad course's layout shows the keypad alone: its ridge is on 5.
  bool leftRidge = false, rightRidge = false, keypadRidge = false;
  for (const auto& key : layout.Keys) {
    if (!key->Nib || key->Hidden) continue;
    leftRidge |= key->Finger == 4;
    rightRidge |= key->Finger == 5;
    keypadRidge |= key->Labels[0] == "5";
  }
  if ((!leftRidge || !rightRidge) && !keypadRidge)
    problems.push_back(keyboardFile + ": the index fingers' home keys carry no ridge");
  return problems;
}

std::vector<std::string> CheckStoryHeaders(const std::string& dir, const std::string& story) {
  TTextFile file;
  if (file.Open(dir + story, 1) != kFileGood) return {story + ": does not open"};
  std::vector<std::string> problems;
  const std::pair<const char*, const std::string*> headers[] = {{"$author", &file.Author},
                                                                {"$description", &file.Description},
                                                                {"$longdesc", &file.LongDesc},
                                                                {"$copyright", &file.Copyright}};
  for (const auto& [name, value] : headers)
    if (Trim(*value).empty()) problems.push_back(story + ": no " + name);
  // A story is credited to the person who wrote it, not to the program.
  if (SameText(Trim(file.Author), "Tapquill"))
    problems.push_back(story + ": $author names the program, not the story's author");
  std::string body;
  file.ReadAll(body);
  if (Trim(body).empty()) problems.push_back(story + ": no text");
  return problems;
}

std::vector<std::string> CheckWordList(const std::string& dir, const std::string& list) {
  const std::optional<std::string> words = ReadGameWords(dir + list);
  if (!words) return {list + ": does not open"};
  const auto count = std::count(words->begin(), words->end(), '\n');
  if (count < 150) return {list + ": " + std::to_string(count) + " words (at least 150)"};
  return {};
}

bool PngSize(const std::string& path, int& width, int& height) {
  std::ifstream in(path, std::ios::binary);
  unsigned char head[24] = {};
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!std::equal(signature, signature + 8, head) ||
      std::string_view(reinterpret_cast<const char*>(head + 12), 4) != "IHDR")
    return false;
  auto be32 = [&](int at) {
    return static_cast<int>((head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) |
                            head[at + 3]);
  };
  width = be32(16);
  height = be32(20);
  return true;
}

}  // namespace tq::test
