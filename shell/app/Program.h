#pragma once

namespace fr {

/// The whole program: start, the main window until it is closed, and stop. `programPath` is
/// the program's argv[0]; no other argument is read. Always returns 0, the exit code.
int runProgram(char* programPath);

} // namespace fr
