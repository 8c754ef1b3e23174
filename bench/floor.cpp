// The least any safe rewrite must do: for each file, read it, write the new bytes to a
// temporary file beside it, fsync, rename it over the file. With --dirsync, also fsync the
// directory after each rename, which makes the rename itself durable.
//
//   fr_bench_floor [--dirsync] FROM TO FILE...
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool readAll(const char* path, std::string& content) {
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    fstat(fd, &info);
    content.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = read(fd, content.data() + done, content.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    content.resize(done);
    close(fd);
    return true;
}

void replaceAll(const std::string& from, std::string_view to, std::string_view key,
                std::string& out) {
    out.clear();
    std::size_t at = 0;
    for (std::size_t hit; (hit = from.find(key, at)) != std::string::npos; at = hit + key.size())
        out.append(from, at, hit - at).append(to);
    out.append(from, at);
}

bool syncDirectoryOf(const char* path) {
    std::string directory = path;
    const auto slash = directory.rfind('/');
    directory = slash == std::string::npos ? "." : directory.substr(0, slash + 1);
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

bool writeAndRename(const char* path, const std::string& bytes) {
    const std::string temporary = std::string(path) + ".floor-tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written =
        write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    const bool synced = fsync(fd) == 0;
    close(fd);
    return written && synced && rename(temporary.c_str(), path) == 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool dirSync = argc > 1 && std::string_view(argv[1]) == "--dirsync";
    const int first = dirSync ? 2 : 1;
    if (argc < first + 3) {
        std::fprintf(stderr, "usage: %s [--dirsync] FROM TO FILE...\n", argv[0]);
        return 2;
    }
    const char* from = argv[first];
    const char* to = argv[first + 1];
    std::string content, rewritten;
    for (int i = first + 2; i < argc; ++i) {
        if (!readAll(argv[i], content)) {
            std::perror(argv[i]);
            return 1;
        }
        if (content.find(from) == std::string::npos)
            continue;
        replaceAll(content, to, from, rewritten);
        if (!writeAndRename(argv[i], rewritten) || (dirSync && !syncDirectoryOf(argv[i]))) {
            std::perror(argv[i]);
            return 1;
        }
    }
    return 0;
}
