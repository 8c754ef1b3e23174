#include "shell/window/RepaintThrottle.h"

#include <QList>
#include <QTest>

using fr::RepaintThrottle;

class RepaintThrottleTest : public QObject {
    Q_OBJECT
private slots:
    void due_data() {
        QTest::addColumn<QList<int>>("millis");
        QTest::addColumn<QList<bool>>("forced");
        QTest::addColumn<QList<bool>>("due");

        QTest::addRow("first paint") << QList<int>{0} << QList<bool>{false} << QList<bool>{true};
        QTest::addRow("within the interval")
            << QList<int>{0, 5, 19} << QList<bool>{false, false, false}
            << QList<bool>{true, false, false};
        QTest::addRow("interval passed")
            << QList<int>{0, 20} << QList<bool>{false, false} << QList<bool>{true, true};
        QTest::addRow("forced paints at once")
            << QList<int>{0, 1, 2} << QList<bool>{false, true, false}
            << QList<bool>{true, true, false};
        QTest::addRow("counted from the last paint")
            << QList<int>{0, 15, 25, 40} << QList<bool>{false, false, false, false}
            << QList<bool>{true, false, true, false};
    }
    void due() {
        QFETCH(QList<int>, millis);
        QFETCH(QList<bool>, forced);
        QFETCH(QList<bool>, due);
        RepaintThrottle throttle;
        const RepaintThrottle::Clock::time_point start{};
        QList<bool> actual;
        for (qsizetype i = 0; i < millis.size(); ++i)
            actual << throttle.due(start + std::chrono::milliseconds(millis[i]), forced[i]);
        QCOMPARE(actual, due);
    }
};

QTEST_MAIN(RepaintThrottleTest)
#include "RepaintThrottleTest.moc"
