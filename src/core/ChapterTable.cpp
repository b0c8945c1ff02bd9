#include "core/ChapterTable.h"

ChapterTable ChapterTable::ab()
{
    return ChapterTable({
        QStringLiteral("01 0001 0531"), QStringLiteral("02 0532 1193"), QStringLiteral("03 1194 1714"),
        QStringLiteral("04 1715 2147"), QStringLiteral("05 2148 2390"), QStringLiteral("06 2391 2650"),
        QStringLiteral("07 2651 2903"), QStringLiteral("08 2904 3506"), QStringLiteral("09 3507 3687"),
        QStringLiteral("10 3688 3950"), QStringLiteral("11 3951 4206"), QStringLiteral("12 4207 4341"),
        QStringLiteral("13 4342 4720"), QStringLiteral("14 4721 5135"), QStringLiteral("15 5136 5291"),
        QStringLiteral("16 5292 5482"), QStringLiteral("17 5483 5814"), QStringLiteral("18 5815 5990"),
        QStringLiteral("19 5991 6125"), QStringLiteral("20 6126 6358"), QStringLiteral("21 6359 6487"),
        QStringLiteral("22 6488 6628"), QStringLiteral("23 6629 6777"), QStringLiteral("24 6778 6880"),
        QStringLiteral("25 6881 7165"),
    });
}

ChapterTable ChapterTable::am()
{
    return ChapterTable({
        QStringLiteral("01 0001 0252"), QStringLiteral("02 0253 0588"), QStringLiteral("03 0589 0865"),
        QStringLiteral("04 0866 0985"), QStringLiteral("05 0986 1168"), QStringLiteral("06 1169 1271"),
        QStringLiteral("07 1272 1474"), QStringLiteral("08 1475 1643"), QStringLiteral("09 1644 1831"),
        QStringLiteral("10 1832 2050"),
    });
}

ChapterRange ChapterTable::rangeAt(int i) const
{
    const QString &e = m_entries.at(i);
    return {e.mid(3, 4).toInt(), e.mid(8, 4).toInt()};
}

std::optional<ChapterRange> ChapterTable::find(int chapter) const
{
    const QString key = QStringLiteral("%1").arg(chapter, 2, 10, QLatin1Char('0'));
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).startsWith(key))
            return rangeAt(i);
    }
    return std::nullopt;
}

int ChapterTable::lastIndex() const
{
    return m_entries.isEmpty() ? 0 : rangeAt(count() - 1).last;
}
