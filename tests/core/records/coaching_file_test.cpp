#include "core/records/coaching_file.h"

#include "core/records/sign_in_marker.h"
#include "records_fixture.h"

namespace tq {
namespace {

class CoachingFile : public test::RecordsTest {};

TEST_F(CoachingFile, OneFilePerStudentBesideTheUserBase) {
  const std::string ann = CoachingFilePath("Ann");
  EXPECT_EQ(ann, Base() + "." + StudentNameKey("Ann") + ".coach");
  EXPECT_EQ(CoachingFilePath("  ANN "), ann);  // the name as signing in compares it
  EXPECT_NE(CoachingFilePath("Anna"), ann);
  EXPECT_NE(CoachingFilePath("Ann/../x"), ann);
  EXPECT_EQ(CoachingFilePath("Ann/../x").find('/', Base().size()), std::string::npos);
  EXPECT_EQ(CoachingFilePath(""), "");  // a visitor keeps nothing
  EXPECT_EQ(CoachingFilePath("   "), "");
}

}  // namespace
}  // namespace tq
