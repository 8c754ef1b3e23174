// Times the run over a directory with the real window services (the main window shown)
// against the same run without a window, in one process, and prints the ratio.
//
//   fr_bench_window DIR MASK SEARCH REPLACE [i] [REPS]
//
// With a REPLACE the runs alternate between SEARCH -> REPLACE and back, so that every run does
// the same work. Run it with QT_QPA_PLATFORM=offscreen or under an X server.
#include "engine/filelist/BuildFileList.h"
#include "engine/run/NullWindow.h"
#include "engine/run/ProcessFiles.h"
#include "engine/state/ProgramState.h"
#include "engine/textfile/TextFile.h"
#include "shell/window/MainWindow.h"
#include "shell/window/WindowServices.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct Options {
    const char* dir;
    const char* mask;
    std::string search;
    std::string replace;
    bool ignoreCase = false;
    int reps = 5;
};

bool parse(int argc, char** argv, Options& options) {
    if (argc < 5 || argc > 7)
        return false;
    options.dir = argv[1];
    options.mask = argv[2];
    options.search = argv[3];
    options.replace = argv[4];
    for (int i = 5; i < argc; ++i) {
        if (std::string_view(argv[i]) == "i")
            options.ignoreCase = true;
        else if ((options.reps = std::atoi(argv[i])) <= 0)
            return false;
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// One run with `window`; returns its milliseconds. A replacing run swaps the two texts.
double timedRun(fr::ProgramState& state, Options& options, fr::WindowOps& window) {
    state.SearchText = options.search;
    state.ReplaceText = options.replace;
    state.IgnoreCase = options.ignoreCase;
    fr::TextFile file(state.Error, state.TextFileName);
    const auto start = std::chrono::steady_clock::now();
    fr::ProcessFiles(state, file, window);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!options.replace.empty())
        std::swap(options.search, options.replace);
    return elapsed.count();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s DIR MASK SEARCH REPLACE [i] [REPS]\n", argv[0]);
        return 2;
    }
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    if (chdir(options.dir) != 0) {
        std::perror(options.dir);
        return 1;
    }
    const fr::Charset charset = fr::Charset::fromLocale();
    const fr::StartupConfig config;
    fr::ProgramState state(config);
    state.FileMask = options.mask;
    fr::BuildFileList(state);
    if (state.FileCount == 0 || options.search.empty()) {
        std::fprintf(stderr, "no files or no search text\n");
        return 1;
    }

    fr::MainWindow window(state, charset, [](fr::WindowOps&) {});
    window.open();
    QApplication::processEvents();
    fr::NullWindow headless;

    std::vector<double> withWindow;
    std::vector<double> without;
    for (int rep = 0; rep < options.reps; ++rep) {
        // Each pair runs in both orders over the reps, so that neither side always comes second.
        const bool windowFirst = rep % 2 == 0;
        without.push_back(0);
        withWindow.push_back(0);
        for (int side = 0; side < 2; ++side) {
            if ((side == 0) == windowFirst)
                withWindow.back() = timedRun(state, options, window.services());
            else
                without.back() = timedRun(state, options, headless);
        }
    }
    const double windowMs = median(withWindow);
    const double headlessMs = median(without);
    std::printf("files %d, matches per run %d, median of %d runs\n", state.FileCount,
                state.MatchesFound / (2 * options.reps), options.reps);
    std::printf("  window    %10.1f ms\n  headless  %10.1f ms\n  window / headless = %.3f\n",
                windowMs, headlessMs, windowMs / headlessMs);
    return 0;
}
