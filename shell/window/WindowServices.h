#pragma once

#include "engine/run/WindowOps.h"
#include "engine/state/StartupConfig.h"
#include "engine/text/Charset.h"
#include "shell/window/RepaintThrottle.h"

#include <QString>
#include <bitset>
#include <functional>
#include <map>
#include <string>

namespace fr {

class MainWindow;

/// The window operations on the main window. While a run holds the event loop, Redisplay
/// lets Qt paint (and nothing else: user input waits) at most every 20 ms, and always before
/// a message box; the run's end paints as the event loop takes over again. Controls take
/// their new values and texts when the window is painted, so a run of many short files or
/// lines pays only for the paints.
class WindowServices : public WindowOps {
public:
    using BeepHook = std::function<void()>;
    using MessageHook = std::function<int(const QString& text, const QString& caption)>;

    WindowServices(MainWindow& window, const Charset& charset, const StartupConfig& config);

    void Redisplay(int first, int last = 0) override;
    void DisableControls(int first, int last = 0) override;
    void EnableControls(int first, int last = 0) override;
    void SelectControl(int control) override;
    void SetControlText(int control, std::string_view text) override;
    void SetWindowCursor(ImageValue cursor) override;
    void RequestClose() override;
    int ShowMessage(std::string_view text, std::string_view caption, ImageValue icon) override;
    void SoundBeep() override;

    /// Shows every value and text left for the next paint, without painting.
    void showPendingValues();

    /// Replaces the sound of a beep; tests count beeps here.
    void setBeepHook(BeepHook hook) { beepHook_ = std::move(hook); }
    /// Replaces the message box; it gets the text and caption as the program passed them.
    void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

private:
    template <typename Action> void forEachControl(int first, int last, Action action);
    void paint(bool forced);
    void showControlText(int number, std::string_view text);

    MainWindow& window_;
    const Charset& charset_;
    const StartupConfig& config_;
    static constexpr int callsPerClockRead = 32;
    RepaintThrottle throttle_;
    unsigned redisplayCalls_ = 0;
    std::bitset<control::cancelButton + 1> pending_;
    std::map<int, std::string> pendingTexts_;
    BeepHook beepHook_;
    MessageHook messageHook_;
};

} // namespace fr
