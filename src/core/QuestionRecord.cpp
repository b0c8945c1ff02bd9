#include "core/QuestionRecord.h"

QStringList QuestionRecord::questionTexts() const
{
    if (m_line.size() <= 30)
        return {QString()};
    return m_line.mid(30).split(QLatin1Char('\t'));
}

QString QuestionRecord::text(int languageIndex) const
{
    const QStringList texts = questionTexts();
    if (languageIndex >= 0 && languageIndex < texts.size())
        return texts.at(languageIndex);
    return texts.at(0);
}

int QuestionRecord::valueOf(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80 && value < 100000000) {
        value = value * 10 + (text[i].unicode() - '0');
        ++i;
    }
    return static_cast<int>(negative ? -value : value);
}
