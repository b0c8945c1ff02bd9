#pragma once

#include <QColor>
#include <QWidget>

// A shape control: rectangle, rounded rectangle or oval, with an optional fill and
// a border of a given colour and width.
class ShapeWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)

public:
    enum class Kind { Rectangle, RoundedRectangle, Oval };

    explicit ShapeWidget(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int w);
    QColor fillColor() const { return m_fill; }
    // An invalid colour leaves the shape transparent inside.
    void setFillColor(const QColor &c);
    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    int m_borderWidth = 1;
    QColor m_fill;
    QColor m_border{Qt::black};
};
