#include "core/exercises/key_data_ext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exercises/dead_keys.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/errors.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::FakeHost;
using test::TempDir;
using test::WriteFile;

// A keyboard file: the version header, then the lines, CR LF.
std::string Kbd(const std::vector<std::string>& lines, const std::string& version = "5") {
  std::string text = "$version=" + version + "\r\n";
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

// Left and right Shift, an AltGr on the right, a few keys of both hands.
const std::vector<std::string> kSmallLayout = {
    "defaultsize;30;30",
    "' a comment",
    "",
    "key;1;10;10;30;30;-;a;A",
    "key;2;+2;0;0;0;n;s;S",
    "key;3;+2;0;0;0;-;e;E;\200",
    "key;5;+2;0;0;0;-;j;J",
    "key;8;+2;0;0;0;-;,;<",
    "shiftcontrolkey;1;10;+2;50;0;d;1;x",
    "shiftcontrolkey;8;200;0;50;0;d;1;x",
    "controlkey;9;+2;0;40;0;d;2;AltGr",
    "spacekey;10;60;+2;120;0;-",
    "enterkey;8;300;10;40;62;d",
    "tabkey;1;0;+40;30;30;d;ignored",
    "backspacekey;8;+2;0;0;0;d",
};

class KeyDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    SetErrorLogPath(dir / "Errors.log");
  }
  void TearDown() override { SetErrorLogPath("Errors.log"); }

  // Loads the lines as a keyboard file into data.
  int Load(const std::vector<std::string>& lines, const std::string& version = "5") {
    WriteFile(dir / "test.kbd", Kbd(lines, version));
    return data.LoadFromFile(dir / "test.kbd");
  }
  TKeyInfoExt* Key(char c, TKeyInfoExt** modifier = nullptr) {
    return data.FindKey(std::string(1, c), modifier);
  }

  FakeHost host;
  TempDir dir;
  TKeyDataExt data;
};

TEST_F(KeyDataTest, RelativePositionKeepsThePreviousRowAndSize) {
  ASSERT_EQ(Load({"key;1;10;5;30;40;-;a;A", "key;4;+2;0;0;0;-;f;F"}), kFileGood);
  ASSERT_EQ(data.Keys.size(), 2u);
  const TKeyInfoExt& f = *data.Keys[1];
  EXPECT_EQ(f.Finger, 4);
  EXPECT_EQ(f.X, 42);
  EXPECT_EQ(f.Y, 5);
  EXPECT_EQ(f.Width, 30);
  EXPECT_EQ(f.Height, 40);
  EXPECT_FALSE(f.Nib || f.Dark || f.AlwaysBlack || f.Hidden || f.SmallLabel);
  EXPECT_EQ(f.ModifierIndex, -1);
  EXPECT_EQ(f.Labels[0], "f");
  EXPECT_EQ(f.Labels[1], "F");
  EXPECT_EQ(Key('f'), &f);
  // The shifted label is the capital of the main one: the key shows one label.
  EXPECT_EQ(TKeyDataExt::KeyCaption(f, 1), "F");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(data.Messages.empty());
}

TEST_F(KeyDataTest, PositionsAndSizes) {
  struct Case {
    const char* line;  // after "key;1;100;50;30;40;-;a"
    int x, y, w, h;
  } cases[] = {
      {"key;1;-5;0;0;0;-;b", 125, 50, 30, 40},     // right edge minus 5
      {"key;1;+0;+3;0;0;-;b", 130, 93, 30, 40},    // next row
      {"key;1;0;0;0;0;-;b", 100, 50, 30, 40},      // 0: the previous place
      {"key;1;7;9;20;25;-;b", 7, 9, 20, 25},       // plain numbers
      {"key;1;+1;0;-1;-1;-;b", 131, 50, 32, 33},   // -1: the default size
      {"key;1;+1;0", 131, 50, 32, 33},             // missing: the default size
      {"key;1;+999;0;0;0;-;b", 1129, 50, 30, 40},  // three digits
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Load({"defaultsize;32;33", "key;1;100;50;30;40;-;a", c.line}), kFileGood);
    ASSERT_EQ(data.Keys.size(), 2u) << c.line;
    const TKeyInfoExt& k = *data.Keys[1];
    EXPECT_EQ(k.X, c.x) << c.line;
    EXPECT_EQ(k.Y, c.y) << c.line;
    EXPECT_EQ(k.Width, c.w) << c.line;
    EXPECT_EQ(k.Height, c.h) << c.line;
  }
}

