// The review material we ship: every course that reviews names material
// whose index records point inside the data file and whose entries use only
// keys learned by the lesson they are tagged with. Each check is shown to
// catch a deliberately broken copy.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/course/contents.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/review/builder_event.h"
#include "core/review/revision_builder.h"
#include "core/shell/errors.h"
#include "material_checks.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// One line per problem of a course's review material; none when the course
// has no review exercise and names no material.
std::vector<std::string> CheckReviewMaterial(const std::string& dir, const std::string& course) {
  test::ScopedCurrentDir cwd(dir);
  TUser student("VISITOR");
  student.LessonDuration = 25;
  TContents contents;
  std::vector<std::string> problems;
  if (contents.Create(course, student) != 0) return {course + ": does not load"};
  bool reviews = false;
  for (const auto& chapter : contents.Chapters)
    for (const TExercise& exercise : chapter->Exercises)
      for (const TEventLoader& event : exercise.Events)
        reviews = reviews || event.EventType == "BUILDER";
  if (contents.WizardName.empty()) {
    if (reviews) problems.push_back(course + ": review exercise without material");
    return problems;
  }
  const std::string base = contents.WizardName;
  std::vector<ReviewIndexRecord> index;
  int total = 0;
  if (ReadReviewIndex(base + ".hdr", index, total) != kFileGood)
    return {course + ": " + base + ".hdr does not open"};
  if (total > kReviewIndexMax) problems.push_back(base + ".hdr: more than 200 records");
  TRecFile data;
  if (data.Open(base + ".dta", 1, TRecFile::kShareDenyWrite) != kFileGood)
    return {course + ": " + base + ".dta does not open"};
  const int64_t entries = data.RecordCount(kReviewEntrySize);
  const CourseKeys keys = KeysOfCourse(contents, 1);
  for (std::size_t i = 0; i < index.size(); ++i) {
    const ReviewIndexRecord& r = index[i];
    const std::string where = base + ".hdr record " + std::to_string(i + 1);
    if (r.First < 0 || r.Count <= 0 || r.First + static_cast<int64_t>(r.Count) > entries) {
      problems.push_back(where + ": entries outside the data file");
      continue;
    }
    if (r.Kind != kReviewWords && r.Kind != kReviewSentences)
      problems.push_back(where + ": kind " + std::to_string(r.Kind));
    const std::string studied = keys.StudiedKeys(r.Lesson) + " ";
    char record[kReviewEntrySize];
    data.Seek(r.First, kReviewEntrySize);
    for (int n = 0; n < r.Count; ++n) {
      data.ReadBytes(record, kReviewEntrySize);
      const std::string entry(record + 1, static_cast<unsigned char>(record[0]));
      if (entry.find(static_cast<char>(r.Character)) == std::string::npos)
        problems.push_back(where + ": \"" + entry + "\" lacks its key");
      for (char c : entry)
        if (studied.find(c) == std::string::npos) {
          problems.push_back(where + ": \"" + entry + "\" uses \"" + std::string(1, c) +
                             "\" before lesson " + std::to_string(r.Lesson) + " teaches it");
          break;
        }
    }
  }
  return problems;
}

class ReviewMaterialTest : public ::testing::Test {
 protected:
  ReviewMaterialTest() {
    host_.Install();
    SetErrorLogPath(logDir_ / "Errors.log");
  }
  ~ReviewMaterialTest() override { SetErrorLogPath("Errors.log"); }

  void Copy() { fs::copy(test::BundledDataDir(), copy_.path(), fs::copy_options::recursive); }
  void Patch(const std::string& file, std::size_t offset, const std::string& bytes) {
    std::string all = test::ReadFile(copy_ / file);
    ASSERT_LE(offset + bytes.size(), all.size());
    all.replace(offset, bytes.size(), bytes);
    test::WriteFile(copy_ / file, all);
  }

  test::FakeHost host_;
  test::TempDir logDir_;
  test::TempDir copy_;
};

TEST_F(ReviewMaterialTest, BundledCoursesReviewWithLearnedKeysOnly) {
  int withMaterial = 0;
  for (const std::string& course : test::CourseFiles(test::BundledDataDir())) {
    const auto problems = CheckReviewMaterial(test::BundledDataDir(), course);
    EXPECT_TRUE(problems.empty()) << course << ": " << (problems.empty() ? "" : problems[0]);
    test::ScopedCurrentDir cwd(test::BundledDataDir());
    TUser student("VISITOR");
    TContents contents;
    contents.CreateOutline(course, student);
    if (!contents.WizardName.empty()) ++withMaterial;
  }
  EXPECT_GE(withMaterial, 2);
}

TEST_F(ReviewMaterialTest, AnEntryWithAKeyNotYetLearned) {
  Copy();
  // The first record is "a" words of lesson 1; "q" comes much later.
  Patch("Beginner.dta", 2, "q");
  const auto problems = CheckReviewMaterial(copy_.path(), "Beginner.cnt");
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems[0].find("record 1"), std::string::npos) << problems[0];
  EXPECT_NE(problems[0].find("\"q\""), std::string::npos) << problems[0];
}

TEST_F(ReviewMaterialTest, ARecordOutsideTheDataFile) {
  Copy();
  Patch("Beginner.hdr", 6, std::string("\xff\x7f", 2));  // first entry 32767
  const auto problems = CheckReviewMaterial(copy_.path(), "Beginner.cnt");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "Beginner.hdr record 1: entries outside the data file");
}

}  // namespace
}  // namespace tq
