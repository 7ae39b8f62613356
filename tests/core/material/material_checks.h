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
// Every character typed in the course has a key on the keyboard file.
std::vector<std::string> CheckTypeable(const std::string& dir, const std::string& course,
                                       const std::string& keyboardFile);
// Every file the course names exists: texts, pictures, word files, the
// course's keyboard, the efficiency text and the stories of "ASK:".
std::vector<std::string> CheckNamedFiles(const std::string& dir, const std::string& course);
// At most 20 lessons, at most 7 exercises a lesson (the exercise list shows
// eight rows with "Next Lesson").
std::vector<std::string> CheckLimits(const std::string& dir, const std::string& course);
// Every exam line has its three minimums (eight fields, whole numbers);
// with another field count an exam silently asks for nothing.
std::vector<std::string> CheckExamLines(const std::string& dir, const std::string& course);

// The keyboard file loads without a message; every letter, digit and the
// punctuation , . ; : ' " ? ! - is typeable (capitals with a Shift of the
// other hand); each index finger has a ridged home key.
std::vector<std::string> CheckLayout(const std::string& dir, const std::string& keyboardFile);

// A story carries the four headers the story page shows.
std::vector<std::string> CheckStoryHeaders(const std::string& dir, const std::string& story);
// A game word list has at least 150 words, one a line.
std::vector<std::string> CheckWordList(const std::string& dir, const std::string& list);

// Width and height of a PNG file; false when it is not one.
bool PngSize(const std::string& path, int& width, int& height);

}  // namespace tq::test
