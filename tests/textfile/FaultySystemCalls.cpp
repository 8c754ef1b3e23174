#include "tests/textfile/FaultySystemCalls.h"

#include <cerrno>

namespace fr::test {

bool FaultySystemCalls::fails(const char* call) {
    if (beforeEachCall)
        beforeEachCall(++total_);
    const int count = ++counts_[call];
    if (call != call_ || count != occurrence_)
        return false;
    failed_ = true;
    errno = error_;
    return true;
}

int FaultySystemCalls::open(const char* path, int flags, mode_t mode) {
    return fails("open") ? -1 : PosixSystemCalls::open(path, flags, mode);
}

int FaultySystemCalls::openat(int dirFd, const char* path, int flags, mode_t mode) {
    return fails("openat") ? -1 : PosixSystemCalls::openat(dirFd, path, flags, mode);
}

int FaultySystemCalls::close(int fd) {
    // The descriptor goes in any case, as with the real call.
    const int result = PosixSystemCalls::close(fd);
    return fails("close") ? -1 : result;
}

int FaultySystemCalls::fstat(int fd, struct stat* info) {
    return fails("fstat") ? -1 : PosixSystemCalls::fstat(fd, info);
}

int FaultySystemCalls::lstatat(int dirFd, const char* path, struct stat* info) {
    return fails("lstatat") ? -1 : PosixSystemCalls::lstatat(dirFd, path, info);
}

int FaultySystemCalls::realpath(const char* path, std::string& resolved) {
    return fails("realpath") ? -1 : PosixSystemCalls::realpath(path, resolved);
}

ssize_t FaultySystemCalls::pread(int fd, void* buffer, std::size_t count, off_t offset) {
    return fails("pread") ? -1 : PosixSystemCalls::pread(fd, buffer, count, offset);
}

ssize_t FaultySystemCalls::pwrite(int fd, const void* buffer, std::size_t count, off_t offset) {
    return fails("pwrite") ? -1 : PosixSystemCalls::pwrite(fd, buffer, count, offset);
}

int FaultySystemCalls::fsync(int fd) {
    return fails("fsync") ? -1 : PosixSystemCalls::fsync(fd);
}

int FaultySystemCalls::ftruncate(int fd, off_t length) {
    return fails("ftruncate") ? -1 : PosixSystemCalls::ftruncate(fd, length);
}

int FaultySystemCalls::fchmod(int fd, mode_t mode) {
    return fails("fchmod") ? -1 : PosixSystemCalls::fchmod(fd, mode);
}

int FaultySystemCalls::fchown(int fd, uid_t owner, gid_t group) {
    return fails("fchown") ? -1 : PosixSystemCalls::fchown(fd, owner, group);
}

ssize_t FaultySystemCalls::flistxattr(int fd, char* list, std::size_t size) {
    return fails("flistxattr") ? -1 : PosixSystemCalls::flistxattr(fd, list, size);
}

ssize_t FaultySystemCalls::fgetxattr(int fd, const char* name, void* value, std::size_t size) {
    return fails("fgetxattr") ? -1 : PosixSystemCalls::fgetxattr(fd, name, value, size);
}

int FaultySystemCalls::fsetxattr(int fd, const char* name, const void* value, std::size_t size,
                                 int flags) {
    return fails("fsetxattr") ? -1 : PosixSystemCalls::fsetxattr(fd, name, value, size, flags);
}

int FaultySystemCalls::renameat(int fromDirFd, const char* from, int toDirFd, const char* to) {
    return fails("renameat") ? -1 : PosixSystemCalls::renameat(fromDirFd, from, toDirFd, to);
}

int FaultySystemCalls::unlinkat(int dirFd, const char* path, int flags) {
    return fails("unlinkat") ? -1 : PosixSystemCalls::unlinkat(dirFd, path, flags);
}

int FaultySystemCalls::fcntlLock(int fd, int command, struct flock* lock) {
    return fails("fcntlLock") ? -1 : PosixSystemCalls::fcntlLock(fd, command, lock);
}

} // namespace fr::test
