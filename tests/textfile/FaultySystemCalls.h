#pragma once

#include "engine/textfile/SystemCalls.h"

#include <functional>
#include <map>
#include <string>

namespace fr::test {

/// The real system calls, except that the chosen occurrence of one call fails with the
/// chosen errno, and a hook can run before each call (the kill test stops there).
class FaultySystemCalls : public PosixSystemCalls {
public:
    /// The `occurrence`th call (from 1) named `call` fails with `error`.
    void failAt(std::string call, int occurrence, int error) {
        call_ = std::move(call);
        occurrence_ = occurrence;
        error_ = error;
    }
    /// Called with the running number of each call, from 1, before it is made.
    std::function<void(int)> beforeEachCall;
    /// How often each call was made.
    const std::map<std::string, int>& counts() const { return counts_; }
    bool failed() const { return failed_; }

    int open(const char* path, int flags, mode_t mode) override;
    int openat(int dirFd, const char* path, int flags, mode_t mode) override;
    int close(int fd) override;
    int fstat(int fd, struct stat* info) override;
    int lstatat(int dirFd, const char* path, struct stat* info) override;
    int realpath(const char* path, std::string& resolved) override;
    ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) override;
    ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) override;
    int fsync(int fd) override;
    int ftruncate(int fd, off_t length) override;
    int fchmod(int fd, mode_t mode) override;
    int fchown(int fd, uid_t owner, gid_t group) override;
    ssize_t flistxattr(int fd, char* list, std::size_t size) override;
    ssize_t fgetxattr(int fd, const char* name, void* value, std::size_t size) override;
    int fsetxattr(int fd, const char* name, const void* value, std::size_t size,
                  int flags) override;
    int renameat(int fromDirFd, const char* from, int toDirFd, const char* to) override;
    int unlinkat(int dirFd, const char* path, int flags) override;
    int fcntlLock(int fd, int command, struct flock* lock) override;

private:
    /// Counts the call; true (with errno set) when it is the one to fail.
    bool fails(const char* call);

    std::string call_;
    int occurrence_ = 0;
    int error_ = 0;
    int total_ = 0;
    bool failed_ = false;
    std::map<std::string, int> counts_;
};

} // namespace fr::test
