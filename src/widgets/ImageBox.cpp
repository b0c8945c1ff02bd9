#include "widgets/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

ImageBox::ImageBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

ImageBox::~ImageBox() = default;

void ImageBox::setPicture(const QImage &image)
{
    delete m_svg;
    m_svg = nullptr;
    m_image = image;
    if (!m_stretch && !m_image.isNull())
        resize(m_image.size());
    update();
}

void ImageBox::setSvg(const QString &resourcePath)
{
    m_image = QImage();
    delete m_svg;
    m_svg = new QSvgRenderer(resourcePath, this);
    m_svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (!m_stretch)
        resize(m_svg->defaultSize());
    update();
}

void ImageBox::clearPicture()
{
    delete m_svg;
    m_svg = nullptr;
    m_image = QImage();
    update();
}

bool ImageBox::hasPicture() const
{
    return !m_image.isNull() || (m_svg && m_svg->isValid());
}

QSize ImageBox::naturalSize() const
{
    if (m_svg)
        return m_svg->defaultSize();
    return m_image.size();
}

void ImageBox::setStretch(bool stretch)
{
    m_stretch = stretch;
    if (!m_stretch && hasPicture())
        resize(naturalSize());
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (!hasPicture())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect target = m_stretch ? rect() : QRect(QPoint(0, 0), naturalSize());
    if (m_svg)
        m_svg->render(&p, target);
    else
        p.drawImage(target, m_image);
}

void ImageBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void ImageBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    }
}
