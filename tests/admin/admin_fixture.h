#pragma once
// The admin commands run in-process: a fake host, a temporary folder and the
// two output streams of one run.

#include <gtest/gtest.h>

#include <sstream>

#include "admin/admin.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq::admin {

class AdminCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { host.Install(); }
  int Run(const CommandArgs& args) {
    out.str("");
    err.str("");
    return admin::Run(args, out, err);
  }
  test::FakeHost host;
  test::TempDir dir;
  std::ostringstream out;
  std::ostringstream err;
};

}  // namespace tq::admin
