#include "widgets/LineWidget.h"

#include <QPainter>
#include <cmath>

LineWidget::LineWidget(const QLineF &line, const QColor &color, int width, QWidget *parent)
    : QWidget(parent), m_line(line), m_color(color), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineWidget::setLine(const QLineF &line) { m_line = line; place(); }
void LineWidget::setBorderWidth(int w) { m_width = w; place(); }
void LineWidget::setColor(const QColor &c) { m_color = c; update(); }

void LineWidget::place()
{
    const int margin = m_width / 2 + 1;
    const QRectF box = QRectF(m_line.p1(), m_line.p2()).normalized();
    setGeometry(int(std::floor(box.left())) - margin, int(std::floor(box.top())) - margin,
                int(std::ceil(box.width())) + 2 * margin + 1, int(std::ceil(box.height())) + 2 * margin + 1);
    update();
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_color, qMax(1, m_width), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(m_line.translated(-QPointF(pos())));
}
