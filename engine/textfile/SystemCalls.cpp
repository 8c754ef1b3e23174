#include "engine/textfile/SystemCalls.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace fr {

SystemCalls::~SystemCalls() {
    // The derived calls are gone by now; close directly.
    if (kept_.fd >= 0)
        ::close(kept_.fd);
}

SystemCalls::KeptDirectory SystemCalls::takeKeptDirectory() {
    return std::exchange(kept_, KeptDirectory{});
}

void SystemCalls::keepDirectory(const KeptDirectory& directory) {
    if (kept_.fd >= 0 && kept_.fd != directory.fd)
        close(kept_.fd);
    kept_ = directory;
}

int PosixSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

int PosixSystemCalls::openat(int dirFd, const char* path, int flags, mode_t mode) {
    return ::openat(dirFd, path, flags, mode);
}

int PosixSystemCalls::close(int fd) {
    return ::close(fd);
}

int PosixSystemCalls::fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}

int PosixSystemCalls::lstatat(int dirFd, const char* path, struct stat* info) {
    return ::fstatat(dirFd, path, info, AT_SYMLINK_NOFOLLOW);
}

int PosixSystemCalls::realpath(const char* path, std::string& resolved) {
    char* name = ::realpath(path, nullptr);
    if (!name)
        return -1;
    resolved = name;
    std::free(name);
    return 0;
}

ssize_t PosixSystemCalls::pread(int fd, void* buffer, std::size_t count, off_t offset) {
    return ::pread(fd, buffer, count, offset);
}

ssize_t PosixSystemCalls::pwrite(int fd, const void* buffer, std::size_t count, off_t offset) {
    return ::pwrite(fd, buffer, count, offset);
}

int PosixSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}

int PosixSystemCalls::ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

int PosixSystemCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int PosixSystemCalls::fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}

ssize_t PosixSystemCalls::flistxattr(int fd, char* list, std::size_t size) {
    return ::flistxattr(fd, list, size);
}

ssize_t PosixSystemCalls::fgetxattr(int fd, const char* name, void* value, std::size_t size) {
    return ::fgetxattr(fd, name, value, size);
}

int PosixSystemCalls::fsetxattr(int fd, const char* name, const void* value, std::size_t size,
                                int flags) {
    return ::fsetxattr(fd, name, value, size, flags);
}

int PosixSystemCalls::renameat(int fromDirFd, const char* from, int toDirFd, const char* to) {
    return ::renameat(fromDirFd, from, toDirFd, to);
}

int PosixSystemCalls::unlinkat(int dirFd, const char* path, int flags) {
    return ::unlinkat(dirFd, path, flags);
}

int PosixSystemCalls::fcntlLock(int fd, int command, struct flock* lock) {
    return ::fcntl(fd, command, lock);
}

SystemCalls& systemCalls() {
    static PosixSystemCalls calls;
    return calls;
}

} // namespace fr
