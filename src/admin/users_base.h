#pragma once
// The "users" commands' shared pieces: reading every student of a data
// folder's user base (read-only, as the program reads records), and the
// "report" command that writes study reports as PDF files.

#include <memory>
#include <ostream>
#include <vector>

#include "admin/admin.h"

namespace tq {
class TUser;
}

namespace tq::admin {

// Every student of the base in the folder named by "--data"; messages go to
// err. Returns an exit status.
int LoadStudents(const CommandArgs& args, std::vector<std::unique_ptr<TUser>>& students,
                 std::ostream& err);

// users report NAME | --all ...
int ReportCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace tq::admin
