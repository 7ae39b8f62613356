#pragma once
// The program block: creates the application and the book window and runs
// the program until the window closes.

namespace tq {

int RunApplication(int argc, char** argv);

}  // namespace tq