TEST_F(KeyDataTest, FlagsAndLabels) {
  ASSERT_EQ(Load({"defaultsize;30;30", "key;1;1;1;-1;-1;NdAhS;q", "key;1;+1;0;0;0;-;% ;%;",
                  "key;1;+1;0;0;0;s;x|y|z;X", "key;1;+1;0;0;0;-;|;\\",
                  "key;1;+1;0;0;0;-;abcdefghijklmnopq"}),
            kFileGood);
  ASSERT_EQ(data.Keys.size(), 5u);
  const TKeyInfoExt& q = *data.Keys[0];
  EXPECT_TRUE(q.Nib && q.Dark && q.AlwaysBlack && q.Hidden && q.SmallLabel);
  // "% " is a percent sign; "%;" a semicolon inside the field.
  EXPECT_EQ(data.Keys[1]->Labels[0], "%");
  EXPECT_EQ(data.Keys[1]->Labels[1], ";");
  EXPECT_EQ(Key('%'), data.Keys[1].get());
  // Alternatives in slot 0: any of them, no modifier; shown as the first.
  TKeyInfoExt* modifier = data.Keys[0].get();
  EXPECT_EQ(Key('y', &modifier), data.Keys[2].get());
  EXPECT_EQ(modifier, nullptr);
  EXPECT_EQ(TKeyDataExt::KeyCaption(*data.Keys[2], 0), "x");
  EXPECT_TRUE(data.Keys[2]->SmallLabel);
  // A "|" key is not split.
  EXPECT_EQ(Key('|'), data.Keys[3].get());
  EXPECT_EQ(TKeyDataExt::KeyCaption(*data.Keys[3], 0), "|");
  // Labels hold 15 characters.
  EXPECT_EQ(data.Keys[4]->Labels[0], "abcdefghijklmno");
  EXPECT_EQ(data.Messages.size(), 1u);
}

TEST_F(KeyDataTest, EmptyFlagsFieldShiftsTheLabels) {
  // The field splitter drops the empty flags field, so "g" becomes the flags
  // and "G" the main label: a layout author must write "-".
  ASSERT_EQ(Load({"key;4;10;0;30;40;;g;G"}), kFileGood);
  ASSERT_EQ(data.Keys.size(), 1u);
  EXPECT_EQ(data.Keys[0]->Labels[0], "G");
  EXPECT_EQ(data.Keys[0]->Labels[1], "");
  EXPECT_EQ(Key('g'), nullptr);
}

TEST_F(KeyDataTest, SpecialKeysAndCaptions) {
  ASSERT_EQ(Load(kSmallLayout), kFileGood);
  struct Case {
    char ch;
    const char* caption;
  } cases[] = {{' ', "Space"}, {'\r', "Enter"}, {'\t', "Tab"}, {'\b', "Back"}};
  for (const Case& c : cases) {
    TKeyInfoExt* key = Key(c.ch);
    ASSERT_NE(key, nullptr) << c.caption;
    EXPECT_EQ(TKeyDataExt::KeyCaption(*key, 0), c.caption);
  }
  // A tab key takes no labels.
  EXPECT_EQ(Key('\t')->Labels[1], "");
  EXPECT_EQ(TKeyDataExt::KeyCaption(*Key('a'), 10), "");
  // The Shift keys carry the string-table text as their label.
  EXPECT_EQ(data.LeftModifiers[1]->Labels[0], "Shift");
  EXPECT_EQ(data.LeftModifiers[1]->Labels[1], "");
}

