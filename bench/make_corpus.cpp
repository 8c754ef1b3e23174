// Writes a deterministic CR LF corpus for the benchmarks.
//
//   fr_bench_corpus text DIR FILES BYTES   FILES files f00001.txt ... of about BYTES each
//   fr_bench_corpus names DIR COUNT        COUNT empty files, most of them matching *.TXT
//
// Text lines hold 0 to 200 characters of words; one in ten starts with a tab, about one in
// twenty holds the word "needle", a quarter of those in mixed case.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view words[] = {"alpha",  "brown",  "cedar",  "delta",  "ember",  "fjord",
                                      "grain",  "harbor", "island", "jungle", "kettle", "lantern",
                                      "meadow", "north",  "orbit",  "pepper", "quartz", "river",
                                      "summit", "timber", "umbra",  "valley", "willow", "xenon",
                                      "yonder", "zephyr", "a",      "of",     "to",     "in"};
constexpr std::string_view mixedCase[] = {"Needle", "NEEDLE", "neeDLE", "nEeDlE"};

std::string makeLine(std::mt19937& random) {
    std::string line;
    if (random() % 10 == 0)
        line += '\t';
    const std::size_t length = random() % 201;
    const bool withWord = random() % 20 == 0;
    const std::size_t wordAt = withWord ? random() % (length + 1) : 0;
    bool placed = !withWord;
    while (line.size() < length) {
        if (!placed && line.size() >= wordAt) {
            line += random() % 4 == 0 ? mixedCase[random() % 4] : "needle";
            placed = true;
        } else {
            line += words[random() % std::size(words)];
        }
        line += ' ';
    }
    if (!placed)
        line += random() % 4 == 0 ? mixedCase[random() % 4] : "needle";
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (line.size() > 200)
        line.resize(200);
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line + "\r\n";
}

std::string fileName(std::size_t n, std::string_view extension) {
    char name[32];
    std::snprintf(name, sizeof name, "f%06zu.%s", n, extension.data());
    return name;
}

int writeText(const std::filesystem::path& dir, std::size_t files, std::size_t bytes) {
    std::mt19937 random(12345);
    for (std::size_t n = 1; n <= files; ++n) {
        std::string content;
        while (content.size() < bytes)
            content += makeLine(random);
        std::ofstream(dir / fileName(n, "txt"), std::ios::binary) << content;
    }
    return 0;
}

int writeNames(const std::filesystem::path& dir, std::size_t count) {
    constexpr std::string_view extensions[] = {"txt", "TXT", "Txt", "txt", "txt", "txt", "dat"};
    for (std::size_t n = 1; n <= count; ++n)
        std::ofstream(dir / fileName(n, extensions[n % std::size(extensions)]));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if ((mode == "text" && argc == 5) || (mode == "names" && argc == 4)) {
        const std::filesystem::path dir = argv[2];
        std::filesystem::create_directories(dir);
        if (mode == "text")
            return writeText(dir, std::strtoul(argv[3], nullptr, 10),
                             std::strtoul(argv[4], nullptr, 10));
        return writeNames(dir, std::strtoul(argv[3], nullptr, 10));
    }
    std::fprintf(stderr, "usage: %s text DIR FILES BYTES | names DIR COUNT\n", argv[0]);
    return 2;
}
