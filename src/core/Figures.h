#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class ImageBox;

// Figures by number: the archive "\TAVRI.IMG" (an index of 8-byte entries, figure n
// at byte 8 * n: record offset and record length, both signed 32-bit little-endian;
// each record is the picture data followed by a storage flag and a key byte) and the
// override folder "\IMG\", where a file "012.*" replaces figure 12.

// The empty picture: one byte 0. Returned for figure 0, for a figure the archive
// lacks, and for every entry or record that cannot be trusted.
QByteArray emptyPicture();
bool isEmptyPicture(const QByteArray &bytes);

// The picture data of figure n in the archive at archivePath, the override folder
// not consulted: one seek and read of the index entry, one seek and read of the
// record, nothing cached. An entry with offset 0, a negative offset or length, a
// length below 2, a record beyond the end of the file, an index shorter than the
// entry, a storage flag other than 0 (scrambled with the key byte) or 255 (plain),
// and a missing or unreadable archive all give the empty picture.
QByteArray LoadFigureBytesFromArchive(const QString &archivePath, int figure);

// The file in folder that replaces figure n ("007.png" for 7, "1234.gif" for 1234;
// the name is matched case-insensitively, the first in name order wins), or an empty
// string when there is none.
QString findOverrideFigure(const QString &folder, int figure);

// The bytes of figure n as the screens show it: with allowOverride the file in
// "\IMG\" replaces the archive's figure; without it (the printed report) the archive
// "\TAVRI.IMG" is always used.
QByteArray LoadFigureBytes(int figure, bool allowOverride);

// The picture those bytes hold, the format taken from the content (GIF, JPEG, PNG,
// BMP...); a null image when they are not a readable picture.
QImage PictureFromBytes(const QByteArray &bytes);

// The area in which an image box shows figures, kept as text in the box's Tag:
// centre x, centre y, width and height in the form's pixels, each the shortest
// decimal form of a single-precision number, separated by single spaces.
struct PictureFrame
{
    float centreX = 0;
    float centreY = 0;
    float width = 0;
    float height = 0;

    static PictureFrame ofGeometry(const QRect &geometry);
    QString toTag() const;
    // Nothing when the text is not four numbers.
    static std::optional<PictureFrame> fromTag(const QString &tag);
};

// Where a picture of the given natural size goes inside the frame: it touches the
// frame's sides in one direction, keeps its proportions (the other side rounded up
// to a whole pixel) and is centred on the frame's centre. The frame's numbers are
// first rounded to whole pixels, halves to even. An empty rectangle when the frame
// or the picture has no area.
QRect fitPictureGeometry(const PictureFrame &frame, const QSize &natural);

// Records the box's current geometry as its PictureFrame. Called once on load for
// each figure box, after the form has been scaled.
void RememberPictureFrame(ImageBox *box);

// Shows the picture in the box, fitted and centred in the box's PictureFrame. The box
// stays hidden when the bytes are not a readable picture.
void FitPictureInBox(const QByteArray &bytes, ImageBox *box);
