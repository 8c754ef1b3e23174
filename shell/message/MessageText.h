#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;

namespace fr {

/// `text` without its trailing spaces; only the space character counts.
QString withoutTrailingSpaces(const QString& text);

/// The lines of a message box: trailing spaces removed, each "|" a line break, tabs expanded
/// to stops every 8 characters, and every line broken at word boundaries so that its visible
/// part (without trailing spaces) is at most `maxWidth` pixels wide in `metrics`. A word wider
/// than that is broken between characters. Spaces at a break are dropped; all others stay.
QStringList messageLines(const QString& text, const QFontMetrics& metrics, int maxWidth);

} // namespace fr
