#pragma once

#include "engine/text/Charset.h"

#include <QLineEdit>
#include <cstddef>
#include <string>
#include <string_view>

namespace fr {

/// A single-line entry for a text variable of `byteWidth` bytes in the program's set.
/// A character that would not fit, or that the set cannot represent, is refused and
/// `refused` is emitted. Ctrl+Z puts back the value last shown and selects it.
class TextEntry : public QLineEdit {
    Q_OBJECT
public:
    TextEntry(const Charset& charset, std::size_t byteWidth, QWidget* parent);

    /// Shows a variable's value (without its trailing spaces) and marks the entry unchanged.
    void showValue(std::string_view bytes);
    /// The typed text in the program's set; always fits the width.
    std::string bytes() const;

signals:
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Charset& charset_;
    QString shownValue_;
};

} // namespace fr