TEST_F(KeyDataTest, ModifiersComeFromTheOtherHand) {
  ASSERT_EQ(Load(kSmallLayout), kFileGood);
  TKeyInfoExt* leftShift = data.LeftModifiers[1];
  TKeyInfoExt* rightShift = data.RightModifiers[1];
  TKeyInfoExt* altGr = data.RightModifiers[2];
  ASSERT_TRUE(leftShift && rightShift && altGr);
  EXPECT_EQ(leftShift->Finger, 1);
  EXPECT_EQ(rightShift->Finger, 8);
  EXPECT_EQ(data.LeftModifiers[2], nullptr);

  struct Case {
    char ch;
    char key;
    TKeyInfoExt* modifier;
  } cases[] = {
      {'J', 'j', leftShift},   // right-hand capital: left Shift
      {'A', 'a', rightShift},  // left-hand capital: right Shift
      {'j', 'j', nullptr},
      {'\200', 'e', altGr},  // slot 2 of a left-hand key: the AltGr of the right
  };
  for (const Case& c : cases) {
    TKeyInfoExt* modifier = nullptr;
    EXPECT_EQ(Key(c.ch, &modifier), Key(c.key)) << c.ch;
    EXPECT_EQ(modifier, c.modifier) << c.ch;
  }
  EXPECT_EQ(data.ModifierName('J'), "Shift");
  EXPECT_EQ(data.ModifierName('\200'), "AltGr");
  EXPECT_EQ(data.ModifierName('j'), "");
  EXPECT_EQ(data.ModifierName('~'), "");

  // Lighting a right-hand capital lights the left Shift with it.
  std::vector<TKeyInfoExt*> changed = data.ShowKeys("J", "");
  EXPECT_TRUE(Key('j')->Lit);
  EXPECT_TRUE(leftShift->Lit);
  EXPECT_FALSE(rightShift->Lit);
  EXPECT_EQ(changed.size(), 2u);
}

TEST_F(KeyDataTest, FirstKeyInFileOrderWins) {
  ASSERT_EQ(Load({"defaultsize;30;30", "shiftcontrolkey;8;0;0;-1;-1;d;1;x",
                  "key;1;+1;0;0;0;-;1;!;q", "key;1;+1;0;0;0;-;!;?", "key;1;+1;0;0;0;-;q"}),
            kFileGood);
  TKeyInfoExt* modifier = nullptr;
  // Slot 1 of an earlier key beats slot 0 of a later one...
  EXPECT_EQ(Key('!', &modifier), data.Keys[1].get());
  EXPECT_EQ(modifier, data.RightModifiers[1]);
  // ...but slots 2 to 9 are looked at only after every slot 0 and 1.
  EXPECT_EQ(Key('q', &modifier), data.Keys[3].get());
  EXPECT_EQ(modifier, nullptr);
  EXPECT_EQ(Key('?'), data.Keys[2].get());
  EXPECT_EQ(data.FindKey("", &modifier), nullptr);
  EXPECT_EQ(Key('z'), nullptr);
}

TEST_F(KeyDataTest, FingersAndTheirNames) {
  ASSERT_EQ(Load(kSmallLayout), kFileGood);
  EXPECT_EQ(data.FingerOf('a'), 1);
  EXPECT_EQ(data.FingerOf('J'), 5);
  EXPECT_EQ(data.FingerOf(' '), 10);
  EXPECT_EQ(data.FingerOf('z'), 0);
  const char* names[] = {"-",
                         "left little finger",
                         "left ring finger",
                         "left middle finger",
                         "left index finger",
                         "right index finger",
                         "right middle finger",
                         "right ring finger",
                         "right little finger",
                         "thumb",
                         "thumb",
                         "-"};
  for (int f = 0; f <= 11; ++f) EXPECT_EQ(TKeyDataExt::FingerName(f), names[f]) << f;
  EXPECT_EQ(TKeyDataExt::FingerName(-1), "-");
}

TEST_F(KeyDataTest, CommaDotTranslation) {
  const std::vector<std::string> pad = {"defaultsize;30;30", "key;8;0;0;-1;-1;h;.|,"};
  ASSERT_EQ(Load(pad), kFileGood);
  EXPECT_EQ(data.TranslateCommaDot(','), ',');  // off by default
  std::vector<std::string> on = pad;
  on.push_back("commadot;1");
  ASSERT_EQ(Load(on), kFileGood);
  EXPECT_EQ(data.TranslateCommaDot(','), '.');
  EXPECT_EQ(data.TranslateCommaDot('.'), '.');
  EXPECT_EQ(data.TranslateCommaDot('x'), 'x');
  // A reload without the line does not inherit it.
  ASSERT_EQ(Load(pad), kFileGood);
  EXPECT_EQ(data.CommaDot, 0);
  EXPECT_EQ(data.TranslateCommaDot(','), ',');
}

