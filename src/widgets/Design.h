#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>

// Design helpers shared by every screen.
namespace Design {

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
