#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One category's statements, one record per line of the bank file; index 0 is the
// file's first line and never a statement. Read-only once loaded.
class QuestionBank
{
public:
    QuestionBank() = default;
    explicit QuestionBank(QStringList records) : m_records(std::move(records)) {}

    const QString &record(int index) const { return m_records.at(index); }
    int lastIndex() const { return int(m_records.size()) - 1; }
    bool contains(int index) const { return index >= 1 && index < m_records.size(); }
    const QStringList &records() const { return m_records; }

private:
    QStringList m_records;
};

// Bank indices are 16-bit wherever they are held, so a bank has at most this many lines.
constexpr int kMaxBankLines = 32767;

namespace BankFile {

// The scrambling is its own inverse: byte i is XORed with i mod 256.
void scramble(QByteArray &bytes);

// Descrambled bytes to records: Windows-1252, one final CR LF dropped, split at CR LF.
QStringList recordsFromText(const QByteArray &plainBytes);

// Reads and descrambles a bank file. On failure returns false with an Italian
// message naming the file in *error.
bool load(const QString &path, QuestionBank *bank, QString *error);

// Records joined by CR LF with a final CR LF, Windows-1252, scrambled. Fails with an
// Italian message naming the 1-based line when a character does not fit the code page.
bool encode(const QStringList &records, QByteArray *scrambled, QString *error);

// Writes a bank file atomically; nothing is written on failure.
bool write(const QString &path, const QStringList &records, QString *error);

} // namespace BankFile