TEST_F(KeyDataTest, MarksLiveInTheKeys) {
  ASSERT_EQ(Load(kSmallLayout), kFileGood);
  TKeyInfoExt* a = Key('a');
  TKeyInfoExt* s = Key('s');
  std::vector<TKeyInfoExt*> changed = data.ShowKeys("a", "s");
  EXPECT_TRUE(a->Lit);
  EXPECT_FALSE(a->Wrong);
  EXPECT_TRUE(s->Wrong);
  EXPECT_EQ(changed.size(), 2u);
  // The same marks again change nothing.
  EXPECT_TRUE(data.ShowKeys("a", "s").empty());
  // A new call clears the old marks first.
  changed = data.ShowKeys("S", "");
  EXPECT_FALSE(a->Lit);
  EXPECT_FALSE(s->Wrong);
  EXPECT_TRUE(s->Lit);
  EXPECT_TRUE(data.RightModifiers[1]->Lit);
  EXPECT_EQ(changed.size(), 3u);  // a unlit, s now lit, the Shift lit
  changed = data.ClearMarks();
  EXPECT_EQ(changed.size(), 2u);
  for (const auto& key : data.Keys) EXPECT_FALSE(key->Lit || key->Wrong);
  EXPECT_TRUE(data.ClearMarks().empty());

  data.SetLearnedKeys("aJ");
  EXPECT_TRUE(a->Learned);
  EXPECT_TRUE(Key('j')->Learned);
  EXPECT_FALSE(data.LeftModifiers[1]->Learned);  // the key, not its modifier
  EXPECT_FALSE(s->Learned);
  data.SetLearnedKeys("s");
  EXPECT_FALSE(a->Learned);
  EXPECT_TRUE(s->Learned);
  data.SetAllLearned();
  for (const auto& key : data.Keys) EXPECT_TRUE(key->Learned);

  EXPECT_EQ(data.PressKey('a').size(), 1u);
  EXPECT_TRUE(a->Pressed);
  EXPECT_EQ(data.PressKey('s').size(), 2u);
  EXPECT_FALSE(a->Pressed);
  EXPECT_TRUE(s->Pressed);
  EXPECT_EQ(data.PressKey('z').size(), 1u);
}

TEST_F(KeyDataTest, WrongVersionKeepsTheOldLayout) {
  ASSERT_EQ(Load(kSmallLayout), kFileGood);
  const std::size_t count = data.Keys.size();
  TKeyInfoExt* a = Key('a');
  EXPECT_EQ(Load({"key;1;0;0;30;30;-;z"}, "4"), -89);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("#-89 wrong file version"), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("test.kbd"), std::string::npos);
  EXPECT_EQ(data.Keys.size(), count);
  EXPECT_EQ(Key('a'), a);
  EXPECT_EQ(Key('z'), nullptr);

  // A file that is not there: its status, no report, the layout kept.
  EXPECT_EQ(data.LoadFromFile(dir / "missing.kbd"), kFileNotFound);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(data.Keys.size(), count);
  // No version at all is a wrong version too.
  WriteFile(dir / "bare.kbd", "key;1;0;0;30;30;-;z\r\n");
  EXPECT_EQ(data.LoadFromFile(dir / "bare.kbd"), -89);
  EXPECT_EQ(Key('z'), nullptr);
}

