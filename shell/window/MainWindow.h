#pragma once

#include "engine/run/WindowOps.h"
#include "engine/state/ProgramState.h"
#include "engine/text/Charset.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace fr {

class TextEntry;
class WindowServices;

/// The program's one window: the mask, search and replacement entries, the case check box,
/// the counters and the progress display, bound to the variables of the program state.
/// Controls are named by their field numbers (see WindowOps.h).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    /// What Ok starts once the inputs have passed the window's checks.
    using Run = std::function<void(WindowOps&)>;

    MainWindow(ProgramState& state, const Charset& charset, Run run);
    ~MainWindow() override;

    /// Sets IgnoreCase to 1 and shows the window centred on the screen, in front, with the
    /// focus in the mask entry.
    void open();
    /// open(), then handles the window's events until it has been closed; then empties
    /// LineBuffer.
    void runUntilClosed();

    WindowServices& services() { return *services_; }
    /// The control with this field number, or nullptr.
    QWidget* control(int number) const;
    /// Shows the current value of the control's variable; controls without one repaint.
    void showVariable(int number);
    bool isRunning() const { return running_; }

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    TextEntry* addEntry(int number, std::size_t byteWidth, int x, int y, int width);
    QLabel* addLabel(int number, const QString& text, int x, int y);
    QLabel* addNumberDisplay(int number, int x, int y, const QColor& colour);
    QPushButton* addButton(int number, const QString& text, int x);

    void onFocusChanged(QWidget* old, QWidget* now);
    void acceptEntry(int number);
    void pressDefaultButton();
    void onOk();
    bool inputsRefused();
    void updateNumberDisplays();
    void centreOnScreen();

    ProgramState& state_;
    const Charset& charset_;
    Run run_;
    std::unique_ptr<WindowServices> services_;
    std::map<int, QWidget*> controls_;
    TextEntry* maskEntry_ = nullptr;
    TextEntry* searchEntry_ = nullptr;
    TextEntry* replaceEntry_ = nullptr;
    QCheckBox* caseBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool running_ = false;
    bool closeHeld_ = false;
    bool closing_ = false;
};

} // namespace fr
