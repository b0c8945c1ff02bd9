#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <cmath>

// Design helpers shared by every screen.
namespace Design {

// A rectangle given in twips of the 15360 x 11520 design surface, in pixels of the
// 1024 x 768 canvas (15 twips to a pixel).
inline QRect twips(int x, int y, int width, int height)
{
    const auto px = [](int t) { return int(std::lround(t / 15.0)); };
    return QRect(px(x), px(y), px(width), px(height));
}

// A colour given as the long value &H00BBGGRR& (blue in the high byte).
inline QColor bgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The font of a design name and point size, mapped to the families installed on
// Linux: Arial to Liberation Sans, Arial Narrow to Liberation Sans Narrow, Comic Sans MS
// to Comic Neue, Verdana and MS Sans Serif to DejaVu Sans.
QFont font(const QString &designFamily, qreal pointSize, bool bold = false);

// The Tag of a control: state that other code reads through the control.
inline void setTag(QWidget *w, const QVariant &value) { w->setProperty("Tag", value); }
inline QVariant tag(const QWidget *w) { return w->property("Tag"); }

// The name of element i of a control array: "RispS(3)".
inline QString arrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace Design
