// Any bytes as an environment file: no crash, and the collating order stays a permutation.
#include "shell/config/EnvironmentFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "environment file: %s\n", what);
        std::abort();
    }
}

void check(const fr::StartupConfig& config) {
    auto ranks = config.collation.rank;
    std::ranges::sort(ranks);
    require(ranks == fr::Collation::identityRanks(), "ranks are not a permutation of 0-255");
    require(config.collation.digraphs.size() <= fr::Collation::maxDigraphs, "too many digraphs");
    for (int c = 0; c < 0x80; ++c)
        require(config.caseTable.classOf(static_cast<std::uint8_t>(c)) ==
                    fr::CaseTable().classOf(static_cast<std::uint8_t>(c)),
                "a character below 80h changed its class");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fr::Charset charsets[] = {fr::Charset("CP1252"), fr::Charset("UTF-8")};
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const fr::Charset& charset : charsets) {
        fr::StartupConfig config;
        fr::applyEnvironmentFile(bytes, charset, config);
        check(config);
    }
    return 0;
}
