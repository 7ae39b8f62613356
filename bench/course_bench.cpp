// Loading a course: the cost of starting guided studying (the course is read
// anew every time the Studying tab starts) and of the profile page's preview.
#include <benchmark/benchmark.h>

#include <string>

#include "core/course/contents.h"
#include "core/records/user.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

// A course of the usual size: 20 lessons of 7 exercises, each exercise a
// message, a drill and a text or exam, with the header and comments a real
// course carries.
std::string GeneratedCourse() {
  std::string s = "$version=5\r\n$description=Generated;course\r\n";
  s += "contents name=Generated course\r\ndefault time=25\r\nkeyboard=ALL\r\n";
  s += "wizardname=Beginner\r\nwordloop=3\r\nwordmaxloop=5\r\n";
  const char* keys[] = {"fj", "dk", "sl", "a;", "gh", "ru", "ei", "wo", "qp", "ty"};
  for (int c = 1; c <= 20; ++c) {
    std::string n = std::to_string(c);
    s += "' Lesson " + n + "\r\nbegin chapter\r\n";
    s += "chapter name=" + n + ";Lesson number " + n + " of the generated course\r\n";
    s += "picture=Ch" + n + ".pic\r\n";
    s += "new keys=" + std::string(keys[(c - 1) % 10]) + "\r\n";
    s += "extradesc=Practise the new keys with both hands\r\ndurationpercent=100\r\n";
    for (int e = 1; e <= 7; ++e) {
      s += "begin exercise\r\n  type=Text typing\r\n  duration=" + std::to_string(e % 3 + 1) +
           "\r\n";
      s += "  event=MESSAGE;0;FILE:msg" + n + ".txt;New keys;Hands.pic;LEFT\r\n";
      s += "  event=KEYBOARD;1;fj fj jf jf dk kd;2\r\n";
      s += std::string("  event=") + (e == 7 ? "EXAM" : "TEXT") + ";2;FILE:lesson" + n +
           ".txt;0;30;90;95\r\n";
      s += "end exercise\r\n";
    }
    s += "end chapter\r\n";
  }
  return s;
}

class CourseFile {
 public:
  CourseFile() : path_(dir_ / "generated.cnt") { test::WriteFile(path_, GeneratedCourse()); }
  const std::string& path() const { return path_; }

 private:
  test::TempDir dir_;
  std::string path_;
};

void BM_LoadCourse(benchmark::State& state) {
  CourseFile file;
  TUser student(TUser::kVisitorName, true);
  student.LessonDuration = 25;
  for (auto _ : state) {
    TContents contents;
    int status = contents.Create(file.path(), student);
    if (status != 0 || contents.ChapterCount() != 20) state.SkipWithError("course did not load");
    benchmark::DoNotOptimize(contents.Chapters.data());
  }
}
BENCHMARK(BM_LoadCourse)->Unit(benchmark::kMillisecond);

void BM_LoadCourseOutline(benchmark::State& state) {
  CourseFile file;
  TUser student(TUser::kVisitorName, true);
  for (auto _ : state) {
    TContents contents;
    int status = contents.CreateOutline(file.path(), student);
    if (status != 0) state.SkipWithError("course did not load");
    benchmark::DoNotOptimize(contents.Chapters.data());
  }
}
BENCHMARK(BM_LoadCourseOutline)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tq
