#pragma once

#include <QFont>
#include <QRect>

namespace fr {

/// Dialog units of a font: a horizontal unit is a quarter of the font's average character
/// width (the width of A-Z and a-z over 26, plus 1, halved), a vertical unit an eighth of
/// its height. Conversions round to the nearest pixel.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int averageCharWidth, int fontHeight)
        : baseX_(averageCharWidth), baseY_(fontHeight) {}

    int averageCharWidth() const { return baseX_; }
    int fontHeight() const { return baseY_; }

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int x, int y, int width, int height) const;

private:
    int baseX_;
    int baseY_;
};

} // namespace fr
