#include "widgets/ShapeWidget.h"

#include <QPainter>

ShapeWidget::ShapeWidget(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setBorderWidth(int w) { m_borderWidth = w; update(); }
void ShapeWidget::setFillColor(const QColor &c) { m_fill = c; update(); }
void ShapeWidget::setBorderColor(const QColor &c) { m_border = c; update(); }

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, m_kind != Kind::Rectangle);
    const qreal half = m_borderWidth / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    p.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    p.setPen(m_borderWidth > 0 ? QPen(m_border, m_borderWidth) : QPen(Qt::NoPen));
    switch (m_kind) {
    case Kind::Rectangle:
        p.drawRect(r);
        break;
    case Kind::RoundedRectangle: {
        const qreal radius = qMin(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Kind::Oval:
        p.drawEllipse(r);
        break;
    }
}
