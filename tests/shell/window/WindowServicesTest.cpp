#include "shell/window/WindowServices.h"

#include "WindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace fr;

class WindowServicesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->open());
    }
    void cleanup() { f.reset(); }

    void redisplayShowsTheControlsOfItsRange_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<int>>("shown");
        const QList<int> counters{control::matchesFound, control::filesFound, control::fileNumber,
                                  control::lineNumber};
        QTest::addRow("one control") << 13 << 0 << QList<int>{control::matchesFound};
        QTest::addRow("a range") << 13 << 17 << counters;
        QTest::addRow("a reversed range") << 17 << 13 << counters;
        QTest::addRow("every control") << 0 << 0 << counters;
    }
    void redisplayShowsTheControlsOfItsRange() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QList<int>, shown);
        f->state.MatchesFound = 1000000;
        f->state.FilesFound = 12;
        f->state.FileNo = 3;
        f->state.LineNo = 100000;
        const QMap<int, QString> expected{{control::matchesFound, QStringLiteral("1000000")},
                                          {control::filesFound, QStringLiteral("  12")},
                                          {control::fileNumber, QStringLiteral("   3")},
                                          {control::lineNumber, QStringLiteral("100000")}};
        f->window.services().Redisplay(first, last);
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            const QString text = f->control<QLabel>(it.key())->text();
            QCOMPARE(text == it.value(), shown.contains(it.key()));
        }
    }

    void redisplayShowsTheEntriesClipped() {
        f->state.ReplaceText = "-= Searching only : No replace =-";
        f->window.services().Redisplay(control::replaceEntry);
        QCOMPARE(f->control<QLineEdit>(control::replaceEntry)->text(),
                 QStringLiteral("-= Searching only : No replace =-"));
    }

    void aFullNumberShowsNumberSigns() {
        f->state.FileCount = 10000;
        f->window.services().Redisplay(control::fileCount);
        QCOMPARE(f->control<QLabel>(control::fileCount)->text(), QStringLiteral("####"));
    }

    void disabledControlsPassTheFocusOn() {
        WindowServices& services = f->window.services();
        services.DisableControls(control::cancelButton, control::okButton);
        QVERIFY(!f->control<QPushButton>(control::okButton)->isEnabled());
        QVERIFY(!f->control<QPushButton>(control::cancelButton)->isEnabled());
        services.SelectControl(control::okButton);
        QCOMPARE(f->focusedControl(), control::maskEntry);
        services.EnableControls(control::okButton, control::cancelButton);
        services.SelectControl(control::okButton);
        QCOMPARE(f->focusedControl(), control::okButton);
    }

    void selectControlSelectsTheWholeEntry() {
        f->setInputs("*.TXT", "find me", "");
        f->window.services().SelectControl(control::searchEntry);
        QCOMPARE(f->focusedControl(), control::searchEntry);
        QCOMPARE(f->control<QLineEdit>(control::searchEntry)->selectedText(),
                 QStringLiteral("find me"));
    }

    void setControlTextResizesTheLabel() {
        auto* progress = f->control<QLabel>(control::progressText);
        const int emptyWidth = progress->width();
        f->window.services().SetControlText(control::progressText, "Opening: A.TXT        ");
        f->window.services().Redisplay(control::progressText);
        QCOMPARE(progress->text(), QStringLiteral("Opening: A.TXT        "));
        QVERIFY(progress->width() > emptyWidth);
    }

    void theBusyCursorLeavesTheEntriesTheirOwn() {
        f->window.services().SetWindowCursor(busyCursor);
        QCOMPARE(f->window.cursor().shape(), Qt::WaitCursor);
        QCOMPARE(f->control<QLineEdit>(control::maskEntry)->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(f->control<QPushButton>(control::okButton)->cursor().shape(), Qt::WaitCursor);
        f->window.services().SetWindowCursor(standardCursor);
        QCOMPARE(f->window.cursor().shape(), Qt::ArrowCursor);
    }

    void messagesGetTheProgramsTextAndCaption() {
        f->window.services().ShowMessage(
            "An error occurred while opening: A.TXT        |Error: (2) ", messageCaption, stopIcon);
        QCOMPARE(f->messages, QStringList{QStringLiteral(
                                  "Find & Replace: An error occurred while opening: A.TXT        "
                                  "|Error: (2) ")});
    }

    void theFocusComesBackAfterAMessage() {
        f->window.services().setMessageHook({});
        f->window.services().SelectControl(control::searchEntry);
        QString boxText;
        answerNextModal([&](QWidget* box) {
            for (QLabel* label : box->findChildren<QLabel*>())
                boxText += label->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(f->window.services().ShowMessage("Short text", messageCaption, stopIcon), 1);
        QVERIFY(boxText.contains(QStringLiteral("Short text")));
        QVERIFY(QTest::qWaitForWindowActive(&f->window));
        QCOMPARE(f->focusedControl(), control::searchEntry);
    }

private:
    std::unique_ptr<WindowFixture> f;
};

QTEST_MAIN(WindowServicesTest)
#include "WindowServicesTest.moc"
