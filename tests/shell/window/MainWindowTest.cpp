#include "WindowFixture.h"
#include "shell/window/WindowServices.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace fr;

namespace {

QString labelText(const WindowFixture& f, int number) {
    return f.control<QLabel>(number)->text();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        f->createFile(QStringLiteral("A.TXT"));
        f->createFile(QStringLiteral("B.TXT"));
        QVERIFY(f->open());
    }
    void cleanup() { f.reset(); }

    void showsItsStateRightAfterOpening() {
        QCOMPARE(f->window.windowTitle(), QStringLiteral("Find & Replace"));
        for (int entry : {control::maskEntry, control::searchEntry, control::replaceEntry})
            QCOMPARE(f->control<QLineEdit>(entry)->text(), QString());
        QVERIFY(f->control<QCheckBox>(control::caseCheckBox)->isChecked());
        QCOMPARE(f->state.IgnoreCase, 1);
        QCOMPARE(labelText(*f, control::fileCount), QStringLiteral("   0"));
        QCOMPARE(labelText(*f, control::matchesFound), QStringLiteral("      0"));
        QCOMPARE(labelText(*f, control::filesFound), QStringLiteral("   0"));
        QCOMPARE(labelText(*f, control::fileNumber).trimmed(), QString());
        QCOMPARE(labelText(*f, control::progressText), QString());
        QCOMPARE(labelText(*f, control::lineNumber).trimmed(), QString());
        QCOMPARE(f->focusedControl(), control::maskEntry);
    }

