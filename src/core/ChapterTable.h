#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A chapter's inclusive range of bank indices.
struct ChapterRange
{
    int first = 0;
    int last = 0;
};

// The built-in list of a category's chapters. Each ChapterEntry is a 12-character
// text "cc ffff llll": chapter number, first and last bank index.
class ChapterTable
{
public:
    static ChapterTable ab();
    static ChapterTable am();

    explicit ChapterTable(QStringList entries) : m_entries(std::move(entries)) {}

    int count() const { return int(m_entries.size()); }
    const QString &entry(int i) const { return m_entries.at(i); }
    // The range of the i-th entry (0-based).
    ChapterRange rangeAt(int i) const;
    // The range of chapter n, found by its two-digit number scanning from the first entry.
    std::optional<ChapterRange> find(int chapter) const;
    // The last bank index the table covers.
    int lastIndex() const;

private:
    QStringList m_entries;
};
