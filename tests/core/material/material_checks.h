#pragma once
// Checks of the material we ship in the program directory (data/): courses,
// texts, keyboard files, word lists and stories. Each check looks at one
// program directory and returns one line per problem, empty when all is
// well, so that a test can run it on the bundled folder (no problems) and on
// a deliberately broken copy (exactly the expected problem).
//
// The checks use the program's own loaders: TContents for courses, LoadText
// for event texts, TKeyDataExt for keyboard files, TTextFile for headers and
// word lists. Paths inside the material are relative to the program
// directory, so every check works with that folder as the current one.

#include <string>
#include <string_view>
#include <vector>

namespace tq::test {

// The repository's data/ folder, ending with "/".
std::string BundledDataDir();

// The courses of a program directory: every "*.cnt" and the introduction.
std::vector<std::string> CourseFiles(const std::string& dir);

// The course loads with status 0 and without a loader message.
std::vector<std::string> CheckCourseLoads(const std::string& dir, const std::string& course);
// Every typed text and game word list uses only the keys learned up to its
// exercise; one problem per exercise, naming the first offending character.
// A course that names no key groups (for students who know the keyboard)
// may use every key.
std::vector<std::string> CheckKnownKeys(const std::string& dir, const std::string& course);
// Every character typed in the course (in one lesson when `lesson` is not
// 0) has a key on the keyboard file or is typed there with a dead key.
std::vector<std::string> CheckTypeable(const std::string& dir, const std::string& course,
                                       const std::string& keyboardFile, int lesson = 0);
// Every file the course names exists: texts, pictures, word files, the
// course's keyboard, the efficiency text and the stories of "ASK:".
std::vector<std::string> CheckNamedFiles(const std::string& dir, const std::string& course);
// At most 20 lessons, at most 7 exercises a lesson (the exercise list shows
// eight rows with "Next Lesson").
std::vector<std::string> CheckLimits(const std::string& dir, const std::string& course);
// Every exam line has its three minimums (eight fields, whole numbers);
// with another field count an exam silently asks for nothing.
std::vector<std::string> CheckExamLines(const std::string& dir, const std::string& course);

// Every credit line of a sentence or paragraph text stands right before the
// saying it credits: the text session shows a credit under the next block.
std::vector<std::string> CheckCredits(const std::string& dir, const std::string& course);
// Each lesson practises the keys it brings: every new letter in its word
// drill, every new key in its text and in its exam (three times or more when
// the lesson brings at most four keys), and the new keys make at least 8 %
// of the text's and the exam's characters (blanks and line ends aside).
std::vector<std::string> CheckNewKeyPractice(const std::string& dir, const std::string& course);
// Every key of `promised` is learned somewhere in the course.
std::vector<std::string> CheckPromisedKeys(const std::string& dir, const std::string& course,
                                           const std::string& promised);
// A name (a word the course writes with a capital inside a sentence and
// never in lower case once capitals are learned) does not appear in lower
// case before the capital of its first letter is learned.
std::vector<std::string> CheckNamesCapitalised(const std::string& dir, const std::string& course);
// Every line of a text, exam or paragraph (14 points) and of a sentence
// drill (20 points) fits the 500-pixel exercise view, measured with the
// advance widths of the serif text font rounded up to whole pixels and the
// room the view keeps after the last word. A wider line would wrap a word
// onto a line of its own.
std::vector<std::string> CheckLineWidths(const std::string& dir, const std::string& course);
// Width in pixels of a line in the serif text font at `pixels` per em.
int SerifTextWidth(std::string_view text, int pixels);

// The keyboard file loads without a message; every letter, digit and the
// punctuation , . ; : ' " ? ! - is typeable (capitals with a Shift of the
// other hand); each index finger has a ridged home key.
std::vector<std::string> CheckLayout(const std::string& dir, const std::string& keyboardFile);

// A story carries the four headers the story page shows, and its author is
// a person rather than the program.
std::vector<std::string> CheckStoryHeaders(const std::string& dir, const std::string& story);
// A game word list has at least 150 words, one a line.
std::vector<std::string> CheckWordList(const std::string& dir, const std::string& list);

// Width and height of a PNG file; false when it is not one.
bool PngSize(const std::string& path, int& width, int& height);

}  // namespace tq::test
