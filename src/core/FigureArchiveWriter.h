#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

// Building the figure archive "TAVRI.IMG" (the layout LoadFigureBytesFromArchive
// reads): an index of 8-byte entries, figure n at byte 8 * n (record offset and
// record length, signed 32-bit little-endian, offset 0 for a missing figure), then
// the records, each the picture data followed by a storage flag and a key byte.
namespace FigureArchive {

// Figure numbers are 16-bit wherever the program holds them; 0 means "no figure".
constexpr int kMaxFigureNumber = 32767;

enum class Storage : quint8 {
    Scrambled = 0, // every picture byte XORed with the record's key byte
    Plain = 255,
};

// The key byte of figure n in a scrambled archive: fixed per number, so the same
// pictures always give the same file, and never 0, so no picture is stored as is.
quint8 keyFor(int figure);

// One record: the picture data (XORed with key when scrambled), the flag, the key.
QByteArray encodeRecord(const QByteArray &picture, Storage storage, quint8 key);

// The whole archive for figures numbered 1 to kMaxFigureNumber; the index runs up to
// the highest number. Fails with an Italian message when a number is out of range,
// there is no figure at all or the archive would exceed the 32-bit offsets.
bool encode(const QMap<int, QByteArray> &figures, Storage storage, QByteArray *archive, QString *error);

// Encodes and writes atomically; on failure nothing is written and *error says why.
bool write(const QString &path, const QMap<int, QByteArray> &figures, Storage storage, QString *error);

// Reads a folder of pictures named by figure number ("012.png", "0603.gif", "7.jpg"):
// every file must be named by a number from 1 to kMaxFigureNumber, hold a readable
// picture, and be the only file with its number. On the first bad file returns false
// with an Italian message naming it.
bool readFolder(const QString &folder, QMap<int, QByteArray> *figures, QString *error);

// readFolder, then write: what "tavri-img build" does. On any failure nothing is written.
bool buildFromFolder(const QString &folder, const QString &path, Storage storage, QString *error);

struct IndexEntry
{
    int figure = 0;
    qint32 offset = 0;
    qint32 length = 0;
    int flag = -1; // the record's storage flag byte, -1 when the record lies outside the file
};

// The present figures of an archive, in number order. The index is taken to end
// where the first record begins. Fails with an Italian message naming the file when
// it cannot be read or is not an archive.
bool readIndex(const QString &path, QVector<IndexEntry> *entries, QString *error);

} // namespace FigureArchive
