#include "engine/textfile/Rewrite.h"

#include "engine/textfile/LineFormat.h"
#include "engine/textfile/SystemCalls.h"
#include "engine/textfile/SystemErrors.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fr {
namespace {

constexpr std::size_t writeChunk = 256 * 1024;
constexpr std::size_t temporaryAttempts = 16;
constexpr std::size_t attributeBuffer = 4096;
constexpr std::int32_t accessDenied = 5;
constexpr std::int32_t changedMeanwhile = 89;
constexpr std::int32_t fileSystemError = 90;

std::string temporaryName(const std::string& base) {
    static std::mt19937 random{std::random_device{}()};
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = "." + base.substr(0, 200) + ".fr-";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int i = 0; i < 6; ++i)
        name.push_back(letters[pick(random)]);
    return name;
}

// Attributes that only a privileged or security module may set are left as the new file
// has them.
bool notPermittedHere(int error) {
    return error == EPERM || error == EACCES || error == ENOTSUP;
}

} // namespace

Rewrite::Rewrite(SystemCalls& system, int source, std::string name, const struct stat& opened)
    : system_(system), source_(source), name_(std::move(name)), opened_(opened) {}

Rewrite::~Rewrite() {
    dropTemporary();
    if (directory_.fd >= 0)
        system_.keepDirectory(directory_);
}

std::int32_t Rewrite::begin(std::int64_t keptBytes) {
    if (opened_.st_nlink <= 1 && makeTemporary())
        return beginTemporary(keptBytes);
    return beginInPlace(keptBytes);
}

bool Rewrite::holdsOpenedFile(int dirFd) const {
    struct stat entry {};
    return system_.lstatat(dirFd, targetName_.c_str(), &entry) == 0 && S_ISREG(entry.st_mode) &&
           entry.st_dev == opened_.st_dev && entry.st_ino == opened_.st_ino;
}

bool Rewrite::openDirectory(const std::string& path) {
    directory_.fd = system_.open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (directory_.fd < 0)
        return false;
    directory_.statusKnown = system_.fstat(directory_.fd, &directory_.status) == 0;
    return true;
}

// The directory whose entry targetName_ is the opened file: the one kept from the last
// rewrite when it holds the file, else the one the name gives, else, where the name is a
// symbolic link, the directory of the file it points to.
bool Rewrite::findDirectory() {
    const auto slash = name_.rfind('/');
    targetName_ = name_.substr(slash + 1);
    directory_ = system_.takeKeptDirectory();
    if (directory_.fd >= 0 && holdsOpenedFile(directory_.fd))
        return true;
    if (directory_.fd >= 0)
        system_.close(std::exchange(directory_.fd, -1));
    const std::string directory = slash == std::string::npos ? "."
                                  : slash == 0               ? "/"
                                                             : name_.substr(0, slash);
    if (!openDirectory(directory))
        return false;
    if (holdsOpenedFile(directory_.fd))
        return true;
    system_.close(std::exchange(directory_.fd, -1));
    std::string target;
    if (system_.realpath(name_.c_str(), target) != 0)
        return false;
    const auto targetSlash = target.rfind('/');
    targetName_ = target.substr(targetSlash + 1);
    // The identity check before the rename makes sure this is still the opened file.
    return openDirectory(targetSlash == 0 ? "/" : target.substr(0, targetSlash));
}

// A new file gets the effective user and, where the directory's group is the file's too,
// that group whichever rule (set-group-ID directory or the effective group) applies.
bool Rewrite::ownerNeedsSetting() const {
    static const uid_t user = geteuid();
    static const gid_t group = getegid();
    return opened_.st_uid != user || opened_.st_gid != group || !directory_.statusKnown ||
           directory_.status.st_gid != opened_.st_gid;
}

