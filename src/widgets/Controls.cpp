#include "widgets/Controls.h"

namespace Controls {

namespace {

template<typename W>
W *place(W *w, const QString &name, const QRect &r)
{
    w->setObjectName(name);
    w->setGeometry(r);
    return w;
}

} // namespace

QLabel *label(QWidget *parent, const QString &name, const QRect &r, const QString &text, const QFont &font,
              Qt::Alignment align, bool border)
{
    auto *l = place(new QLabel(text, parent), name, r);
    l->setFont(font);
    l->setAlignment(align);
    l->setWordWrap(true);
    if (border)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    return l;
}

ImageBox *image(QWidget *parent, const QString &name, const QRect &r, const QString &svg, bool stretch)
{
    auto *box = place(new ImageBox(parent), name, r);
    box->setStretch(stretch);
    if (!svg.isEmpty())
        box->setSvg(svg);
    return box;
}

ShapeWidget *shape(QWidget *parent, const QString &name, const QRect &r, ShapeWidget::Kind kind,
                   const QColor &fill, const QColor &border, int borderWidth)
{
    auto *s = place(new ShapeWidget(kind, parent), name, r);
    s->setFillColor(fill);
    s->setBorderColor(border);
    s->setBorderWidth(borderWidth);
    return s;
}

LineWidget *line(QWidget *parent, const QString &name, const QLineF &l, const QColor &color, int width)
{
    auto *w = new LineWidget(l, color, width, parent);
    w->setObjectName(name);
    return w;
}

FlatButton *button(QWidget *parent, const QString &name, const QRect &r, const QString &caption,
                   const QFont &font, const QColor &back)
{
    auto *b = place(new FlatButton(parent), name, r);
    b->setText(caption);
    b->setFont(font);
    b->setBackColor(back);
    b->setHoverColor(back);
    return b;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QRect &r, const QString &caption, const QFont &font)
{
    auto *f = place(new QGroupBox(caption, parent), name, r);
    f->setFont(font);
    // A captioned frame: the caption sits on the top edge, the inside shows the form.
    f->setStyleSheet(QStringLiteral("QGroupBox#%1 { background: transparent; border: 1px solid #9aa3ad;"
                                    " border-radius: 4px; margin-top: 0.6em; }"
                                    "QGroupBox#%1::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                    " left: 10px; padding: 0 4px; }")
                         .arg(name));
    return f;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QRect &r, const QString &caption,
                    const QFont &font)
{
    auto *c = place(new QCheckBox(caption, parent), name, r);
    c->setFont(font);
    return c;
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &r, const QFont &font)
{
    auto *t = place(new QLineEdit(parent), name, r);
    t->setFont(font);
    return t;
}

void setTextColor(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    w->setPalette(pal);
}

void setBackColor(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace Controls
