#include "shell/window/NumberFormat.h"

#include <QTest>

class NumberFormatTest : public QObject {
    Q_OBJECT
private slots:
    void formats_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");

        QTest::addRow("n4 zero") << 0 << "n4"
                                 << "   0";
        QTest::addRow("n4 one digit") << 5 << "n4"
                                      << "   5";
        QTest::addRow("n4 full") << 9999 << "n4"
                                 << "9999";
        QTest::addRow("n4 too wide") << 10000 << "n4"
                                     << "####";
        QTest::addRow("n4 far too wide") << 12345 << "n4"
                                         << "####";
        QTest::addRow("n7 zero") << 0 << "n7"
                                 << "      0";
        QTest::addRow("n7 three digits, no comma") << 999 << "n7"
                                                   << "    999";
        QTest::addRow("n7 comma") << 1234 << "n7"
                                  << "  1,234";
        QTest::addRow("n7 six digits") << 999999 << "n7"
                                       << "999,999";
        QTest::addRow("n7 seven digits use the comma place") << 1000000 << "n7"
                                                             << "1000000";
        QTest::addRow("n7 too wide") << 10000000 << "n7"
                                     << "#######";
        QTest::addRow("n4b zero is blank") << 0 << "n4b"
                                           << "    ";
        QTest::addRow("n4b one") << 7 << "n4b"
                                 << "   7";
        QTest::addRow("n6b zero is blank") << 0 << "n6b"
                                           << "      ";
        QTest::addRow("n6b comma") << 99999 << "n6b"
                                   << "99,999";
        QTest::addRow("n6b six digits use the comma place") << 100000 << "n6b"
                                                            << "100000";
        QTest::addRow("n6b six digits") << 123456 << "n6b"
                                        << "123456";
        QTest::addRow("n6b too wide") << 1000000 << "n6b"
                                      << "######";
        QTest::addRow("negative has no sign place") << -1 << "n4"
                                                    << "####";
    }
    void formats() {
        QFETCH(int, value);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(fr::formatNumber(value, format.toStdString())), shown);
    }
};

QTEST_MAIN(NumberFormatTest)
#include "NumberFormatTest.moc"