TEST_F(KeyDataTest, BadLines) {
  struct Case {
    const char* line;  // after "key;1;10;10;30;30;-;a"
    bool kept;         // the line gives a key
    const char* message;
    bool reported;  // shown in an error box as well
  } cases[] = {
      {"key;1;abc;0;0;0;-;b", false, "position or size is not a number", true},
      {"key;1;+1a;0;0;0;-;b", false, "position or size is not a number", true},
      {"key;1;+1234;0;0;0;-;b", false, "position or size is not a number", true},
      {"key;1;+;0;0;0;-;b", false, "position or size is not a number", true},
      {"key;1;+1;0;wide;0;-;b", false, "position or size is not a number", true},
      {"key;1", false, "position or size is not a number", true},
      {"key;1;+1", false, "position or size is not a number", true},
      {"key;1;-100;0;0;0;-;b", false, "outside the keyboard picture", true},
      {"key;1;3990;0;0;0;-;b", false, "outside the keyboard picture", true},
      {"key;1;+1;0;-5;0;-;b", false, "outside the keyboard picture", true},
      {"shiftcontrolkey;1;+1;0;0;0;d;1", false, "fewer than nine fields", true},
      {"controlkey;1;+1;0;0;0;d;12;Mod", true, "modifier index outside 1..9", false},
      {"controlkey;1;+1;0;0;0;d;x;Mod", true, "modifier index outside 1..9", false},
      {"key;1;+1;0;0;0;-;0;1;2;3;4;5;6;7;8;9;10;11", true, "the first ten are kept", false},
      {"defaultsize;30", false, "value is not a number", true},
      {"fontsize;12;10;zero", false, "value is not a number", true},
      {"commadot;yes", false, "value is not a number", true},
      {"unknownkeyword;1;2;3", false, nullptr, false},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    ASSERT_EQ(Load({"$description=one more header line", "key;1;10;10;30;30;-;a", c.line}),
              kFileGood)
        << c.line;
    EXPECT_EQ(data.Keys.size(), c.kept ? 2u : 1u) << c.line;
    if (!c.message) {
      EXPECT_TRUE(data.Messages.empty()) << c.line;
      continue;
    }
    ASSERT_EQ(data.Messages.size(), 1u) << c.line;
    // Named by file and line: two header lines, then the key, then this line.
    EXPECT_EQ(data.Messages[0].find(dir / "test.kbd:4: "), 0u) << data.Messages[0];
    EXPECT_NE(data.Messages[0].find(c.message), std::string::npos) << data.Messages[0];
    EXPECT_EQ(host.messages.size(), c.reported ? 1u : 0u) << c.line;
    if (c.reported) {
      EXPECT_NE(host.messages[0].text.find("test.kbd:4:"), std::string::npos);
    }
  }
}

TEST_F(KeyDataTest, ModifierIndexOutOfRangeIsNotAModifier) {
  ASSERT_EQ(Load({"controlkey;8;0;0;30;30;d;12;Mod", "key;5;+1;0;0;0;-;j;J;x;x;x;x;x;x;x;x"}),
            kFileGood);
  EXPECT_EQ(data.Keys[0]->ModifierIndex, -1);
  for (TKeyInfoExt* m : data.RightModifiers) EXPECT_EQ(m, nullptr);
  EXPECT_EQ(data.Keys[1]->Labels[9], "x");
  TKeyInfoExt* modifier = data.Keys[0].get();
  EXPECT_EQ(Key('x', &modifier), data.Keys[1].get());
  EXPECT_EQ(modifier, nullptr);
}

TEST_F(KeyDataTest, RejectedLineDoesNotMoveTheNextKey) {
  ASSERT_EQ(Load({"key;1;10;10;30;30;-;a", "key;1;+5;0;zz;0;-;b", "key;1;+2;0;0;0;-;c"}),
            kFileGood);
  ASSERT_EQ(data.Keys.size(), 2u);
  EXPECT_EQ(data.Keys[1]->X, 42);
}

TEST_F(KeyDataTest, QuietLoadOnlyCollectsMessages) {
  data.Quiet = true;
  EXPECT_EQ(Load({"key;1;zz;0;0;0;-;b"}), kFileGood);
  EXPECT_EQ(Load({"key;1;0;0;30;30;-;b"}, "6"), -89);
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(data.Messages.size(), 1u);
  EXPECT_NE(data.Messages[0].find("#-89"), std::string::npos);
}

