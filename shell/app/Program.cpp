#include "shell/app/Program.h"

#include "engine/run/ProcessFiles.h"
#include "engine/state/ProgramState.h"
#include "engine/textfile/TextFile.h"
#include "shell/app/LogoffGuard.h"
#include "shell/config/EnvironmentFile.h"
#include "shell/resources/ProgramIcon.h"
#include "shell/window/MainWindow.h"

#include <QApplication>
#include <clocale>
#include <memory>

namespace fr {

int runProgram(char* programPath) {
    // The toolkit sees the program's name only: the command line is not read.
    int argumentCount = 1;
    char* arguments[] = {programPath, nullptr};
    std::setlocale(LC_ALL, "");
    QApplication application(argumentCount, arguments);
    const Charset charset = Charset::fromLocale();

    StartupConfig config;
    ProgramState state(config);
    readStartupConfiguration(config, charset);
    // A missing environment file leaves no error code behind.
    state.Error.clear();

    TextFile file(state.Error, state.TextFileName);
    auto window = std::make_unique<MainWindow>(
        state, charset, [&](WindowOps& ops) { ProcessFiles(state, file, ops); });
    window->setWindowIcon(programIcon());
    {
        LogoffGuard logoffGuard(*window);
        window->runUntilClosed();
    }

    window.reset();
    state.FileList.removeAll();
    state.LineBuffer.release();
    return 0;
}

} // namespace fr
