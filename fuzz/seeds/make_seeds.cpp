// Writes seed inputs for the readers whose files the shipped data holds
// none of: a user base of three students with progress, the same base in
// the previous version's record size, and a top-ten table. Made with the
// program's own writers, so the seeds are the files the program makes.
//   fuzz_seeds OUTPUT_FOLDER
#include <cstdio>
#include <string>

#include "core/files/held_files.h"
#include "core/records/top_ten.h"
#include "core/records/user.h"
#include "fuzz_support.h"

namespace {

bool Save(const std::string& bytes, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string out = std::string(argv[1]) + "/";
  const std::string base = tq::fuzz::Scratch() + tq::TUser::kUserbaseName;
  tq::HoldFile(base, "");
  const char* names[] = {"Ann Lee", "Bo Li", "Carla Ruiz"};
  int n = 0;
  for (const char* name : names) {
    auto user = tq::TUser::CreateUser(name);
    if (!user) return 1;
    ++n;
    user->Chapter = n;
    user->Exercise = 2;
    user->ChapterExercise[static_cast<std::size_t>(n)] = 2;
    user->SetExerciseDone(n, 1, true);
    user->AddChapterSeconds(n, 300 * n);
    user->BookMark.Chapter = n;
    user->StudyMinutes = 20 * n;
    user->AddKeyGroup("asdf");
    user->SaveUser();
  }
  const std::string* bytes = tq::HeldFile(base);
  if (!bytes || !Save(*bytes, out + "three_students.kl4")) return 1;
  // The previous version: the same records cut to its size.
  std::string old;
  for (int i = 0; i < n; ++i)
    old += bytes->substr(static_cast<std::size_t>(i * tq::TUser::UserRecordSize),
                         static_cast<std::size_t>(tq::TUser::OldUserRecordSize));
  if (!Save(old, out + "three_students.450")) return 1;

  const std::string table = tq::fuzz::Scratch() + "SEED.klt";
  tq::HoldFile(table, "");
  tq::TtopTen top;
  top.LoadTable("SEED");
  top.AddScore("Ann Lee", 950);
  top.SaveTable(3);
  const std::string* scores = tq::HeldFile(table);
  return scores && Save(*scores, out + "three_places.klt") ? 0 : 1;
}
