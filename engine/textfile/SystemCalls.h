#pragma once

#include <cstddef>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace fr {

/// The system calls the text-file layer makes, one method per call. Each returns what the
/// call returns and leaves errno set on failure, so a test can make any one of them fail.
class SystemCalls {
public:
    /// A directory kept open from one rewrite to the next, with its status when opened.
    struct KeptDirectory {
        int fd = -1;
        struct stat status {};
        bool statusKnown = false;
    };

    SystemCalls() = default;
    SystemCalls(const SystemCalls&) = delete;
    SystemCalls& operator=(const SystemCalls&) = delete;
    /// Closes the kept directory.
    virtual ~SystemCalls();

    /// Hands over the kept directory (fd -1 when there is none); none is kept afterwards.
    KeptDirectory takeKeptDirectory();
    /// Keeps `directory` for the next rewrite, closing the one kept before.
    void keepDirectory(const KeptDirectory& directory);

    virtual int open(const char* path, int flags, mode_t mode) = 0;
    virtual int openat(int dirFd, const char* path, int flags, mode_t mode) = 0;
    virtual int close(int fd) = 0;
    virtual int fstat(int fd, struct stat* info) = 0;
    /// fstatat with AT_SYMLINK_NOFOLLOW: the entry itself, not what it may point to.
    virtual int lstatat(int dirFd, const char* path, struct stat* info) = 0;
    /// The absolute name of `path` with every symbolic link resolved; 0 or -1.
    virtual int realpath(const char* path, std::string& resolved) = 0;
    virtual ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) = 0;
    virtual ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) = 0;
    virtual int fsync(int fd) = 0;
    virtual int ftruncate(int fd, off_t length) = 0;
    virtual int fchmod(int fd, mode_t mode) = 0;
    virtual int fchown(int fd, uid_t owner, gid_t group) = 0;
    virtual ssize_t flistxattr(int fd, char* list, std::size_t size) = 0;
    virtual ssize_t fgetxattr(int fd, const char* name, void* value, std::size_t size) = 0;
    virtual int fsetxattr(int fd, const char* name, const void* value, std::size_t size,
                          int flags) = 0;
    virtual int renameat(int fromDirFd, const char* from, int toDirFd, const char* to) = 0;
    virtual int unlinkat(int dirFd, const char* path, int flags) = 0;
    /// fcntl with F_OFD_SETLK and friends.
    virtual int fcntlLock(int fd, int command, struct flock* lock) = 0;

private:
    KeptDirectory kept_;
};

/// The calls as the system makes them.
class PosixSystemCalls : public SystemCalls {
public:
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
};

/// The process's one PosixSystemCalls.
SystemCalls& systemCalls();

} // namespace fr
