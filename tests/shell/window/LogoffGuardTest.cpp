#include "shell/app/LogoffGuard.h"

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

using namespace fr;

class LogoffGuardTest : public QObject {
    Q_OBJECT
private slots:
    void captionIsTheProgramName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("caption");
        QTest::addRow("no extension") << "/usr/local/bin/fr"
                                      << "fr";
        QTest::addRow("extension") << "/tools/FR.EXE"
                                   << "FR";
        QTest::addRow("only the last extension") << "/opt/find.tool.bin"
                                                 << "find.tool";
    }
    void captionIsTheProgramName() {
        QFETCH(QString, path);
        QFETCH(QString, caption);
        QCOMPARE(LogoffGuard::caption(path), caption);
    }

    void warnsWithTheWarningBox() {
        QWidget window;
        window.show();
        LogoffGuard guard(window);
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::WindowModality modality = Qt::NonModal;
        answerNextModal([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message != nullptr);
            text = message->text();
            title = message->windowTitle();
            icon = message->icon();
            modality = message->windowModality();
            message->button(QMessageBox::Ok)->click();
        });
        guard.warn();
        QCOMPARE(text, QStringLiteral("Application still active.\n\nQuit the application before "
                                      "quitting Windows."));
        QCOMPARE(title, LogoffGuard::caption(QCoreApplication::applicationFilePath()));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(modality, Qt::ApplicationModal);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(LogoffGuardTest)
#include "LogoffGuardTest.moc"
