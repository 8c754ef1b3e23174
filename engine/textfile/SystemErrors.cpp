#include "engine/textfile/SystemErrors.h"

#include <cerrno>

namespace fr {

std::int32_t errorCodeForErrno(int error) {
    switch (error) {
    case ENOENT:
        return 2;
    case ENOTDIR:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EAGAIN:
        return 5;
    case ENAMETOOLONG:
        return 45;
    default:
        return 90;
    }
}

} // namespace fr