bool Rewrite::makeTemporary() {
    if (!findDirectory())
        return false;
    for (std::size_t attempt = 0; attempt < temporaryAttempts && tempFd_ < 0; ++attempt) {
        tempName_ = temporaryName(targetName_);
        tempFd_ = system_.openat(directory_.fd, tempName_.c_str(),
                                 O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (tempFd_ < 0 && errno != EEXIST)
            break;
    }
    if (tempFd_ < 0)
        return false;
    // A new file that cannot have the former owner and group would change who may use it.
    if (ownerNeedsSetting() && system_.fchown(tempFd_, opened_.st_uid, opened_.st_gid) != 0) {
        dropTemporary();
        return false;
    }
    return true;
}

void Rewrite::dropTemporary() {
    if (tempFd_ < 0)
        return;
    system_.close(tempFd_);
    system_.unlinkat(directory_.fd, tempName_.c_str(), 0);
    tempFd_ = -1;
}

std::int32_t Rewrite::beginTemporary(std::int64_t keptBytes) {
    inPlace_ = false;
    if (keptBytes > 0 && !appendFormer(0, keptBytes))
        return failWithErrno();
    return 0;
}

std::int32_t Rewrite::beginInPlace(std::int64_t keptBytes) {
    inPlace_ = true;
    former_.resize(static_cast<std::size_t>(opened_.st_size));
    if (!readAll(source_, former_.data(), former_.size(), 0))
        return failWithErrno();
    pending_.assign(former_, 0, static_cast<std::size_t>(keptBytes));
    return 0;
}

std::int32_t Rewrite::restart() {
    pending_.clear();
    written_ = 0;
    failure_ = 0;
    if (!inPlace_ && system_.ftruncate(tempFd_, 0) != 0)
        return failWithErrno();
    return 0;
}

std::int32_t Rewrite::failWithErrno() {
    failure_ = errorCodeForErrno(errno);
    return failure_;
}

std::int32_t Rewrite::appendRecord(std::string_view record, std::size_t& written) {
    if (failure_ != 0)
        return accessDenied;
    if (!inPlace_ && pending_.size() + lineformat::recordWidth + 2 > writeChunk && !flush()) {
        failWithErrno();
        return accessDenied;
    }
    written = lineformat::appendLine(pending_, record);
    return 0;
}

bool Rewrite::flush() {
    if (!writeAll(tempFd_, pending_.data(), pending_.size(), written_))
        return false;
    written_ += static_cast<std::int64_t>(pending_.size());
    pending_.clear();
    return true;
}

namespace {

/// Repeats a partial pread or pwrite until all `count` bytes are moved. A call that moves
/// nothing (a file shorter than when it was opened) fails with EIO.
template <typename Buffer, typename Transfer>
bool transferAll(Buffer* bytes, std::size_t count, std::int64_t offset, Transfer transfer) {
    while (count > 0) {
        const ssize_t done = transfer(bytes, count, offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            if (done == 0)
                errno = EIO;
            return false;
        }
        bytes += done;
        count -= static_cast<std::size_t>(done);
        offset += done;
    }
    return true;
}

} // namespace

bool Rewrite::writeAll(int fd, const char* bytes, std::size_t count, std::int64_t offset) {
    return transferAll(bytes, count, offset, [&](const char* b, std::size_t n, std::int64_t at) {
        return system_.pwrite(fd, b, n, at);
    });
}

bool Rewrite::readAll(int fd, char* bytes, std::size_t count, std::int64_t offset) {
    return transferAll(bytes, count, offset, [&](char* b, std::size_t n, std::int64_t at) {
        return system_.pread(fd, b, n, at);
    });
}

bool Rewrite::appendFormer(std::int64_t from, std::int64_t to) {
    if (inPlace_) {
        pending_.append(former_, static_cast<std::size_t>(from),
                        static_cast<std::size_t>(to - from));
        return true;
    }
    std::vector<char> chunk(writeChunk);
    while (from < to) {
        const auto count = static_cast<std::size_t>(std::min<std::int64_t>(to - from, writeChunk));
        if (!flush() || !readAll(source_, chunk.data(), count, from))
            return false;
        pending_.assign(chunk.data(), count);
        from += static_cast<std::int64_t>(count);
    }
    return flush();
}

bool Rewrite::unchangedSinceOpened(const struct stat& now) const {
    return now.st_dev == opened_.st_dev && now.st_ino == opened_.st_ino &&
           now.st_size == opened_.st_size && now.st_mtim.tv_sec == opened_.st_mtim.tv_sec &&
           now.st_mtim.tv_nsec == opened_.st_mtim.tv_nsec;
}

std::int32_t Rewrite::commit() {
    if (failure_ != 0) {
        dropTemporary();
        return failure_;
    }
    if (tailFrom_ >= 0 && !appendFormer(tailFrom_, opened_.st_size)) {
        dropTemporary();
        return failWithErrno();
    }
    return inPlace_ ? commitInPlace() : commitTemporary();
}

// Each list or value is first read into a buffer of a likely size; only a larger one costs
// a second call for its size.
bool Rewrite::copyExtendedAttributes() {
    std::vector<char> names(attributeBuffer);
    ssize_t size = system_.flistxattr(source_, names.data(), names.size());
    if (size < 0 && errno == ERANGE) {
        size = system_.flistxattr(source_, nullptr, 0);
        if (size >= 0) {
            names.resize(static_cast<std::size_t>(size));
            size = system_.flistxattr(source_, names.data(), names.size());
        }
    }
    if (size < 0)
        return errno == ENOTSUP;
    std::vector<char> value;
    for (std::size_t at = 0; at < static_cast<std::size_t>(size);) {
        const char* name = names.data() + at;
        at += std::char_traits<char>::length(name) + 1;
        if (!copyExtendedAttribute(name, value))
            return false;
    }
    return true;
}

bool Rewrite::copyExtendedAttribute(const char* name, std::vector<char>& value) {
    value.resize(attributeBuffer);
    ssize_t got = system_.fgetxattr(source_, name, value.data(), value.size());
    if (got < 0 && errno == ERANGE) {
        got = system_.fgetxattr(source_, name, nullptr, 0);
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            got = system_.fgetxattr(source_, name, value.data(), value.size());
        }
    }
    if (got < 0)
        return false;
    return system_.fsetxattr(tempFd_, name, value.data(), static_cast<std::size_t>(got), 0) == 0 ||
           notPermittedHere(errno);
}

