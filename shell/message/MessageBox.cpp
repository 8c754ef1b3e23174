#include "shell/message/MessageBox.h"

#include "shell/message/MessageText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace fr {

namespace {

QFont boldFont() {
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}

constexpr int wrapWidthUnits = 200;
constexpr int marginUnits = 5;
// Room beside the icon and the text: 5 units left of the icon, 5 between, 10 at the right.
constexpr int contentExtraUnits = 20;
constexpr int textPaddingUnits = 10;
constexpr int minimumContentUnits = 45;
constexpr int buttonWidthUnits = 50;
constexpr int buttonHeightUnits = 14;

} // namespace

MessageBox::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                       const QString& buttonCaption)
    : QDialog(owner ? owner->window() : nullptr,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      units_(boldFont()), iconLabel_(new QLabel(this)), textLabel_(new QLabel(this)),
      button_(new QPushButton(buttonCaption, this)) {
    setWindowTitle(withoutTrailingSpaces(caption));
    setFont(boldFont());
    lines_ = messageLines(text, QFontMetrics(font()), units_.toPixelsX(wrapWidthUnits));

    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel_->setPixmap(style()
                              ->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this)
                              .pixmap(iconSize, iconSize));
    iconLabel_->setFixedSize(iconSize, iconSize);
    textLabel_->setTextFormat(Qt::PlainText);
    textLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel_->setText(lines_.join(u'\n'));

    button_->setDefault(true);
    button_->setAutoDefault(true);
    connect(button_, &QPushButton::clicked, this, [this] {
        closedByButton_ = true;
        done(1);
    });

    layOut();
    placeOver(owner);
    button_->setFocus(Qt::OtherFocusReason);
}

void MessageBox::layOut() {
    const QFontMetrics metrics(font());
    int textWidth = 0;
    for (const QString& line : lines_)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(withoutTrailingSpaces(line)));
    const int textHeight =
        metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft, textLabel_->text())
            .height();
    const int textAreaWidth = textWidth + 10;
    const int iconSize = iconLabel_->width();
    const int iconX = units_.toPixelsX(marginUnits);
    const int textX = iconX + iconSize + units_.toPixelsX(marginUnits);

    int contentWidth = textAreaWidth + iconSize + units_.toPixelsX(contentExtraUnits);
    contentHeight_ = std::max(textHeight + units_.toPixelsY(textPaddingUnits),
                              units_.toPixelsY(minimumContentUnits));
    const QSize buttonSize(units_.toPixelsX(buttonWidthUnits), units_.toPixelsY(buttonHeightUnits));
    if (buttonSize.width() > contentWidth)
        contentWidth = buttonSize.width() + textX + units_.toPixelsX(textPaddingUnits);

    iconLabel_->move(iconX, (contentHeight_ - iconSize) / 2);
    textLabel_->setGeometry(textX, (contentHeight_ - textHeight) / 2, textAreaWidth, textHeight);
    button_->setGeometry((contentWidth - buttonSize.width()) / 2, contentHeight_,
                         buttonSize.width(), buttonSize.height());
    setFixedSize(contentWidth,
                 contentHeight_ + buttonSize.height() + units_.toPixelsY(marginUnits));
}

QPoint MessageBox::placement(const QRect& ownerFrame, const QRect& screen, const QSize& boxSize) {
    QRect visibleOwner = ownerFrame.intersected(screen);
    if (visibleOwner.isEmpty())
        visibleOwner = screen;
    QRect box(QPoint(), boxSize);
    box.moveCenter(visibleOwner.center());
    box.moveLeft(std::max(screen.left(), std::min(box.left(), screen.right() - box.width() + 1)));
    box.moveTop(std::max(screen.top(), std::min(box.top(), screen.bottom() - box.height() + 1)));
    return box.topLeft();
}

void MessageBox::placeOver(QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect screenArea = screen->availableGeometry();
    const QRect ownerFrame = owner ? owner->window()->frameGeometry() : screenArea;
    move(placement(ownerFrame, screenArea, size()));
}

void MessageBox::keyPressEvent(QKeyEvent* event) {
    // Without a Cancel button Esc has nothing to press.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageBox::closeEvent(QCloseEvent* event) {
    if (closedByButton_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

int showMessage(QWidget* owner, const QString& text, const QString& caption,
                const QString& buttonCaption) {
    const QPointer<QWidget> focusBefore = QApplication::focusWidget();
    MessageBox box(owner, text, caption, buttonCaption);
    box.exec();
    if (focusBefore) {
        focusBefore->window()->activateWindow();
        focusBefore->setFocus(Qt::OtherFocusReason);
    }
    return 1;
}

} // namespace fr
