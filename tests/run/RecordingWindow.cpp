#include "tests/run/RecordingWindow.h"

#include <cstdio>

namespace fr::test {

namespace {

std::string range(int first, int last) {
    return last == 0 ? std::to_string(first) : std::to_string(first) + " " + std::to_string(last);
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string imageName(ImageValue image) {
    if (image == busyCursor)
        return "busy";
    if (image == standardCursor)
        return "standard";
    if (image == stopIcon)
        return "stop";
    char hex[16];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X%02X", image[0], image[1], image[2], image[3]);
    return hex;
}

std::string_view withoutTrailingSpaces(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

} // namespace

void RecordingWindow::line(const std::string& text) {
    record_ += text + "\n";
}

std::string RecordingWindow::shownValues(int first, int last) const {
    const ProgramState& state = *options_.state;
    const ControlRange controls = normalizedRange(first, last);
    std::string values;
    auto show = [&](int number, const std::string& value) {
        if (number >= controls.first && number <= controls.last)
            values += (values.empty() ? "" : ", ") + value;
    };
    show(control::replaceEntry, "ReplaceText " + quoted(state.ReplaceText.clipped()));
    show(control::matchesFound, "MatchesFound " + std::to_string(state.MatchesFound));
    show(control::filesFound, "FilesFound " + std::to_string(state.FilesFound));
    show(control::fileNumber, "FileNo " + std::to_string(state.FileNo));
    show(control::lineNumber, "LineNo " + std::to_string(state.LineNo));
    return values.empty() ? "" : " [" + values + "]";
}

void RecordingWindow::Redisplay(int first, int last) {
    if (!options_.redisplay)
        return;
    line("Redisplay " + range(first, last) + (options_.state ? shownValues(first, last) : ""));
}

void RecordingWindow::DisableControls(int first, int last) {
    line("DisableControls " + range(first, last));
}

void RecordingWindow::EnableControls(int first, int last) {
    line("EnableControls " + range(first, last));
}

void RecordingWindow::SelectControl(int control) {
    line("SelectControl " + std::to_string(control));
}

void RecordingWindow::SetControlText(int control, std::string_view text) {
    line("SetControlText " + std::to_string(control) + " " + quoted(text));
}

void RecordingWindow::SetWindowCursor(ImageValue cursor) {
    line("SetWindowCursor " + imageName(cursor));
}

void RecordingWindow::RequestClose() {
    line("RequestClose");
}

int RecordingWindow::ShowMessage(std::string_view text, std::string_view caption, ImageValue icon) {
    std::string entry = "ShowMessage " + quoted(withoutTrailingSpaces(text));
    if (caption != messageCaption || icon != stopIcon)
        entry += " " + quoted(caption) + " " + imageName(icon);
    line(entry);
    return 1;
}

void RecordingWindow::SoundBeep() {
    line("SoundBeep");
}

} // namespace fr::test
