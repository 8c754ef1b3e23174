#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fr::test {

/// A fresh directory under the system's temporary folder, removed with everything in it
/// when the object goes. While it lives it can also be made the current directory.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    /// Writes `bytes` to the file `name` (relative to the directory), creating folders.
    void create(std::string_view name, std::string_view bytes) const;
    /// The whole content of the file `name`.
    std::string readBack(std::string_view name) const;

private:
    std::filesystem::path path_;
};

/// Makes `dir` the current directory until the object goes.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& dir);
    ~CurrentDirectory();
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

/// Bytes shown as a framed block with CR, LF, tab, Ctrl-Z and other control bytes spelled
/// out, so that a failed comparison shows exactly what differs.
std::string framed(std::string_view bytes);

} // namespace fr::test
