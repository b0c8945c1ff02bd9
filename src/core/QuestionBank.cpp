#include "core/QuestionBank.h"

#include "platform/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace BankFile {

void scramble(QByteArray &bytes)
{
    char *data = bytes.data();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i)
        data[i] = static_cast<char>(data[i] ^ static_cast<char>(i & 0xFF));
}

QStringList recordsFromText(const QByteArray &plainBytes)
{
    QString text = Cp1252::decode(plainBytes);
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text.split(QLatin1String("\r\n"));
}

bool load(const QString &path, QuestionBank *bank, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists()) {
        *error = QStringLiteral("Il file delle domande \"%1\" non è stato trovato.\n%2").arg(name, path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Il file delle domande \"%1\" non si può leggere.\n%2").arg(name, path);
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Errore di lettura nel file delle domande \"%1\".").arg(name);
        return false;
    }
    if (bytes.isEmpty()) {
        *error = QStringLiteral("Il file delle domande \"%1\" è vuoto.").arg(name);
        return false;
    }
    scramble(bytes);
    QStringList records = recordsFromText(bytes);
    if (records.size() > kMaxBankLines) {
        *error = QStringLiteral("Il file delle domande \"%1\" ha %2 righe: il massimo è %3.")
                     .arg(name)
                     .arg(records.size())
                     .arg(kMaxBankLines);
        return false;
    }
    *bank = QuestionBank(std::move(records));
    return true;
}

bool encode(const QStringList &records, QByteArray *scrambled, QString *error)
{
    QByteArray bytes;
    for (qsizetype line = 0; line < records.size(); ++line) {
        QByteArray encoded;
        qsizetype bad = 0;
        if (!Cp1252::encode(records[line], &encoded, &bad)) {
            *error = QStringLiteral("Riga %1: il carattere \"%2\" (U+%3) non si può scrivere in Windows-1252.")
                         .arg(line + 1)
                         .arg(records[line].at(bad))
                         .arg(records[line].at(bad).unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
        bytes += encoded;
        bytes += "\r\n";
    }
    scramble(bytes);
    *scrambled = bytes;
    return true;
}

bool write(const QString &path, const QStringList &records, QString *error)
{
    QByteArray bytes;
    if (!encode(records, &bytes, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("Impossibile scrivere il file \"%1\".").arg(path);
        return false;
    }
    return true;
}

} // namespace BankFile
