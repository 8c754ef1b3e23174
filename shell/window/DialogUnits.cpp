#include "shell/window/DialogUnits.h"

#include <QFontMetrics>

namespace fr {
namespace {

int scaledRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::toPixelsX(int units) const {
    return scaledRounded(units, baseX_, 4);
}

int DialogUnits::toPixelsY(int units) const {
    return scaledRounded(units, baseY_, 8);
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const {
    return QRect(toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height));
}

} // namespace fr
