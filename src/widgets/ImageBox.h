#pragma once

#include <QImage>
#include <QWidget>

class QSvgRenderer;

// An image control: a picture shown stretched to the box or at its natural size
// (the box then takes the picture's size). Clickable; without a picture it is an
// invisible click area.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);
    ~ImageBox() override;

    // A raster picture (a figure). Without stretching the box resizes to it.
    void setPicture(const QImage &image);
    // A picture drawn for the program, from the resources (":/pictures/speaker.svg").
    void setSvg(const QString &resourcePath);
    void clearPicture();
    bool hasPicture() const;
    QSize naturalSize() const;
    const QImage &picture() const { return m_image; }

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    QSvgRenderer *m_svg = nullptr;
    bool m_stretch = true;
    bool m_pressed = false;
};
