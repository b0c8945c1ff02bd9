#include "core/Figures.h"

#include "platform/ProgramFolder.h"
#include "widgets/Design.h"
#include "widgets/ImageBox.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <charconv>
#include <cmath>

QByteArray emptyPicture()
{
    return QByteArray(1, '\0');
}

bool isEmptyPicture(const QByteArray &bytes)
{
    return bytes.size() == 1 && bytes.at(0) == '\0';
}

QByteArray LoadFigureBytesFromArchive(const QString &archivePath, int figure)
{
    if (figure <= 0)
        return emptyPicture();

    QFile archive(archivePath);
    if (!archive.open(QIODevice::ReadOnly))
        return emptyPicture();
    const qint64 fileSize = archive.size();

    const qint64 entryAt = qint64(figure) * 8;
    if (entryAt + 8 > fileSize || !archive.seek(entryAt))
        return emptyPicture();
    const QByteArray entry = archive.read(8);
    if (entry.size() != 8)
        return emptyPicture();
    const qint64 offset = qFromLittleEndian<qint32>(entry.constData());
    const qint64 length = qFromLittleEndian<qint32>(entry.constData() + 4);

    // The file is not trusted: the record must lie wholly inside it before anything
    // of that size is allocated.
    if (offset <= 0 || length < 2 || offset + length > fileSize || !archive.seek(offset))
        return emptyPicture();
    QByteArray record = archive.read(length);
    if (record.size() != length)
        return emptyPicture();

    const auto flag = quint8(record.at(length - 2));
    const auto key = char(record.at(length - 1));
    record.truncate(length - 2);
    if (flag == 0) {
        for (char &c : record)
            c ^= key;
        return record;
    }
    if (flag == 255)
        return record;
    return emptyPicture();
}

QString findOverrideFigure(const QString &folder, int figure)
{
    if (figure < 0)
        return QString();
    const QString number = QStringLiteral("%1").arg(figure, 3, 10, QLatin1Char('0'));
    const QDir dir(folder);
    // Like the wildcard "012.*": the number alone or followed by any extension.
    const QStringList names = dir.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (name.compare(number, Qt::CaseInsensitive) == 0
            || (name.startsWith(number, Qt::CaseInsensitive) && name.size() > number.size()
                && name.at(number.size()) == QLatin1Char('.')))
            return dir.filePath(name);
    }
    return QString();
}

QByteArray LoadFigureBytes(int figure, bool allowOverride)
{
    if (figure == 0)
        return emptyPicture();
    if (allowOverride) {
        const QString overridePath = findOverrideFigure(programPath(QStringLiteral("\\IMG\\")), figure);
        if (!overridePath.isEmpty()) {
            QFile file(overridePath);
            if (file.open(QIODevice::ReadOnly))
                return file.readAll();
        }
    }
    return LoadFigureBytesFromArchive(programPath(QStringLiteral("\\TAVRI.IMG")), figure);
}

QImage PictureFromBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QImage();
    return QImage::fromData(bytes);
}

namespace {

QString shortestSingle(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

} // namespace

PictureFrame PictureFrame::ofGeometry(const QRect &g)
{
    PictureFrame f;
    f.width = float(g.width());
    f.height = float(g.height());
    f.centreX = float(g.x()) + f.width / 2.0f;
    f.centreY = float(g.y()) + f.height / 2.0f;
    return f;
}

QString PictureFrame::toTag() const
{
    return QStringList{shortestSingle(centreX), shortestSingle(centreY), shortestSingle(width),
                       shortestSingle(height)}
        .join(QLatin1Char(' '));
}

std::optional<PictureFrame> PictureFrame::fromTag(const QString &tag)
{
    const QStringList parts = tag.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    float values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts.at(i).toFloat(&ok);
        if (!ok || !std::isfinite(values[i]))
            return std::nullopt;
    }
    return PictureFrame{values[0], values[1], values[2], values[3]};
}

namespace {

// A single-precision size rounded up to a whole pixel when it has a fraction.
int wholeOrNext(float value)
{
    const float whole = std::floor(value);
    return int(whole == value ? whole : whole + 1.0f);
}

} // namespace

QRect fitPictureGeometry(const PictureFrame &frame, const QSize &natural)
{
    const float cx = std::nearbyint(frame.centreX);
    const float cy = std::nearbyint(frame.centreY);
    const float w = std::nearbyint(frame.width);
    const float h = std::nearbyint(frame.height);
    if (w <= 0 || h <= 0 || natural.isEmpty())
        return QRect();

    const float ratioH = float(natural.height()) / h;
    const float ratioW = float(natural.width()) / w;
    int width;
    int height;
    if (ratioH > ratioW) {
        height = int(h);
        width = wholeOrNext(float(natural.width()) / ratioH);
    } else {
        width = int(w);
        height = wholeOrNext(float(natural.height()) / ratioW);
    }
    const auto left = int(std::nearbyint(cx - float(width) / 2.0f));
    const auto top = int(std::nearbyint(cy - float(height) / 2.0f));
    return QRect(left, top, width, height);
}

void RememberPictureFrame(ImageBox *box)
{
    Design::setTag(box, PictureFrame::ofGeometry(box->geometry()).toTag());
}

void FitPictureInBox(const QByteArray &bytes, ImageBox *box)
{
    box->hide();
    const std::optional<PictureFrame> frame = PictureFrame::fromTag(Design::tag(box).toString());
    box->setStretch(false);
    box->setPicture(PictureFromBytes(bytes));
    if (!frame || !box->hasPicture())
        return;
    const QRect geometry = fitPictureGeometry(*frame, box->naturalSize());
    if (geometry.isEmpty())
        return;
    box->setStretch(true);
    box->setGeometry(geometry);
    box->show();
}
