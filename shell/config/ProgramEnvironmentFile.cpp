#include "shell/config/ProgramEnvironmentFile.h"

#include "shell/config/EnvironmentFile.h"
#include "shell/config/EnvironmentKeys.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fr {
namespace {

std::optional<std::string> readPrefix(const std::filesystem::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

std::filesystem::path findEnvironmentFile(const std::filesystem::path& programPath) {
    const std::string wanted = programPath.filename().replace_extension("ENV").string();
    const std::filesystem::path folder =
        programPath.has_parent_path() ? programPath.parent_path() : std::filesystem::path(".");
    std::error_code error;
    std::vector<std::string> matches;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (sameIgnoringCase(name, wanted) && it->is_regular_file(typeError))
            matches.push_back(name);
    }
    if (matches.empty())
        return {};
    if (std::ranges::find(matches, wanted) == matches.end())
        return folder / std::ranges::min(matches);
    return folder / wanted;
}

bool readEnvironmentFileOf(const std::filesystem::path& programPath, StartupConfig& config,
                           const Charset& charset) {
    const auto file = findEnvironmentFile(programPath);
    if (file.empty())
        return false;
    const auto bytes = readPrefix(file, maxEnvironmentFileSize);
    if (!bytes)
        return false;
    applyEnvironmentFile(*bytes, charset, config);
    return true;
}

void readStartupConfiguration(StartupConfig& config, const Charset& charset) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        readEnvironmentFileOf(program, config, charset);
}

} // namespace fr
