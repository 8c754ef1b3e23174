#include "engine/textfile/TextFile.h"

#include "engine/textfile/LineFormat.h"
#include "engine/textfile/ReadWindow.h"
#include "engine/textfile/Rewrite.h"
#include "engine/textfile/SystemCalls.h"
#include "engine/textfile/SystemErrors.h"

#include <algorithm>
#include <cerrno>

namespace fr {
namespace {

constexpr std::int32_t notAvailable = 33;
constexpr std::int32_t accessDenied = 5;
constexpr std::int32_t pathNotFound = 3;
constexpr std::int32_t notOpen = 37;
constexpr std::int32_t invalidName = 45;
constexpr std::int32_t alreadyOpen = 52;
constexpr std::int32_t exclusiveRequired = 63;

int accessFlags(std::uint8_t mode) {
    switch (mode & 0x03) {
    case 1:
        return O_WRONLY;
    case 2:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

// Others may not write for these sharing values: 0x10, 0x20 and anything unknown.
bool deniesOthersWriting(std::uint8_t mode) {
    const int share = mode & 0x70;
    return share != 0x00 && share != 0x30 && share != 0x40;
}

bool directoryOfNameMissing(SystemCalls& system, const std::string& name) {
    const auto slash = name.rfind('/');
    if (slash == std::string::npos)
        return false;
    const std::string directory = slash == 0 ? "/" : name.substr(0, slash);
    struct stat info {};
    if (system.lstatat(AT_FDCWD, directory.c_str(), &info) == 0)
        return false;
    return errno == ENOENT || errno == ENOTDIR;
}

} // namespace

struct TextFile::OpenFile {
    int fd = -1;
    std::string name;
    struct stat opened {};
    bool writeAccess = false;
    bool exclusive = false;
    bool positioned = false;
    bool hasLine = false;
    bool cutByTabs = false;
    bool tooLong = false;
    bool followsEndMark = false;
    std::int64_t size = 0;
    std::int64_t nextOffset = 0;
    std::int64_t lineBytes = 0;
    std::int64_t peekedBytes = 0;
    std::int64_t tailOffset = -1;
    bool rewriteFromEmpty = false;
    std::unique_ptr<Rewrite> rewrite;
};

TextFile::TextFile(ErrorState& error, const std::string& fileName)
    : TextFile(error, fileName, systemCalls()) {}

TextFile::TextFile(ErrorState& error, const std::string& fileName, SystemCalls& system)
    : TextFile(error, fileName, system, ReadWindow::defaultCapacity) {}

TextFile::TextFile(ErrorState& error, const std::string& fileName, SystemCalls& system,
                   std::size_t windowBytes)
    : error_(error), fileName_(fileName), system_(system),
      window_(std::make_unique<ReadWindow>(system,
                                           std::max(windowBytes, lineformat::storeLookahead))) {}

TextFile::~TextFile() {
    if (file_) {
        file_->rewrite.reset();
        system_.close(file_->fd);
    }
}

bool TextFile::isOpen() const {
    return file_ != nullptr;
}

bool TextFile::lineCutByTabs() const {
    return file_ && file_->cutByTabs;
}

bool TextFile::lineTooLong() const {
    return file_ && file_->tooLong;
}

bool TextFile::dataFollowsEndMark() const {
    return file_ && file_->followsEndMark;
}

void TextFile::OPEN(std::uint8_t mode) {
    if (file_) {
        error_.post(alreadyOpen);
        return;
    }
    // The variable holds the exact name: trailing spaces are part of a Linux file name, and
    // clipping them would open a namesake.
    const std::string& name = fileName_;
    if (name.find_first_not_of(' ') == std::string::npos || name.find('\0') != std::string::npos) {
        error_.post(invalidName);
        return;
    }
    const int fd =
        system_.open(name.c_str(), accessFlags(mode) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT && directoryOfNameMissing(system_, name))
            error_.post(pathNotFound);
        else
            error_.post(errorCodeForErrno(error));
        return;
    }
    auto file = std::make_unique<OpenFile>();
    file->fd = fd;
    file->name = name;
    file->writeAccess = (mode & 0x03) != 0 && (mode & 0x03) != 3;
    file->exclusive = (mode & 0x30) != 0;
    std::int32_t code = 0;
    if (system_.fstat(fd, &file->opened) != 0)
        code = errorCodeForErrno(errno);
    else if (!S_ISREG(file->opened.st_mode))
        code = accessDenied;
    else if (file->writeAccess && (file->opened.st_mode & 0222) == 0)
        code = accessDenied;
    if (code == 0 && deniesOthersWriting(mode)) {
        struct flock lock {};
        lock.l_type = (mode & 0x03) == 0 || (mode & 0x03) == 3 ? F_RDLCK : F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (system_.fcntlLock(fd, F_OFD_SETLK, &lock) != 0)
            code = errno == EACCES || errno == EAGAIN ? accessDenied : errorCodeForErrno(errno);
    }
    if (code != 0) {
        system_.close(fd);
        error_.post(code);
        return;
    }
    file->size = file->opened.st_size;
    window_->clear();
    file_ = std::move(file);
    error_.clear();
}

void TextFile::SET() {
    if (!file_) {
        error_.post(notOpen);
        return;
    }
    file_->nextOffset = 0;
    file_->positioned = true;
    error_.clear();
}

void TextFile::readFailed(std::int32_t code) {
    file_->positioned = false;
    file_->hasLine = false;
    error_.post(code);
}

void TextFile::NEXT() {
    using namespace lineformat;
    if (!file_) {
        error_.post(notOpen);
        return;
    }
    OpenFile& file = *file_;
    file.cutByTabs = false;
    file.tooLong = false;
    file.followsEndMark = false;
    const std::int64_t start = file.nextOffset;
    if (!file.positioned || start >= file.size) {
        readFailed(notAvailable);
        return;
    }
    ReadWindow::Bytes in;
    if (!window_->load(file.fd, start, storeLookahead, file.size, in)) {
        ASC.REGEL.clear();
        readFailed(errorCodeForErrno(errno));
        return;
    }
    if (in.bytes.empty() || in.bytes.front() == endMark) {
        ASC.REGEL.clear();
        if (!in.bytes.empty() && start + 1 < file.size) {
            file.followsEndMark = true;
            file.tailOffset = start;
        }
        readFailed(notAvailable);
        return;
    }
    const StoreResult stored = storeLine(in.bytes, ASC.REGEL.data());
    std::int64_t taken = static_cast<std::int64_t>(stored.taken);
    std::size_t contentBytes = stored.end == StoreEnd::Terminated ? stored.taken - 2 : stored.taken;
    std::size_t skippedContent = 0;
    const bool atEnd = stored.taken == in.bytes.size() && in.isLast;
    if (stored.end != StoreEnd::Terminated && !atEnd) {
        for (;;) {
            if (!window_->load(file.fd, start + taken, 2, file.size, in)) {
                ASC.REGEL.clear();
                readFailed(errorCodeForErrno(errno));
                return;
            }
            const SkipResult skipped = skipRestOfLine(in.bytes, in.isLast);
            taken += static_cast<std::int64_t>(skipped.taken);
            skippedContent += skipped.contentBytes;
            if (skipped.done || in.bytes.empty())
                break;
        }
    }
    contentBytes += skippedContent;
    file.cutByTabs = skippedContent > 0 && contentBytes <= recordWidth;
    file.tooLong = contentBytes > recordWidth;
    file.lineBytes = taken;
    file.nextOffset = start + taken;
    file.hasLine = true;
    error_.clear();
}

bool TextFile::peekPlainLine(std::string_view& content, std::size_t& readable) {
    using namespace lineformat;
    if (!file_ || !file_->positioned || file_->nextOffset >= file_->size)
        return false;
    ReadWindow::Bytes in;
    PlainLine line;
    if (!window_->held(file_->nextOffset, storeLookahead, in) ||
        !findPlainLine(in.bytes, in.isLast, line))
        return false;
    file_->peekedBytes = static_cast<std::int64_t>(line.taken);
    content = in.bytes.substr(0, line.contentBytes);
    readable = in.bytes.size();
    return true;
}

void TextFile::skipPeekedLine() {
    if (!file_) {
        error_.post(notOpen);
        return;
    }
    OpenFile& file = *file_;
    file.cutByTabs = false;
    file.tooLong = false;
    file.followsEndMark = false;
    file.lineBytes = file.peekedBytes;
    file.nextOffset += file.peekedBytes;
    file.hasLine = true;
    error_.clear();
}

std::int64_t TextFile::BYTES() {
    if (!file_) {
        error_.post(notOpen);
        return 0;
    }
    error_.clear();
    return file_->hasLine ? file_->lineBytes : file_->size;
}

void TextFile::EMPTY() {
    if (!file_) {
        error_.post(notOpen);
        return;
    }
    if (!file_->exclusive) {
        error_.post(exclusiveRequired);
        return;
    }
    if (!file_->writeAccess) {
        error_.post(accessDenied);
        return;
    }
    OpenFile& file = *file_;
    std::int32_t code = 0;
    if (file.rewrite) {
        code = file.rewrite->restart();
    } else {
        file.rewrite = std::make_unique<Rewrite>(system_, file.fd, file.name, file.opened);
        code = file.rewrite->begin(0);
    }
    if (code != 0) {
        file.rewrite.reset();
        error_.post(accessDenied);
        return;
    }
    file.rewriteFromEmpty = true;
    file.size = 0;
    error_.clear();
}

void TextFile::ADD() {
    if (!file_) {
        error_.post(notOpen);
        return;
    }
    if (!file_->writeAccess) {
        error_.post(accessDenied);
        return;
    }
    OpenFile& file = *file_;
    if (!file.rewrite) {
        // Appending without emptying first: the new content starts as the former one.
        auto rewrite = std::make_unique<Rewrite>(system_, file.fd, file.name, file.opened);
        if (rewrite->begin(file.size) != 0) {
            error_.post(accessDenied);
            return;
        }
        file.rewrite = std::move(rewrite);
    }
    std::size_t written = 0;
    if (file.rewrite->appendRecord(ASC.REGEL.view(), written) != 0) {
        error_.post(accessDenied);
        return;
    }
    file.size += static_cast<std::int64_t>(written);
    file.lineBytes = static_cast<std::int64_t>(written);
    file.hasLine = true;
    error_.clear();
}

void TextFile::CLOSE() {
    if (!file_) {
        error_.post(notOpen);
        return;
    }
    std::int32_t code = 0;
    if (file_->rewrite) {
        if (file_->rewriteFromEmpty && file_->tailOffset >= 0)
            file_->rewrite->keepTailFrom(file_->tailOffset);
        code = file_->rewrite->commit();
        file_->rewrite.reset();
    }
    system_.close(file_->fd);
    file_.reset();
    window_->clear();
    if (code != 0)
        error_.post(code);
    else
        error_.clear();
}

} // namespace fr
