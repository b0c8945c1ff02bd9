#pragma once

#include <QAbstractButton>
#include <QColor>

// The program's flat push button: a face colour that changes under the mouse, a
// caption with an access key (&), its own text colours when enabled and disabled,
// and a dotted focus rectangle.
class FlatButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor hoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QColor disabledForeColor READ disabledForeColor WRITE setDisabledForeColor)

public:
    explicit FlatButton(QWidget *parent = nullptr);

    QColor backColor() const { return m_back; }
    void setBackColor(const QColor &c);
    QColor hoverColor() const { return m_hover; }
    void setHoverColor(const QColor &c);
    QColor foreColor() const { return m_fore; }
    void setForeColor(const QColor &c);
    QColor disabledForeColor() const { return m_disabledFore; }
    void setDisabledForeColor(const QColor &c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_back{0xC0, 0xFF, 0xFF};
    QColor m_hover{0xC0, 0xFF, 0xFF};
    QColor m_fore{Qt::black};
    QColor m_disabledFore{0x80, 0x80, 0x80};
    bool m_hovered = false;
};
