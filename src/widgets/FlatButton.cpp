#include "widgets/FlatButton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>

FlatButton::FlatButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void FlatButton::setBackColor(const QColor &c) { m_back = c; update(); }
void FlatButton::setHoverColor(const QColor &c) { m_hover = c; update(); }
void FlatButton::setForeColor(const QColor &c) { m_fore = c; update(); }
void FlatButton::setDisabledForeColor(const QColor &c) { m_disabledFore = c; update(); }

QSize FlatButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return text + QSize(16, 10);
}

void FlatButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool hot = m_hovered && isEnabled();
    QColor face = hot ? m_hover : m_back;
    if (isDown())
        face = face.darker(115);
    p.fillRect(r, face);

    // A thin raised edge, sunken while pressed.
    const QColor light = face.lighter(140);
    const QColor dark = face.darker(160);
    p.setPen(isDown() ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(isDown() ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    if (!icon().isNull()) {
        const QSize size = iconSize().boundedTo(r.size() - QSize(4, 4));
        const QRect target(QPoint(r.center().x() - size.width() / 2 + 1, r.center().y() - size.height() / 2 + 1), size);
        icon().paint(&p, target, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }

    p.setPen(isEnabled() ? m_fore : m_disabledFore);
    p.setFont(font());
    const QRect textRect = r.adjusted(4, 2, -4, -2).translated(isDown() ? QPoint(1, 1) : QPoint());
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, text());

    if (hasFocus()) {
        QPen pen(m_fore, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}
