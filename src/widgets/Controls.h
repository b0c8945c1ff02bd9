#pragma once

#include "widgets/FlatButton.h"
#include "widgets/ImageBox.h"
#include "widgets/LineWidget.h"
#include "widgets/ShapeWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

// The one way screens create their controls: each at its design position, named
// as in the design so tests and other code find it by objectName.
namespace Controls {

QLabel *label(QWidget *parent, const QString &name, const QRect &r, const QString &text, const QFont &font,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop, bool border = false);
// Stretched to its box by default; svg empty for an invisible click area.
ImageBox *image(QWidget *parent, const QString &name, const QRect &r, const QString &svg = QString(),
                bool stretch = true);
ShapeWidget *shape(QWidget *parent, const QString &name, const QRect &r, ShapeWidget::Kind kind,
                   const QColor &fill, const QColor &border = Qt::black, int borderWidth = 1);
LineWidget *line(QWidget *parent, const QString &name, const QLineF &l, const QColor &color, int width = 1);
FlatButton *button(QWidget *parent, const QString &name, const QRect &r, const QString &caption,
                   const QFont &font, const QColor &back);
QGroupBox *frame(QWidget *parent, const QString &name, const QRect &r, const QString &caption,
                 const QFont &font);
QCheckBox *checkBox(QWidget *parent, const QString &name, const QRect &r, const QString &caption,
                    const QFont &font);
QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &r, const QFont &font);

// Sets a label's text colour.
void setTextColor(QWidget *w, const QColor &c);
// Sets the background colour of a label or form (opaque).
void setBackColor(QWidget *w, const QColor &c);

} // namespace Controls
