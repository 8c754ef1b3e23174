#include "shell/resources/ProgramIcon.h"

#include "tests/shell/message/MessageTests.h"

#include <QImage>
#include <QSet>
#include <QTest>

void ProgramIconTest::isThirtyTwoSquareInSixteenColours() {
    const QIcon icon = fr::programIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));

    QSet<QRgb> colours;
    bool hasRed = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            colours.insert(pixel);
            hasRed = hasRed || pixel == qRgb(255, 0, 0);
        }
    }
    QVERIFY(colours.size() > 4);
    QVERIFY(colours.size() <= 16);
    QVERIFY(hasRed);
}
