#pragma once

#include <QRect>
#include <cmath>

namespace ExamDesign {

// A rectangle given in twips of the 15360 x 11520 design surface, in pixels of the
// 1024 x 768 canvas that ScaleFormToScreen scales (15 twips to a pixel).
inline QRect twips(int x, int y, int width, int height)
{
    const auto px = [](int t) { return int(std::lround(t / 15.0)); };
    return QRect(px(x), px(y), px(width), px(height));
}

} // namespace ExamDesign
