#pragma once

#include "engine/run/WindowOps.h"
#include "engine/state/ProgramState.h"

#include <string>

namespace fr::test {

/// Window operations that write every call out as one line of text, such as
/// `SetControlText 16 "Reading: a.txt        "` or `Redisplay 15 17`.
class RecordingWindow final : public WindowOps {
public:
    struct Options {
        /// Leave Redisplay calls out of the record.
        bool redisplay = true;
        /// When set, a Redisplay line also shows the values the controls would show:
        /// `Redisplay 13 [MatchesFound 2]`.
        const ProgramState* state = nullptr;
    };

    RecordingWindow() = default;
    explicit RecordingWindow(Options options) : options_(options) {}

    /// Every call so far, one line each, each ending in a line feed.
    const std::string& record() const { return record_; }

    void Redisplay(int first, int last) override;
    void DisableControls(int first, int last) override;
    void EnableControls(int first, int last) override;
    void SelectControl(int control) override;
    void SetControlText(int control, std::string_view text) override;
    void SetWindowCursor(ImageValue cursor) override;
    void RequestClose() override;
    /// Records the text as the box shows it, without trailing spaces; the caption and icon
    /// only when they are not the program's own.
    int ShowMessage(std::string_view text, std::string_view caption, ImageValue icon) override;
    void SoundBeep() override;

private:
    void line(const std::string& text);
    std::string shownValues(int first, int last) const;

    Options options_;
    std::string record_;
};

} // namespace fr::test
