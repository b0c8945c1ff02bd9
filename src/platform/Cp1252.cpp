#include "platform/Cp1252.h"

namespace {

// Unicode code points of bytes 0x80 to 0x9F.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Cp1252 {

QString decode(const QByteArray &bytes)
{
    // Latin-1 (converted in bulk) differs only in 0x80-0x9F.
    QString text = QString::fromLatin1(bytes);
    const char *in = bytes.constData();
    QChar *out = nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(in[i]);
        if (b >= 0x80 && b < 0xA0) {
            if (!out)
                out = text.data();
            out[i] = QChar(kHighControls[b - 0x80]);
        }
    }
    return text;
}

bool canEncode(QChar c)
{
    return byteFor(c.unicode()) >= 0;
}

bool encode(const QString &text, QByteArray *out, qsizetype *badPosition)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteFor(text[i].unicode());
        if (b < 0) {
            if (badPosition)
                *badPosition = i;
            return false;
        }
        bytes[i] = static_cast<char>(b);
    }
    *out = bytes;
    return true;
}

} // namespace Cp1252
