#include "shell/window/TextEntry.h"

#include "shell/window/ProgramText.h"

#include <QKeyEvent>
#include <QValidator>

namespace fr {
namespace {

/// Accepts a text while it fits the variable's width in bytes of the program's set.
class ByteWidthValidator : public QValidator {
public:
    ByteWidthValidator(const Charset& charset, std::size_t byteWidth, QObject* parent)
        : QValidator(parent), charset_(charset), byteWidth_(byteWidth) {}

    State validate(QString& input, int&) const override {
        const auto bytes = toProgramBytes(charset_, input);
        return bytes && bytes->size() <= byteWidth_ ? Acceptable : Invalid;
    }

private:
    const Charset& charset_;
    std::size_t byteWidth_;
};

} // namespace

TextEntry::TextEntry(const Charset& charset, std::size_t byteWidth, QWidget* parent)
    : QLineEdit(parent), charset_(charset) {
    setValidator(new ByteWidthValidator(charset, byteWidth, this));
    connect(this, &QLineEdit::inputRejected, this, &TextEntry::refused);
}

void TextEntry::showValue(std::string_view bytes) {
    shownValue_ = toQString(charset_, bytes);
    if (text() != shownValue_)
        setText(shownValue_);
    setModified(false);
}

std::string TextEntry::bytes() const {
    return toProgramBytes(charset_, text()).value_or("");
}

void TextEntry::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) {
        setText(shownValue_);
        selectAll();
        setModified(false);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace fr
