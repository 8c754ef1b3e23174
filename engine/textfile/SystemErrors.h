#pragma once

#include <cstdint>

namespace fr {

/// The program's error code for a failed system call's errno: 2 no such file, 3 no such
/// directory, 4 no file handle left, 5 access refused or the file held by another program,
/// 45 an invalid name, 90 for everything else.
std::int32_t errorCodeForErrno(int error);

} // namespace fr
