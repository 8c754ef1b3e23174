// Runs the engine without a window over a directory, for timing.
//
//   fr_bench_run DIR MASK SEARCH REPLACE [i]   list, then run ("" as REPLACE: search only;
//                                              "i": ignore case)
//   fr_bench_run --list DIR MASK              only list; prints the number of entries
#include "engine/filelist/BuildFileList.h"
#include "engine/run/NullWindow.h"
#include "engine/run/ProcessFiles.h"
#include "engine/state/ProgramState.h"
#include "engine/textfile/TextFile.h"

#include <cstdio>
#include <string_view>
#include <unistd.h>

namespace {

bool enterDirectory(const char* dir) {
    if (chdir(dir) == 0)
        return true;
    std::perror(dir);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const fr::StartupConfig config;
    fr::ProgramState state(config);
    if (argc == 4 && std::string_view(argv[1]) == "--list") {
        if (!enterDirectory(argv[2]))
            return 1;
        state.FileMask = argv[3];
        fr::BuildFileList(state);
        std::printf("%d\n", state.FileCount);
        return 0;
    }
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s DIR MASK SEARCH REPLACE [i] | --list DIR MASK\n", argv[0]);
        return 2;
    }
    if (!enterDirectory(argv[1]))
        return 1;
    state.FileMask = argv[2];
    fr::BuildFileList(state);
    state.SearchText = argv[3];
    state.ReplaceText = argv[4];
    state.IgnoreCase = argc == 6 && std::string_view(argv[5]) == "i";
    if (state.FileCount == 0 || state.SearchText.isBlank()) {
        std::fprintf(stderr, "no files or no search text\n");
        return 1;
    }
    fr::NullWindow window;
    fr::TextFile file(state.Error, state.TextFileName);
    fr::ProcessFiles(state, file, window);
    std::printf("%d matches in %d files\n", state.MatchesFound, state.FilesFound);
    return 0;
}
