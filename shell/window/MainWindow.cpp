#include "shell/window/MainWindow.h"

#include "engine/filelist/BuildFileList.h"
#include "shell/window/DialogUnits.h"
#include "shell/window/NumberFormat.h"
#include "shell/window/TextEntry.h"
#include "shell/window/WindowServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace fr {
namespace {

const QColor blue(0, 0, 255);
const QColor green(0, 128, 0);

struct NumberBinding {
    std::int32_t ProgramState::*variable;
    const char* format;
};

const std::map<int, NumberBinding>& numberBindings() {
    static const std::map<int, NumberBinding> bindings{
        {control::fileCount, {&ProgramState::FileCount, "n4"}},
        {control::matchesFound, {&ProgramState::MatchesFound, "n7"}},
        {control::filesFound, {&ProgramState::FilesFound, "n4"}},
        {control::fileNumber, {&ProgramState::FileNo, "n4b"}},
        {control::lineNumber, {&ProgramState::LineNo, "n6b"}},
    };
    return bindings;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(ProgramState& state, const Charset& charset, Run run)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      state_(state), charset_(charset), run_(std::move(run)),
      services_(std::make_unique<WindowServices>(*this, charset, state.config)) {
    setWindowTitle(QStringLiteral("Find & Replace"));
    createControls();
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
}

MainWindow::~MainWindow() {
    // Destroying the controls moves the focus; that must not reach a half-destroyed window.
    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
}

void MainWindow::createControls() {
    const DialogUnits units(font());
    setFixedSize(units.toPixelsX(230), units.toPixelsY(124));

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(units.toPixels(5, 6, 220, 95));
    controls_[1] = panel;

    QLabel* maskPrompt = addLabel(2, QStringLiteral("&File (-mask):"), 14, 15);
    maskEntry_ = addEntry(control::maskEntry, FixedText<13>::width, 64, 15, 60);
    maskPrompt->setBuddy(maskEntry_);
    addLabel(4, QStringLiteral("Nr of files:"), 155, 15);
    addNumberDisplay(control::fileCount, 194, 15, blue);
    QLabel* searchPrompt = addLabel(6, QStringLiteral("&Search for:"), 14, 29);
    searchEntry_ = addEntry(control::searchEntry, FixedText<64>::width, 64, 29, 150);
    searchPrompt->setBuddy(searchEntry_);
    QLabel* replacePrompt = addLabel(8, QStringLiteral("&Replace with:"), 14, 43);
    replaceEntry_ = addEntry(control::replaceEntry, FixedText<64>::width, 64, 43, 150);
    replacePrompt->setBuddy(replaceEntry_);

    caseBox_ = new QCheckBox(QStringLiteral(" NOT case sensitive"), this);
    caseBox_->move(units.toPixelsX(64), units.toPixelsY(57));
    caseBox_->adjustSize();
    controls_[control::caseCheckBox] = caseBox_;
    connect(caseBox_, &QCheckBox::toggled, this, [this](bool checked) {
        state_.IgnoreCase = checked ? 1 : 0;
        updateNumberDisplays();
    });

    addLabel(11, QStringLiteral("Matches found:"), 14, 72);
    addLabel(12, QStringLiteral("Files found:"), 155, 72);
    addNumberDisplay(control::matchesFound, 64, 72, blue);
    addNumberDisplay(control::filesFound, 194, 72, blue);
    addNumberDisplay(control::fileNumber, 14, 84, green);
    setTextColour(addLabel(control::progressText, QString(), 64, 84), green);
    addNumberDisplay(control::lineNumber, 188, 84, green);

    okButton_ = addButton(control::okButton, QStringLiteral("&Ok"), 58);
    okButton_->setDefault(true);
    cancelButton_ = addButton(control::cancelButton, QStringLiteral("&Cancel"), 126);
    connect(okButton_, &QPushButton::clicked, this, &MainWindow::onOk);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { services_->RequestClose(); });

    panel->lower();
    for (int number : {3, 5, 7, 9, 10, 13, 14, 15, 17})
        showVariable(number);
}

TextEntry* MainWindow::addEntry(int number, std::size_t byteWidth, int x, int y, int width) {
    const DialogUnits units(font());
    const QRect area = units.toPixels(x, y, width, 10);

    // The sunken border lies just outside the entry's rectangle.
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setLineWidth(2);
    border->setGeometry(area.adjusted(-2, -2, 2, 2));

    auto* entry = new TextEntry(charset_, byteWidth, this);
    entry->setFrame(false);
    entry->setGeometry(area);
    controls_[number] = entry;
    connect(entry, &TextEntry::refused, this, [this] { services_->SoundBeep(); });
    return entry;
}

QLabel* MainWindow::addLabel(int number, const QString& text, int x, int y) {
    const DialogUnits units(font());
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->move(units.toPixelsX(x), units.toPixelsY(y));
    label->adjustSize();
    controls_[number] = label;
    return label;
}

QLabel* MainWindow::addNumberDisplay(int number, int x, int y, const QColor& colour) {
    QLabel* display = addLabel(number, QString(), x, y);
    setTextColour(display, colour);
    return display;
}

QPushButton* MainWindow::addButton(int number, const QString& text, int x) {
    const DialogUnits units(font());
    auto* button = new QPushButton(text, this);
    button->setGeometry(units.toPixels(x, 106, 45, 14));
    button->setAutoDefault(true);
    controls_[number] = button;
    return button;
}

QWidget* MainWindow::control(int number) const {
    const auto found = controls_.find(number);
    return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::showVariable(int number) {
    if (number == control::maskEntry)
        maskEntry_->showValue(state_.FileMask.clipped());
    else if (number == control::searchEntry)
        searchEntry_->showValue(state_.SearchText.clipped());
    else if (number == control::replaceEntry)
        replaceEntry_->showValue(state_.ReplaceText.clipped());
    else if (number == control::caseCheckBox)
        caseBox_->setChecked(state_.IgnoreCase != 0);
    else if (const auto binding = numberBindings().find(number);
             binding != numberBindings().end()) {
        auto* display = static_cast<QLabel*>(control(number));
        const std::string text =
            formatNumber(state_.*binding->second.variable, binding->second.format);
        display->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        display->adjustSize();
    } else if (QWidget* widget = control(number))
        widget->update();
}

void MainWindow::updateNumberDisplays() {
    for (const auto& binding : numberBindings())
        showVariable(binding.first);
}

void MainWindow::open() {
    closing_ = false;
    state_.IgnoreCase = 1;
    showVariable(control::caseCheckBox);
    centreOnScreen();
    show();
    raise();
    activateWindow();
    maskEntry_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::runUntilClosed() {
    QEventLoop loop;
    connect(this, &MainWindow::closed, &loop, &QEventLoop::quit);
    open();
    loop.exec();
    state_.LineBuffer.removeAll();
}

void MainWindow::centreOnScreen() {
    const QRect screenArea = screen()->availableGeometry();
    QPoint topLeft = screenArea.center() - QPoint(width() / 2, height() / 2);
    if (width() > screenArea.width() || height() > screenArea.height())
        topLeft = screenArea.topLeft();
    move(topLeft);
}

void MainWindow::onFocusChanged(QWidget* old, QWidget* now) {
    // Only a move of the focus within this window accepts an entry: not its closing, not a
    // switch to another window.
    if (closing_ || old == nullptr || now == nullptr || now->window() != this)
        return;
    for (int number : {control::maskEntry, control::searchEntry, control::replaceEntry}) {
        auto* entry = static_cast<TextEntry*>(control(number));
        if (old == entry && entry->isModified())
            acceptEntry(number);
    }
}

void MainWindow::acceptEntry(int number) {
    auto* entry = static_cast<TextEntry*>(control(number));
    const std::string typed = entry->bytes();
    if (number == control::maskEntry)
        state_.FileMask = typed;
    else if (number == control::searchEntry)
        state_.SearchText = typed;
    else
        state_.ReplaceText = typed;
    entry->showValue(typed);
    state_.MatchesFound = 0;
    state_.FilesFound = 0;
    if (number == control::maskEntry) {
        BuildFileList(state_);
        if (state_.FileCount == 0) {
            services_->SoundBeep();
            services_->SelectControl(control::maskEntry);
        }
    }
    updateNumberDisplays();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressDefaultButton();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MainWindow::pressDefaultButton() {
    if (okButton_->isEnabled())
        okButton_->click();
}

bool MainWindow::inputsRefused() {
    const auto refuse = [this](int focusTo) {
        services_->SoundBeep();
        services_->SelectControl(focusTo);
        return true;
    };
    if (state_.FileCount == 0)
        return refuse(control::maskEntry);
    if (state_.SearchText.isBlank())
        return refuse(control::searchEntry);
    const CaseTable& caseTable = state_.config.caseTable;
    if (caseTable.upperCased(state_.SearchText.view()) ==
        caseTable.upperCased(state_.ReplaceText.view()))
        return refuse(control::replaceEntry);
    return false;
}

void MainWindow::onOk() {
    if (running_)
        return;
    // A changed entry is accepted before the button's press is handled.
    okButton_->setFocus(Qt::OtherFocusReason);
    if (!inputsRefused()) {
        running_ = true;
        run_(*services_);
        running_ = false;
        services_->showPendingValues();
        services_->SelectControl(control::maskEntry);
    }
    updateNumberDisplays();
    if (closeHeld_) {
        closeHeld_ = false;
        close();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        closeHeld_ = true;
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
    emit closed();
}

} // namespace fr