bool Rewrite::copyAttributes() {
    // The mode goes last: a change of owner clears set-user-ID, and an ACL sets the mode's
    // group bits from its mask.
    return copyExtendedAttributes() && system_.fchmod(tempFd_, opened_.st_mode & 07777) == 0;
}

std::int32_t Rewrite::commitTemporary() {
    struct stat now {};
    std::int32_t code = 0;
    // Attributes before the fsync, so that the renamed file never shows the temporary's.
    if (!flush() || !copyAttributes() || system_.fsync(tempFd_) != 0)
        code = errorCodeForErrno(errno);
    else if (system_.lstatat(directory_.fd, targetName_.c_str(), &now) != 0)
        code = errno == ENOENT ? changedMeanwhile : errorCodeForErrno(errno);
    else if (!unchangedSinceOpened(now))
        code = changedMeanwhile;
    else if (system_.renameat(directory_.fd, tempName_.c_str(), directory_.fd,
                              targetName_.c_str()) != 0)
        code = errorCodeForErrno(errno);
    if (code != 0) {
        dropTemporary();
        return code;
    }
    system_.close(tempFd_);
    tempFd_ = -1;
    if (system_.fsync(directory_.fd) != 0)
        return errorCodeForErrno(errno);
    return 0;
}

std::int32_t Rewrite::commitInPlace() {
    struct stat now {};
    if (system_.fstat(source_, &now) != 0)
        return errorCodeForErrno(errno);
    if (!unchangedSinceOpened(now))
        return changedMeanwhile;
    const auto newSize = static_cast<std::int64_t>(pending_.size());
    if (writeAll(source_, pending_.data(), pending_.size(), 0) &&
        system_.ftruncate(source_, newSize) == 0 && system_.fsync(source_) == 0)
        return 0;
    const std::int32_t code = errorCodeForErrno(errno);
    // Put the former content back; the file had room for it before.
    if (!writeAll(source_, former_.data(), former_.size(), 0) ||
        system_.ftruncate(source_, static_cast<std::int64_t>(former_.size())) != 0 ||
        system_.fsync(source_) != 0)
        return fileSystemError;
    return code;
}

} // namespace fr
