#include "shell/message/MessageText.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace fr {

namespace {

constexpr qsizetype tabStop = 8;

QString tabsExpanded(const QString& line) {
    QString expanded;
    for (const QChar c : line) {
        if (c == u'\t')
            expanded += QString(tabStop - expanded.size() % tabStop, u' ');
        else
            expanded += c;
    }
    return expanded;
}

int visibleWidth(const QFontMetrics& metrics, const QString& line) {
    return metrics.horizontalAdvance(withoutTrailingSpaces(line));
}

/// Splits a word that does not fit on a line of its own; `rest` keeps what is left.
QStringList brokenWord(const QString& word, const QFontMetrics& metrics, int maxWidth,
                       QString& rest) {
    QStringList pieces;
    rest = word;
    while (visibleWidth(metrics, rest) > maxWidth) {
        qsizetype fit = 1;
        while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= maxWidth)
            ++fit;
        pieces << rest.left(fit);
        rest = rest.mid(fit);
    }
    return pieces;
}

QStringList wrapped(const QString& paragraph, const QFontMetrics& metrics, int maxWidth) {
    static const QRegularExpression wordAndSpaces(QStringLiteral("[^ ]* *"));
    QStringList lines;
    QString line;
    for (const auto& match : wordAndSpaces.globalMatch(paragraph)) {
        const QString token = match.captured();
        if (token.isEmpty())
            continue;
        if (!line.isEmpty() && visibleWidth(metrics, line + token) > maxWidth) {
            lines << withoutTrailingSpaces(line);
            line.clear();
        }
        line += token;
        if (visibleWidth(metrics, line) > maxWidth) {
            QString rest;
            lines << brokenWord(line, metrics, maxWidth, rest);
            line = rest;
        }
    }
    lines << line;
    return lines;
}

} // namespace

QString withoutTrailingSpaces(const QString& text) {
    qsizetype length = text.size();
    while (length > 0 && text[length - 1] == u' ')
        --length;
    return text.left(length);
}

QStringList messageLines(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QStringList lines;
    for (const QString& paragraph : withoutTrailingSpaces(text).split(u'|'))
        lines << wrapped(tabsExpanded(paragraph), metrics, maxWidth);
    return lines;
}

} // namespace fr