TEST_F(KeyDataTest, ScrambledFileReadsTheSame) {
  std::string body;
  for (const std::string& l : kSmallLayout) {
    std::string line = l;
    for (char& c : line) c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
    body += line + "\r\n";
  }
  WriteFile(dir / "crypt.kbd", "$version=5\r\n$fileformat=crypted\r\n" + body);
  ASSERT_EQ(data.LoadFromFile(dir / "crypt.kbd"), kFileGood);
  TKeyDataExt plain;
  WriteFile(dir / "plain.kbd", Kbd(kSmallLayout));
  ASSERT_EQ(plain.LoadFromFile(dir / "plain.kbd"), kFileGood);
  ASSERT_EQ(data.Keys.size(), plain.Keys.size());
  for (std::size_t i = 0; i < plain.Keys.size(); ++i) {
    EXPECT_EQ(data.Keys[i]->Labels, plain.Keys[i]->Labels);
    EXPECT_EQ(data.Keys[i]->X, plain.Keys[i]->X);
    EXPECT_EQ(data.Keys[i]->Y, plain.Keys[i]->Y);
  }
}

TEST_F(KeyDataTest, TruncatedFilesNeverGiveAStrayKey) {
  const std::string full = Kbd(kSmallLayout);
  data.Quiet = true;
  ASSERT_EQ(Load(kSmallLayout), kFileGood);
  const std::size_t fullCount = data.Keys.size();
  for (std::size_t len = 0; len <= full.size(); ++len) {
    WriteFile(dir / "cut.kbd", full.substr(0, len));
    TKeyDataExt cut;
    cut.Quiet = true;
    const int status = cut.LoadFromFile(dir / "cut.kbd");
    // An empty file has no version; a header line cut before its CR LF is
    // the container's header error; from the first content line on it loads.
    const int expected = len == 0 ? -89 : len < 11 ? kFileHeaderError : kFileGood;
    EXPECT_EQ(status, expected) << len;
    if (status != kFileGood) {
      EXPECT_TRUE(cut.Keys.empty());
    }
    EXPECT_LE(cut.Keys.size(), fullCount) << len;
    for (const auto& key : cut.Keys) {
      EXPECT_GE(key->X, 0);
      EXPECT_GE(key->Y, 0);
      EXPECT_GE(key->Width, 1);
      EXPECT_GE(key->Height, 1);
      EXPECT_LE(key->X + key->Width, kMaxKeyboardExtent);
    }
    for (TKeyInfoExt* m : cut.LeftModifiers)
      if (m) {
        EXPECT_GE(m->ModifierIndex, 1);
      }
  }
  EXPECT_TRUE(host.messages.empty());
}

// Every layout we ship loads without a message and types its letters.
TEST_F(KeyDataTest, ShippedLayoutsLoadCleanly) {
  const std::string root = TAPQUILL_SOURCE_DIR;
  const std::vector<std::string> files = MatchFiles(root + "/data/*.kbd");
  ASSERT_FALSE(files.empty());
  for (const std::string& name : files) {
    TKeyDataExt layout;
    ASSERT_EQ(layout.LoadFromFile(root + "/data/" + name), kFileGood) << name;
    EXPECT_TRUE(layout.Messages.empty()) << name << ": " << layout.Messages.front();
    EXPECT_NE(layout.LeftModifiers[1], nullptr) << name;
    EXPECT_NE(layout.RightModifiers[1], nullptr) << name;
    EXPECT_NE(layout.FindKey(" "), nullptr) << name;
    EXPECT_NE(layout.FindKey("\r"), nullptr) << name;
  }
  EXPECT_TRUE(host.messages.empty());
}

