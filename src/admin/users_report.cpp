// "users report": the study report of one student, or of a whole class, as
// PDF files a teacher prints at once. The report is the one the program's
// print button makes (core/pages/study_report.h), written by the core's
// small PDF writer, so the tool needs no graphics library.

#include <cctype>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "admin/users_base.h"
#include "core/files/ansi.h"
#include "core/files/paths.h"
#include "core/pages/study_report.h"
#include "core/records/user.h"
#include "core/shell/host.h"

namespace tq::admin {
namespace {

bool WriteBytes(const std::string& path, const std::string& bytes, std::ostream& err) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (file) return true;
  err << "tapquill-admin users report: cannot write " << path << "\n";
  return false;
}

// A file name from a student's name: letters and digits kept, anything
// else (path separators included) becomes "_".
std::string FileNameOf(const std::string& name) {
  std::string out;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    out += (std::isalnum(u) || c == '-') ? c : '_';
  }
  return out.empty() ? std::string("_") : out;
}

StudyReport ReportOf(TUser& student, const CommandArgs& args) {
  std::string program = OptionValue(args, "--program");
  if (program.empty()) program = ".";
  const std::string course = student.GetContents().empty()
                                 ? std::string()
                                 : IncludeTrailingBackslash(program) + student.GetContents();
  Host& host = GetHost();
  StudyReport r =
      MakeStudentReport(student, course, HasFlag(args, "--wpm"), host.ShortDateText(host.Now()));
  // The course line names the course, not the folder it was read from.
  if (r.course == course) r.course = student.GetContents();
  return r;
}

}  // namespace

int ReportCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const bool all = HasFlag(args, "--all");
  const std::string pdf = OptionValue(args, "--pdf");
  const std::string pdfDir = OptionValue(args, "--pdf-dir");
  const bool named = args.size() >= 2 && args[1].rfind("--", 0) != 0;
  if (all == named || (pdf.empty() == pdfDir.empty()) || (!all && !pdfDir.empty())) {
    err << "tapquill-admin users report: give NAME --pdf FILE, or --all with --pdf FILE or "
           "--pdf-dir DIR\n";
    return kExitUsage;
  }
  std::vector<std::unique_ptr<TUser>> students;
  if (int code = LoadStudents(args, students, err); code != kExitOk) return code;

  if (named) {
    const std::string wanted = AnsiUpperCase(Utf8ToAnsi(args[1]));
    for (auto& u : students) {
      if (AnsiUpperCase(u->Name) != wanted) continue;
      if (!WriteBytes(pdf, StudyReportsPdf({ReportOf(*u, args)}), err)) return kExitFailure;
      out << pdf << "\n";
      return kExitOk;
    }
    err << "tapquill-admin users report: no student named " << args[1] << "\n";
    return kExitFailure;
  }

  if (!pdf.empty()) {
    std::vector<StudyReport> reports;
    for (auto& u : students) reports.push_back(ReportOf(*u, args));
    if (!WriteBytes(pdf, StudyReportsPdf(reports), err)) return kExitFailure;
    out << pdf << " (" << reports.size() << " students)\n";
    return kExitOk;
  }
  if (!DirectoryExists(pdfDir)) {
    err << "tapquill-admin users report: no such folder: " << pdfDir << "\n";
    return kExitUsage;
  }
  std::set<std::string> written;
  for (auto& u : students) {
    // Names that differ only in the characters replaced still get a file each.
    const std::string stem = pdfDir + "/" + AnsiToUtf8(FileNameOf(u->Name));
    std::string path = stem + ".pdf";
    for (int n = 2; !written.insert(path).second; ++n) path = stem + "_" + IntToStr(n) + ".pdf";
    if (!WriteBytes(path, StudyReportsPdf({ReportOf(*u, args)}), err)) return kExitFailure;
    out << path << "\n";
  }
  return kExitOk;
}

}  // namespace tq::admin
