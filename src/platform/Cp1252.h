#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every text file the program reads and writes:
// Latin-1 with 27 printable characters in 0x80-0x9F. The five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as
// Windows does, so every byte decodes and decoding followed by encoding is exact.
namespace Cp1252 {

QString decode(const QByteArray &bytes);

// Encodes text; returns false and leaves the position of the first character that
// the code page cannot hold in *badPosition when there is one.
bool encode(const QString &text, QByteArray *out, qsizetype *badPosition = nullptr);

bool canEncode(QChar c);

} // namespace Cp1252
