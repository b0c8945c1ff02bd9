#pragma once

#include <QColor>
#include <QLineF>
#include <QWidget>

// A line control from (X1, Y1) to (X2, Y2) in its parent's coordinates, painted by a
// transparent widget over the line's bounding box.
class LineWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal x1 READ x1 WRITE setX1)
    Q_PROPERTY(qreal y1 READ y1 WRITE setY1)
    Q_PROPERTY(qreal x2 READ x2 WRITE setX2)
    Q_PROPERTY(qreal y2 READ y2 WRITE setY2)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)

public:
    LineWidget(const QLineF &line, const QColor &color, int width, QWidget *parent);

    QLineF line() const { return m_line; }
    void setLine(const QLineF &line);
    qreal x1() const { return m_line.x1(); }
    qreal y1() const { return m_line.y1(); }
    qreal x2() const { return m_line.x2(); }
    qreal y2() const { return m_line.y2(); }
    void setX1(qreal v) { setLine(QLineF(v, y1(), x2(), y2())); }
    void setY1(qreal v) { setLine(QLineF(x1(), v, x2(), y2())); }
    void setX2(qreal v) { setLine(QLineF(x1(), y1(), v, y2())); }
    void setY2(qreal v) { setLine(QLineF(x1(), y1(), x2(), v)); }
    int borderWidth() const { return m_width; }
    void setBorderWidth(int w);
    QColor color() const { return m_color; }
    void setColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QLineF m_line;
    QColor m_color;
    int m_width;
};
