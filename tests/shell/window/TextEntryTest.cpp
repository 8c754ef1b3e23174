#include "WindowFixture.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace fr;

/// The entries count their widths in bytes of the program's character set.
class TextEntryTest : public QObject {
    Q_OBJECT
private slots:
    void refusesWhatDoesNotFit_data() {
        QTest::addColumn<QString>("charset");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("beeps");
        const QString e13(13, QChar(0xE9));
        QTest::addRow("ascii mask over 13") << "UTF-8" << control::maskEntry << "ABCDEFGHIJKLMNO"
                                            << "ABCDEFGHIJKLM" << QByteArray("ABCDEFGHIJKLM") << 2;
        QTest::addRow("two-byte letters in UTF-8")
            << "UTF-8" << control::maskEntry << QString(7, QChar(0xE9)) << QString(6, QChar(0xE9))
            << QString(6, QChar(0xE9)).toUtf8() << 1;
        QTest::addRow("one-byte letters in Latin-1")
            << "ISO-8859-1" << control::maskEntry << e13 << e13 << QByteArray(13, '\xE9') << 0;
        QTest::addRow("not in the set")
            << "ISO-8859-1" << control::searchEntry << QString::fromUtf8("a\u20ACb") << "ab"
            << QByteArray("ab") << 1;
    }
    void refusesWhatDoesNotFit() {
        QFETCH(QString, charset);
        QFETCH(int, entry);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        QFETCH(int, beeps);
        WindowFixture f(charset.toLatin1().constData());
        QVERIFY(f.open());
        auto* edit = f.control<QLineEdit>(entry);
        edit->setFocus();
        typeText(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(f.beeps, beeps);

        QTest::keyClick(edit, Qt::Key_Tab);
        const std::string_view value =
            entry == control::maskEntry ? f.state.FileMask.clipped() : f.state.SearchText.clipped();
        QCOMPARE(QByteArray(value.data(), static_cast<qsizetype>(value.size())), stored);
    }
};

QTEST_MAIN(TextEntryTest)
#include "TextEntryTest.moc"
