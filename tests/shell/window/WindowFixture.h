#pragma once

#include "engine/state/ProgramState.h"
#include "engine/text/Charset.h"
#include "shell/window/MainWindow.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <string_view>

namespace fr {

/// Hands the next modal dialog to `answer` once its event loop runs; `answer` closes it.
void answerNextModal(std::function<void(QWidget* box)> answer);

/// Types each character as a key press carrying it, letters outside ASCII included.
void typeText(QWidget* widget, const QString& text);

/// A main window on a fresh program state, in a temporary current directory, with its beeps
/// and messages recorded instead of sounded and shown, and Ok's run replaceable.
class WindowFixture {
public:
    explicit WindowFixture(const char* charsetName = "UTF-8");
    ~WindowFixture();

    /// Opens the window and waits until it is the active window.
    bool open();
    void createFile(const QString& name, std::string_view bytes = "line\r\n");
    /// Sets the variables as if the entries had been accepted, and shows them.
    void setInputs(std::string_view mask, std::string_view search, std::string_view replace);
    /// The field number of the control that has the focus, 0 when none has it.
    int focusedControl() const;
    template <typename Widget> Widget* control(int number) const {
        return qobject_cast<Widget*>(window.control(number));
    }

    StartupConfig config;
    ProgramState state{config};
    Charset charset;
    QTemporaryDir directory;
    QString previousDirectory = QDir::currentPath();
    int beeps = 0;
    int runs = 0;
    QStringList messages;
    /// What a press of Ok runs after the checks; by default nothing beyond counting.
    std::function<void(WindowOps&)> run;
    MainWindow window;
};

} // namespace fr