// The keypad course's layout shows the keypad in its own place: the keys a
// figure, a sign, Enter or a blank light are drawn, none of them lies on
// another drawn key, and the main keys behind them stay hidden.
TEST_F(KeyDataTest, KeypadLayoutShowsTheKeypadInItsOwnPlace) {
  TKeyDataExt layout;
  ASSERT_EQ(layout.LoadFromFile(std::string(TAPQUILL_SOURCE_DIR) + "/data/numpad.kbd"), kFileGood);
  std::vector<const TKeyInfoExt*> shown;
  for (const auto& key : layout.Keys)
    if (!key->Hidden) shown.push_back(key.get());
  for (const char* text : {"0", "4", "5", "9", "+", "-", "*", "/", ".", "\r", " "}) {
    SCOPED_TRACE(text);
    const TKeyInfoExt* key = layout.FindKey(text);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->Hidden);
  }
  EXPECT_TRUE(layout.FindKey("a")->Hidden);
  auto overlap = [](const TKeyInfoExt& a, const TKeyInfoExt& b) {
    return a.X < b.X + b.Width && b.X < a.X + a.Width && a.Y < b.Y + b.Height &&
           b.Y < a.Y + a.Height;
  };
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(overlap(*shown[i], *shown[j])) << i << " and " << j;
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tq

namespace tq {
namespace {

// A dead acute (´ with a grave ` on Shift) beside the letters: é and È
// light the dead key (with Shift for the grave), then the letter once the
// dead key is down; a file without the deadkey line knows no such strokes.
TEST_F(KeyDataTest, DeadKeysLightTheAccentThenTheLetter) {
  std::vector<std::string> lines = kSmallLayout;
  lines.push_back("key;8;400;10;30;30;-;\264;`");
  lines.push_back("deadkey;\264`");
  ASSERT_EQ(Load(lines), kFileGood);
  EXPECT_EQ(data.DeadKeys, "\264`");
  struct Case {
    char typed;
    char firstKey;  // the label lit before the dead key is down
    bool shifted;   // with the Shift of the other hand
    char thenKey;   // lit once the dead key is down
    int finger;     // of the dead key
  } cases[] = {{'\351', '\264', false, 'e', 8}, {'\310', '\264', true, 'E', 8}};
  for (const Case& c : cases) {
    data.SetPendingDeadKey(0);
    data.ShowKeys(std::string(1, c.typed), "");
    EXPECT_TRUE(Key(c.firstKey)->Lit) << c.typed;
    EXPECT_FALSE(Key('e')->Lit);
    TKeyInfoExt* shift = nullptr;
    data.FindKey("`", &shift);
    ASSERT_NE(shift, nullptr);
    EXPECT_EQ(shift->Lit, c.shifted) << "the Shift of the other hand";
    EXPECT_EQ(data.FingerOf(c.typed), c.finger);
    char accent = 0, letter = 0;
    ASSERT_TRUE(data.DeadKeyStroke(c.typed, accent, letter));
    data.SetPendingDeadKey(accent);
    data.ShowKeys(std::string(1, c.typed), "");
    EXPECT_TRUE(Key(c.thenKey)->Lit) << c.typed;
    EXPECT_FALSE(Key(c.firstKey)->Lit);
    EXPECT_EQ(data.FingerOf(c.typed), 3);
  }
  // A letter no dead key of the layout composes, and one with its own key.
  char accent = 0, letter = 0;
  EXPECT_FALSE(data.DeadKeyStroke('\361', accent, letter));  // ñ: no tilde here
  EXPECT_FALSE(data.DeadKeyStroke('e', accent, letter));

  lines.pop_back();
  ASSERT_EQ(Load(lines), kFileGood);
  EXPECT_FALSE(data.DeadKeyStroke('\351', accent, letter));
  EXPECT_EQ(data.FingerOf('\351'), 0);
}

TEST(DeadKeysTest, ADeadKeyAndTheNextKeyTypeOneCharacter) {
  struct Case {
    char accent, key;
    std::string typed;
  } cases[] = {
      {'\264', 'e', "\351"}, {'`', 'e', "\350"},    {'\250', 'u', "\374"}, {'~', 'n', "\361"},
      {'^', 'E', "\312"},    {'\260', 'a', "\345"}, {'\264', ' ', "\264"}, {'\264', 'x', "\264x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeAfterDeadKey(c.accent, c.key), c.typed) << c.accent << c.key;
    if (c.typed.size() == 1 && c.key != ' ') {
      char accent = 0, letter = 0;
      ASSERT_TRUE(DecomposeAccented(c.typed[0], accent, letter));
      EXPECT_EQ(accent, c.accent);
      EXPECT_EQ(letter, c.key);
    }
  }
}

}  // namespace
}  // namespace tq
