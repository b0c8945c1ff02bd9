#include "core/Scaling.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

ScreenScale computeScreenScale(int widthPixels, int heightPixels)
{
    const float widthTwips = float(widthPixels) * 15.0f;
    const float heightTwips = float(heightPixels) * 15.0f;
    ScreenScale s;
    s.factor = widthTwips / 15360.0f;
    if (heightTwips / 11520.0f < s.factor)
        s.factor = heightTwips / 11520.0f;
    const double offset = std::floor((double(widthTwips) / 15.0 - double(s.factor) * 1024.0) / 2.0);
    s.offsetX = offset < 0 ? 0 : int(offset);
    return s;
}

namespace {

// The controls of a form: its named descendants (Qt's inner widgets have no name
// or one that begins with "qt_").
bool isControl(const QWidget *w)
{
    const QString name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void scaleLineEnds(QWidget *w, double f, double d)
{
    const QVariant x1 = w->property("x1");
    const QVariant y1 = w->property("y1");
    const QVariant x2 = w->property("x2");
    const QVariant y2 = w->property("y2");
    w->setProperty("x1", x1.toDouble() * f + d);
    w->setProperty("x2", x2.toDouble() * f + d);
    w->setProperty("y1", y1.toDouble() * f);
    w->setProperty("y2", y2.toDouble() * f);
}

} // namespace

void ScaleFormToScreen(QWidget *form, const ScreenScale &scale)
{
    const double f = scale.factor;
    const double d = scale.offsetX;
    const QList<QWidget *> controls = form->findChildren<QWidget *>();
    for (QWidget *w : controls) {
        if (!isControl(w))
            continue;
        if (w->property("x1").isValid()) {
            // A line's box follows its ends.
            scaleLineEnds(w, f, d);
        } else {
            const double shift = w->parentWidget() == form ? d : 0.0;
            const QRect g = w->geometry();
            w->setGeometry(int(std::lround(g.x() * f + shift)), int(std::lround(g.y() * f)),
                           int(std::lround(g.width() * f)), int(std::lround(g.height() * f)));
        }
        if (w->testAttribute(Qt::WA_SetFont)) {
            QFont font = w->font();
            const double size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
            font.setPointSizeF(std::nearbyint(size * f));
            w->setFont(font);
        }
        const QVariant border = w->property("borderWidth");
        if (border.isValid())
            w->setProperty("borderWidth", int(std::nearbyint(border.toDouble() * f)));
    }
}
