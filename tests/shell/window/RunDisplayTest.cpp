#include "WindowFixture.h"
#include "engine/run/ProcessFiles.h"
#include "engine/textfile/TextFile.h"
#include "shell/window/WindowServices.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace fr;

namespace {

QByteArray readBack(const WindowFixture& f, const QString& name) {
    QFile file(f.directory.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

/// Ok with the real run over real files, as the user sees it afterwards.
class RunDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        file = std::make_unique<TextFile>(f->state.Error, f->state.TextFileName);
        f->run = [this](WindowOps& ops) { ProcessFiles(f->state, *file, ops); };
        f->createFile(QStringLiteral("A.TXT"), "foo bar\r\nfoo\r\n");
        f->createFile(QStringLiteral("B.TXT"), "nothing\r\n");
        QVERIFY(f->open());
    }
    void cleanup() {
        f.reset();
        file.reset();
    }

    void theWindowAfterARun_data() {
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QByteArray>("fileA");
        QTest::addRow("replace") << "baz" << QByteArray("baz bar\r\nbaz\r\n");
        QTest::addRow("search only") << "" << QByteArray("foo bar\r\nfoo\r\n");
    }
    void theWindowAfterARun() {
        QFETCH(QString, replace);
        QFETCH(QByteArray, fileA);
        f->setInputs("*.TXT", "foo", replace.toStdString());
        QTest::mouseClick(f->control<QPushButton>(control::okButton), Qt::LeftButton);

        QCOMPARE(readBack(*f, QStringLiteral("A.TXT")), fileA);
        QCOMPARE(readBack(*f, QStringLiteral("B.TXT")), QByteArray("nothing\r\n"));
        QCOMPARE(f->control<QLabel>(control::matchesFound)->text(), QStringLiteral("      2"));
        QCOMPARE(f->control<QLabel>(control::filesFound)->text(), QStringLiteral("   1"));
        QCOMPARE(f->control<QLabel>(control::fileNumber)->text(), QStringLiteral("    "));
        QCOMPARE(f->control<QLabel>(control::lineNumber)->text(), QStringLiteral("      "));
        QCOMPARE(f->control<QLabel>(control::progressText)->text(), QString());
        QCOMPARE(f->control<QLineEdit>(control::replaceEntry)->text(), replace);
        QVERIFY(f->control<QPushButton>(control::okButton)->isEnabled());
        QVERIFY(f->control<QPushButton>(control::cancelButton)->isEnabled());
        QCOMPARE(f->window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f->focusedControl(), control::maskEntry);
        QCOMPARE(f->control<QLineEdit>(control::maskEntry)->selectedText(),
                 QStringLiteral("*.TXT"));
        QCOMPARE(f->messages, QStringList());
    }

    void aVanishedFileIsReportedAndTheRunGoesOn() {
        f->setInputs("*.TXT", "foo", "baz");
        QVERIFY(QFile::remove(f->directory.filePath(QStringLiteral("B.TXT"))));
        QTest::mouseClick(f->control<QPushButton>(control::okButton), Qt::LeftButton);
        QCOMPARE(f->messages.size(), 1);
        QVERIFY(f->messages.first().startsWith(QStringLiteral(
            "Find & Replace: An error occurred while opening: B.TXT        |Error: (2) ")));
        QCOMPARE(readBack(*f, QStringLiteral("A.TXT")), QByteArray("baz bar\r\nbaz\r\n"));
    }

private:
    std::unique_ptr<WindowFixture> f;
    std::unique_ptr<TextFile> file;
};

QTEST_MAIN(RunDisplayTest)
#include "RunDisplayTest.moc"
