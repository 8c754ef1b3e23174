#pragma once

#include "engine/run/WindowOps.h"

namespace fr {

/// Window operations that do nothing, for running the engine without a window.
class NullWindow final : public WindowOps {
public:
    void Redisplay(int, int) override {}
    void DisableControls(int, int) override {}
    void EnableControls(int, int) override {}
    void SelectControl(int) override {}
    void SetControlText(int, std::string_view) override {}
    void SetWindowCursor(ImageValue) override {}
    void RequestClose() override {}
    int ShowMessage(std::string_view, std::string_view, ImageValue) override { return 1; }
    void SoundBeep() override {}
};

} // namespace fr
