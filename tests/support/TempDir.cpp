#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fr::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fr-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Tests make read-only files and folders; give write access back so all can go.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        if (!it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::create(std::string_view name, std::string_view bytes) const {
    const auto file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string TempDir::readBack(std::string_view name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

CurrentDirectory::CurrentDirectory(const std::filesystem::path& dir)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

CurrentDirectory::~CurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

std::string framed(std::string_view bytes) {
    std::string out = "\n+----\n|";
    for (const char c : bytes) {
        switch (c) {
        case '\r': out += "<CR>"; break;
        case '\n': out += "<LF>\n|"; break;
        case '\t': out += "<TAB>"; break;
        case '\x1a': out += "<^Z>"; break;
        default:
            if (static_cast<unsigned char>(c) < 32) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "<%02X>", static_cast<unsigned char>(c));
                out += hex;
            } else {
                out += c;
            }
        }
    }
    return out + "\n+----\n";
}

} // namespace fr::test
