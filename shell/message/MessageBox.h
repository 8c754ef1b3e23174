#pragma once

#include "shell/window/DialogUnits.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace fr {

/// The program's modal message box: the message in bold, wrapped at 200 dialog units, the
/// style's critical icon at its left and one button below. Only the button closes it: Esc,
/// the title bar and the system menu do nothing.
class MessageBox : public QDialog {
    Q_OBJECT

public:
    /// `owner` may be null; the box is then centred on the primary screen. The text and the
    /// caption lose their trailing spaces; "|" in the text starts a new line; "&" in
    /// `buttonCaption` marks the button's keyboard letter.
    MessageBox(QWidget* owner, const QString& text, const QString& caption,
               const QString& buttonCaption);

    /// The lines shown, after the line breaks and the wrap.
    const QStringList& lines() const { return lines_; }
    QPushButton* button() const { return button_; }
    /// The dialog units of the box's bold font, in which its layout is given.
    const DialogUnits& units() const { return units_; }
    /// Height in pixels of the area that holds the icon and the text, above the button.
    int contentHeight() const { return contentHeight_; }
    QLabel* textLabel() const { return textLabel_; }

    /// Top-left corner of a box of `boxSize` centred over the part of `ownerFrame` that lies
    /// on `screen`, then moved as little as needed to lie wholly on `screen`.
    static QPoint placement(const QRect& ownerFrame, const QRect& screen, const QSize& boxSize);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void placeOver(QWidget* owner);

    DialogUnits units_;
    QStringList lines_;
    QLabel* iconLabel_;
    QLabel* textLabel_;
    QPushButton* button_;
    int contentHeight_ = 0;
    bool closedByButton_ = false;
};

/// Shows `text` in a MessageBox owned by `owner` and waits until the user closes it with its
/// button; then gives the focus back to the widget that had it. Returns 1, the button's value.
int showMessage(QWidget* owner, const QString& text, const QString& caption,
                const QString& buttonCaption);

} // namespace fr
