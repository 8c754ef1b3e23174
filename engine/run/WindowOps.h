#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fr {

/// Field numbers of the main window's controls.
namespace control {
inline constexpr int maskEntry = 3;
inline constexpr int fileCount = 5;
inline constexpr int searchEntry = 7;
inline constexpr int replaceEntry = 9;
inline constexpr int caseCheckBox = 10;
inline constexpr int matchesFound = 13;
inline constexpr int filesFound = 14;
inline constexpr int fileNumber = 15;
inline constexpr int progressText = 16;
inline constexpr int lineNumber = 17;
inline constexpr int okButton = 18;
inline constexpr int cancelButton = 19;
} // namespace control

/// A 4-byte icon or cursor value; FF 01 lo hi names the system's standard image
/// (hi * 256 + lo) - 1, and FF 01 00 00 names none.
using ImageValue = std::array<std::uint8_t, 4>;
inline constexpr ImageValue stopIcon{0xFF, 0x01, 0x02, 0x7F};
inline constexpr ImageValue busyCursor{0xFF, 0x01, 0x03, 0x7F};
inline constexpr ImageValue standardCursor{0xFF, 0x01, 0x00, 0x00};

inline constexpr std::string_view messageCaption = "Find & Replace";

/// The window operations through which the engine shows progress and failures. A range
/// (first, last): last 0 means last = first, a smaller last is swapped with first.
class WindowOps {
public:
    virtual ~WindowOps() = default;

    /// Shows the current value of each control's variable and paints at once.
    virtual void Redisplay(int first, int last = 0) = 0;
    virtual void DisableControls(int first, int last = 0) = 0;
    virtual void EnableControls(int first, int last = 0) = 0;
    /// Moves the focus to the control; an entry gets its whole text selected.
    virtual void SelectControl(int control) = 0;
    /// Gives a label a new text; it shows at the next Redisplay of the control.
    virtual void SetControlText(int control, std::string_view text) = 0;
    virtual void SetWindowCursor(ImageValue cursor) = 0;
    /// Queues a close request, handled like a click on the close box.
    virtual void RequestClose() = 0;
    /// Shows a modal message box with OK and waits until it is closed; returns 1 (OK).
    virtual int ShowMessage(std::string_view text, std::string_view caption, ImageValue icon) = 0;
    /// The platform's simple beep; returns at once.
    virtual void SoundBeep() = 0;
};

struct ControlRange {
    int first;
    int last;
};

/// The range as the operations read it: last 0 is first, a smaller last is swapped.
inline ControlRange normalizedRange(int first, int last) {
    if (last == 0)
        last = first;
    if (last < first)
        return {last, first};
    return {first, last};
}

} // namespace fr
