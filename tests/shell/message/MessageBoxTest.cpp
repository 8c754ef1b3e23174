#include "shell/message/MessageBox.h"

#include "shell/message/MessageText.h"
#include "tests/shell/message/MessageTests.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using fr::MessageBox;

namespace {

const QString caption = QStringLiteral("Find & Replace");

QString padded(const QString& text, int width) {
    return text.leftJustified(width, u' ');
}

int widestLine(const MessageBox& box) {
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QString& line : box.lines())
        widest = std::max(widest, metrics.horizontalAdvance(fr::withoutTrailingSpaces(line)));
    return widest;
}

} // namespace

void MessageBoxTest::linesFollowBarsAndKeepInnerSpaces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("open error") << "An error occurred while opening: " + padded("A.TXT", 13) +
                                       "|Error: (2) " + padded("File Not Found", 80)
                                << QStringList{"An error occurred while opening: A.TXT        ",
                                               "Error: (2) File Not Found"};
    QTest::addRow("one line") << "Short" << QStringList{"Short"};
    QTest::addRow("inner spaces stay") << "a    b   " << QStringList{"a    b"};
    QTest::addRow("bars at ends and doubled") << "|a||b|" << QStringList{"", "a", "", "b", ""};
    QTest::addRow("ampersand is plain") << "A & B" << QStringList{"A & B"};
    QTest::addRow("tabs expanded") << "ab\tc|\td" << QStringList{"ab      c", "        d"};
}

void MessageBoxTest::linesFollowBarsAndKeepInnerSpaces() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const MessageBox box(nullptr, text, caption, "OK");
    QCOMPARE(box.lines(), lines);
    QCOMPARE(box.textLabel()->text(), lines.join(u'\n'));
}

void MessageBoxTest::longLineWrapsAtWordBoundary() {
    const QString text =
        "The line-length of " + padded("A.TXT", 13) + "exceeds 256. Can not process this file";
    const MessageBox box(nullptr, text, caption, "OK");
    QCOMPARE(box.lines().size(), 2);
    QVERIFY(box.lines()[0].startsWith("The line-length of A.TXT        exceeds"));
    QCOMPARE(box.lines().join(u' '), text);
    QVERIFY(widestLine(box) <= box.units().toPixelsX(200));

    const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    QCOMPARE(box.textLabel()->width(), widestLine(box) + 10);
    QCOMPARE(box.width(), box.textLabel()->width() + iconSize + box.units().toPixelsX(20));
    QCOMPARE(box.textLabel()->x(), box.units().toPixelsX(5) + iconSize + box.units().toPixelsX(5));
}

void MessageBoxTest::wordWiderThanWrapWidthIsBroken() {
    const QString text(300, u'W');
    const MessageBox box(nullptr, text, caption, "OK");
    QVERIFY(box.lines().size() > 1);
    QCOMPARE(box.lines().join(QString()), text);
    QVERIFY(widestLine(box) <= box.units().toPixelsX(200));
}

void MessageBoxTest::shortTextGetsMinimumHeightAndCentredButton() {
    const MessageBox box(nullptr, "Hi", caption, "OK");
    const auto& units = box.units();
    QCOMPARE(box.contentHeight(), units.toPixelsY(45));

    const QRect button = box.button()->geometry();
    QCOMPARE(button.size(), QSize(units.toPixelsX(50), units.toPixelsY(14)));
    QCOMPARE(button.top(), box.contentHeight());
    QVERIFY(std::abs(button.left() - (box.width() - button.right() - 1)) <= 1);
    QCOMPARE(box.height(), box.contentHeight() + units.toPixelsY(14) + units.toPixelsY(5));

    const QRect text = box.textLabel()->geometry();
    QVERIFY(std::abs(text.top() - (box.contentHeight() - text.bottom() - 1)) <= 1);
}

void MessageBoxTest::captionAndButton() {
    const MessageBox box(nullptr, "Hi", "Find & Replace   ", "&Okay");
    QCOMPARE(box.windowTitle(), QStringLiteral("Find & Replace"));
    QCOMPARE(box.button()->text(), QStringLiteral("&Okay"));
    QVERIFY(box.button()->isDefault());
    QVERIFY(!(box.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(box.windowFlags() & Qt::WindowSystemMenuHint));
}

void MessageBoxTest::onlyTheButtonCloses_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::addRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::addRow("Enter") << int(Qt::Key_Return) << true;
    QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::addRow("Space") << int(Qt::Key_Space) << true;
}

void MessageBoxTest::onlyTheButtonCloses() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    MessageBox box(nullptr, "Hi", caption, "OK");
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(QApplication::focusWidget(), box.button());

    QVERIFY(!box.close());
    QVERIFY(box.isVisible());

    QTest::keyClick(box.button(), Qt::Key(key));
    QCOMPARE(box.isVisible(), !closes);
    if (closes)
        QCOMPARE(box.result(), 1);
    else
        box.button()->click();
    QVERIFY(!box.isVisible());
}

void MessageBoxTest::focusGoesBackAndResultIsOne() {
    QWidget owner;
    auto* layout = new QVBoxLayout(&owner);
    auto* first = new QLineEdit(&owner);
    auto* second = new QLineEdit(&owner);
    layout->addWidget(first);
    layout->addWidget(second);
    owner.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    second->setFocus();
    QCOMPARE(QApplication::focusWidget(), second);

    QString shownText;
    QTimer::singleShot(0, [&shownText] {
        auto* box = qobject_cast<MessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shownText = box->textLabel()->text();
        QTest::keyClick(box->button(), Qt::Key_Return);
    });
    QCOMPARE(fr::showMessage(&owner, "Gone|again  ", caption, "OK"), 1);
    QCOMPARE(shownText, QStringLiteral("Gone\nagain"));
    QCOMPARE(owner.focusWidget(), second);
    QTRY_COMPARE(QApplication::focusWidget(), second);
}

void MessageBoxTest::placement_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QPoint>("topLeft");

    const QRect screen(0, 0, 1000, 800);
    QTest::addRow("centred over owner")
        << QRect(100, 100, 400, 300) << screen << QSize(200, 100) << QPoint(200, 200);
    QTest::addRow("owner partly off the left edge")
        << QRect(-200, 100, 400, 300) << screen << QSize(100, 100) << QPoint(50, 200);
    QTest::addRow("pushed back onto the screen")
        << QRect(900, 700, 100, 100) << screen << QSize(300, 300) << QPoint(700, 500);
    QTest::addRow("owner off screen: centred on screen")
        << QRect(2000, 2000, 100, 100) << screen << QSize(200, 100) << QPoint(400, 350);
    QTest::addRow("larger than the screen")
        << QRect(0, 0, 100, 100) << screen << QSize(1200, 900) << QPoint(0, 0);
}

void MessageBoxTest::placement() {
    QFETCH(QRect, owner);
    QFETCH(QRect, screen);
    QFETCH(QSize, box);
    QFETCH(QPoint, topLeft);
    QCOMPARE(MessageBox::placement(owner, screen, box), topLeft);
}
