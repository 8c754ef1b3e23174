#include "shell/window/WindowServices.h"

#include "shell/message/MessageBox.h"
#include "shell/window/MainWindow.h"
#include "shell/window/ProgramText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace fr {
namespace {

constexpr int lastControl = control::cancelButton;

} // namespace

WindowServices::WindowServices(MainWindow& window, const Charset& charset,
                               const StartupConfig& config)
    : window_(window), charset_(charset), config_(config) {}

template <typename Action> void WindowServices::forEachControl(int first, int last, Action action) {
    const ControlRange range =
        first == 0 ? ControlRange{1, lastControl} : normalizedRange(first, last);
    for (int number = range.first; number <= range.last; ++number)
        if (QWidget* widget = window_.control(number))
            action(number, widget);
}

void WindowServices::Redisplay(int first, int last) {
    const ControlRange range =
        first == 0 ? ControlRange{1, lastControl} : normalizedRange(first, last);
    for (int number = std::max(range.first, 1); number <= std::min(range.last, lastControl);
         ++number)
        pending_.set(static_cast<std::size_t>(number));
    // A run calls this for every line, and reading the clock costs more than the rest of
    // the call, so the throttle is asked only every few calls.
    if (redisplayCalls_++ % callsPerClockRead == 0)
        paint(false);
}

void WindowServices::paint(bool forced) {
    if (!throttle_.due(RepaintThrottle::Clock::now(), forced))
        return;
    showPendingValues();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowServices::showPendingValues() {
    for (const auto& [number, text] : pendingTexts_)
        showControlText(number, text);
    pendingTexts_.clear();
    for (std::size_t number = 0; number < pending_.size(); ++number)
        if (pending_.test(number))
            window_.showVariable(static_cast<int>(number));
    pending_.reset();
}

void WindowServices::DisableControls(int first, int last) {
    forEachControl(first, last, [](int, QWidget* widget) { widget->setEnabled(false); });
}

void WindowServices::EnableControls(int first, int last) {
    forEachControl(first, last, [](int, QWidget* widget) { widget->setEnabled(true); });
}

void WindowServices::SelectControl(int number) {
    QWidget* target = window_.control(number);
    if (target == nullptr)
        return;
    // A control that cannot take the focus passes it on in Tab order.
    QWidget* candidate = target;
    while (!(candidate->isEnabled() && candidate->focusPolicy() & Qt::TabFocus)) {
        candidate = candidate->nextInFocusChain();
        if (candidate == target)
            return;
    }
    candidate->setFocus(Qt::OtherFocusReason);
    if (auto* entry = qobject_cast<QLineEdit*>(candidate))
        entry->selectAll();
}

void WindowServices::SetControlText(int number, std::string_view text) {
    pendingTexts_[number].assign(text);
}

void WindowServices::showControlText(int number, std::string_view text) {
    QWidget* widget = window_.control(number);
    const QString shown = toQString(charset_, text);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(shown);
        label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    } else if (auto* entry = qobject_cast<QLineEdit*>(widget)) {
        entry->setText(shown);
    }
}

void WindowServices::SetWindowCursor(ImageValue cursor) {
    if (cursor == busyCursor)
        window_.setCursor(Qt::WaitCursor);
    else
        window_.unsetCursor();
}

void WindowServices::RequestClose() {
    QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
}

int WindowServices::ShowMessage(std::string_view text, std::string_view caption, ImageValue) {
    paint(true);
    const QString shownText = toQString(charset_, text);
    const QString shownCaption = toQString(charset_, caption);
    if (messageHook_)
        return messageHook_(shownText, shownCaption);
    return showMessage(&window_, shownText, shownCaption,
                       toQString(charset_, config_.buttonCaptions[0]));
}

void WindowServices::SoundBeep() {
    if (beepHook_)
        beepHook_();
    else
        QApplication::beep();
}

} // namespace fr