    void acceptsTheMaskWhenTheFocusLeaves_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("fileCount");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("focus");
        QTest::addRow("selects files") << "*.TXT" << 2 << 0 << control::searchEntry;
        QTest::addRow("selects none") << "*.DOC" << 0 << 1 << control::maskEntry;
    }
    void acceptsTheMaskWhenTheFocusLeaves() {
        QFETCH(QString, mask);
        QFETCH(int, fileCount);
        QFETCH(int, beeps);
        QFETCH(int, focus);
        f->state.MatchesFound = 4;
        f->state.FilesFound = 1;
        QTest::keyClicks(f->control<QLineEdit>(control::maskEntry), mask);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

        QCOMPARE(f->state.FileMask.clipped(), mask.toStdString());
        QCOMPARE(f->state.FileCount, fileCount);
        QCOMPARE(f->state.MatchesFound, 0);
        QCOMPARE(f->state.FilesFound, 0);
        QCOMPARE(labelText(*f, control::fileCount).trimmed(), QString::number(fileCount));
        QCOMPARE(f->beeps, beeps);
        QCOMPARE(f->focusedControl(), focus);
        if (focus == control::maskEntry)
            QCOMPARE(f->control<QLineEdit>(control::maskEntry)->selectedText(), mask);
    }

    void leavingAnUnchangedEntryAcceptsNothing() {
        f->state.MatchesFound = 4;
        QTest::keyClick(f->control<QLineEdit>(control::maskEntry), Qt::Key_Tab);
        QCOMPARE(f->state.MatchesFound, 4);
        QCOMPARE(f->beeps, 0);
    }

    void checksTheInputsOnOk_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<bool>("ignoreCase");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("runs");
        QTest::addRow("no files") << "*.DOC"
                                  << "foo"
                                  << "bar" << true << 1 << control::maskEntry << "*.DOC" << 0;
        QTest::addRow("empty search") << "*.TXT"
                                      << ""
                                      << "bar" << true << 1 << control::searchEntry << "" << 0;
        QTest::addRow("search of spaces") << "*.TXT"
                                          << "   "
                                          << "bar" << true << 1 << control::searchEntry << "" << 0;
        QTest::addRow("equal ignoring case")
            << "*.TXT"
            << "abc"
            << "ABC" << true << 1 << control::replaceEntry << "ABC" << 0;
        QTest::addRow("equal ignoring case, box cleared")
            << "*.TXT"
            << "abc"
            << "ABC" << false << 1 << control::replaceEntry << "ABC" << 0;
        QTest::addRow("differs by trailing spaces only")
            << "*.TXT"
            << "abc"
            << "abc  " << true << 1 << control::replaceEntry << "abc" << 0;
        QTest::addRow("valid") << "*.TXT"
                               << "abc"
                               << "xyz" << true << 0 << control::maskEntry << "*.TXT" << 1;
        QTest::addRow("empty replacement searches")
            << "*.TXT"
            << "abc"
            << "" << true << 0 << control::maskEntry << "*.TXT" << 1;
    }
    void checksTheInputsOnOk() {
        QFETCH(QString, mask);
        QFETCH(QString, search);
        QFETCH(QString, replace);
        QFETCH(bool, ignoreCase);
        QFETCH(int, beeps);
        QFETCH(int, focus);
        QFETCH(QString, selected);
        QFETCH(int, runs);
        f->setInputs(mask.toStdString(), search.toStdString(), replace.toStdString());
        f->control<QCheckBox>(control::caseCheckBox)->setChecked(ignoreCase);
        QCOMPARE(f->state.IgnoreCase, ignoreCase ? 1 : 0);

        QTest::mouseClick(f->control<QPushButton>(control::okButton), Qt::LeftButton);

        QCOMPARE(f->beeps, beeps);
        QCOMPARE(f->runs, runs);
        QCOMPARE(f->focusedControl(), focus);
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->selectedText(), selected);
    }

    void acceptsATypedMaskBeforeOk() {
        f->setInputs("", "abc", "xyz");
        int filesSeenByRun = -1;
        f->run = [&](WindowOps&) { filesSeenByRun = f->state.FileCount; };
        QTest::keyClicks(f->control<QLineEdit>(control::maskEntry), QStringLiteral("*.TXT"));
        QTest::mouseClick(f->control<QPushButton>(control::okButton), Qt::LeftButton);
        QCOMPARE(filesSeenByRun, 2);
        QCOMPARE(f->beeps, 0);
    }

    void enterWithAMaskThatSelectsNothingBeepsTwice() {
        f->setInputs("", "abc", "xyz");
        QTest::keyClicks(f->control<QLineEdit>(control::maskEntry), QStringLiteral("*.DOC"));
        QTest::keyClick(f->control<QLineEdit>(control::maskEntry), Qt::Key_Return);
        QCOMPARE(f->beeps, 2);
        QCOMPARE(f->runs, 0);
        QCOMPARE(f->focusedControl(), control::maskEntry);
    }

    void escapeClosesWithoutAcceptingTheEntry() {
        QTest::keyClicks(f->control<QLineEdit>(control::maskEntry), QStringLiteral("*.TXT"));
        QTest::keyClick(f->control<QLineEdit>(control::maskEntry), Qt::Key_Escape);
        QVERIFY(!f->window.isVisible());
        QVERIFY(f->state.FileMask.isBlank());
        QCOMPARE(f->state.FileCount, 0);
    }

    void tabGoesThroughTheControlsInOrder() {
        QList<int> visited;
        for (int step = 0; step < 6; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << f->focusedControl();
        }
        QCOMPARE(visited,
                 (QList<int>{control::searchEntry, control::replaceEntry, control::caseCheckBox,
                             control::okButton, control::cancelButton, control::maskEntry}));
    }

    void enterOnCancelCloses() {
        f->control<QPushButton>(control::cancelButton)->setFocus();
        QTest::keyClick(f->control<QPushButton>(control::cancelButton), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(&f->window, QEvent::MetaCall);
        QVERIFY(!f->window.isVisible());
        QCOMPARE(f->runs, 0);
    }

    void keyboardLettersMoveTheFocus_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("focus");
        QTest::addRow("Alt+S") << int(Qt::Key_S) << control::searchEntry;
        QTest::addRow("Alt+R") << int(Qt::Key_R) << control::replaceEntry;
        QTest::addRow("Alt+F") << int(Qt::Key_F) << control::maskEntry;
    }
    void keyboardLettersMoveTheFocus() {
        QFETCH(int, key);
        QFETCH(int, focus);
        f->control<QPushButton>(control::cancelButton)->setFocus();
        QTest::keyClick(&f->window, static_cast<Qt::Key>(key), Qt::AltModifier);
        QCOMPARE(f->focusedControl(), focus);
    }

    void changedSearchResetsTheCountersOnly() {
        f->setInputs("*.TXT", "", "");
        f->state.MatchesFound = 9;
        f->state.FilesFound = 2;
        auto* search = f->control<QLineEdit>(control::searchEntry);
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("foo"));
        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(f->state.SearchText.clipped(), "foo");
        QCOMPARE(f->state.MatchesFound, 0);
        QCOMPARE(f->state.FilesFound, 0);
        QCOMPARE(f->state.FileCount, 2);
        QCOMPARE(labelText(*f, control::matchesFound), QStringLiteral("      0"));
    }

    void ctrlZPutsBackTheValue() {
        f->setInputs("*.TXT", "foo", "");
        auto* search = f->control<QLineEdit>(control::searchEntry);
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("bar"));
        QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(search->text(), QStringLiteral("foo"));
        QCOMPARE(search->selectedText(), QStringLiteral("foo"));
        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(f->state.SearchText.clipped(), "foo");
    }

    void aCloseRequestDuringARunIsHeldUntilItEnds() {
        f->setInputs("*.TXT", "abc", "xyz");
        bool visibleDuringRun = false;
        f->run = [&](WindowOps& ops) {
            ops.RequestClose();
            QMetaObject::invokeMethod(f->control<QPushButton>(control::okButton),
                                      &QPushButton::click, Qt::QueuedConnection);
            ops.Redisplay(control::fileNumber); // the first paint lets queued requests through
            visibleDuringRun = f->window.isVisible();
        };
        QTest::mouseClick(f->control<QPushButton>(control::okButton), Qt::LeftButton);
        QVERIFY(visibleDuringRun);
        QCOMPARE(f->runs, 1);
        QVERIFY(!f->window.isVisible());
    }

private:
    std::unique_ptr<WindowFixture> f;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
