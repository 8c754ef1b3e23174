#include "shell/window/DialogUnits.h"

#include <QTest>

class DialogUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void toPixels_data() {
        QTest::addColumn<int>("averageCharWidth");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<QRect>("units");
        QTest::addColumn<QRect>("pixels");

        QTest::addRow("classic 6 x 13 font, client area")
            << 6 << 13 << QRect(0, 0, 230, 124) << QRect(0, 0, 345, 202);
        QTest::addRow("rounds to nearest") << 7 << 15 << QRect(5, 6, 1, 1) << QRect(9, 11, 2, 2);
        QTest::addRow("exact") << 8 << 16 << QRect(64, 15, 60, 10) << QRect(128, 30, 120, 20);
    }
    void toPixels() {
        QFETCH(int, averageCharWidth);
        QFETCH(int, fontHeight);
        QFETCH(QRect, units);
        QFETCH(QRect, pixels);
        const fr::DialogUnits du(averageCharWidth, fontHeight);
        QCOMPARE(du.toPixels(units.x(), units.y(), units.width(), units.height()), pixels);
    }

    void averageWidthFollowsTheLetters() {
        QFont font;
        font.setPixelSize(12);
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        const fr::DialogUnits du(font);
        QCOMPARE(du.averageCharWidth(), (letters / 26 + 1) / 2);
        QCOMPARE(du.fontHeight(), metrics.height());
    }
};

QTEST_MAIN(DialogUnitsTest)
#include "DialogUnitsTest.moc"
