#include "WindowFixture.h"

#include "engine/filelist/BuildFileList.h"
#include "shell/window/WindowServices.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace fr {

void answerNextModal(std::function<void(QWidget* box)> answer) {
    QMetaObject::invokeMethod(
        qApp,
        [answer] {
            // Events can be processed before the box opens; then wait for the next round.
            if (QWidget* box = QApplication::activeModalWidget())
                answer(box);
            else
                answerNextModal(answer);
        },
        Qt::QueuedConnection);
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}

WindowFixture::WindowFixture(const char* charsetName)
    : charset(charsetName), window(state, charset, [this](WindowOps& ops) {
          ++runs;
          if (run)
              run(ops);
      }) {
    QDir::setCurrent(directory.path());
    window.services().setBeepHook([this] { ++beeps; });
    window.services().setMessageHook([this](const QString& text, const QString& caption) {
        messages << caption + QStringLiteral(": ") + text;
        return 1;
    });
}

WindowFixture::~WindowFixture() {
    QDir::setCurrent(previousDirectory);
}

bool WindowFixture::open() {
    window.open();
    return QTest::qWaitForWindowActive(&window);
}

void WindowFixture::createFile(const QString& name, std::string_view bytes) {
    QFile file(directory.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void WindowFixture::setInputs(std::string_view mask, std::string_view search,
                              std::string_view replace) {
    state.FileMask = mask;
    state.SearchText = search;
    state.ReplaceText = replace;
    BuildFileList(state);
    for (int number :
         {control::maskEntry, control::fileCount, control::searchEntry, control::replaceEntry})
        window.showVariable(number);
}

int WindowFixture::focusedControl() const {
    for (int number = 1; number <= control::cancelButton; ++number)
        if (QWidget* widget = window.control(number);
            widget && widget == QApplication::focusWidget())
            return number;
    return 0;
}

} // namespace fr
