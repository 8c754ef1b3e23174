#include "shell/window/ProgramText.h"

#include <QList>

namespace fr {
namespace {

QString fromUnicode(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString toQString(const Charset& charset, std::string_view bytes) {
    if (auto text = charset.decode(bytes))
        return fromUnicode(*text);
    if (charset.isUtf8())
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString shown;
    for (char byte : bytes) {
        auto one = charset.decode(std::string_view(&byte, 1));
        shown += one ? fromUnicode(*one) : QString(QChar::ReplacementCharacter);
    }
    return shown;
}

std::optional<std::string> toProgramBytes(const Charset& charset, const QString& text) {
    const QList<uint> codes = text.toUcs4();
    const std::u32string unicode(codes.begin(), codes.end());
    return charset.encode(unicode);
}

} // namespace fr
