#include "core/FigureArchiveWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

#include <limits>

namespace FigureArchive {

namespace {

constexpr qint64 kEntrySize = 8;

// "12" from "012.png"; an empty string when the name does not start with a number
// followed by the end or a dot.
QString numberPart(const QString &fileName)
{
    const QString stem = fileName.section(QLatin1Char('.'), 0, 0);
    for (const QChar c : stem) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QString();
    }
    return stem;
}

} // namespace

quint8 keyFor(int figure)
{
    // Spread over 1..255 so that neighbouring figures get unrelated keys.
    return quint8(1 + (quint32(figure) * 97u + 31u) % 255u);
}

QByteArray encodeRecord(const QByteArray &picture, Storage storage, quint8 key)
{
    QByteArray record = picture;
    if (storage == Storage::Scrambled) {
        const char k = char(key);
        for (char &c : record)
            c ^= k;
    }
    record.append(char(quint8(storage)));
    record.append(char(storage == Storage::Scrambled ? key : 0));
    return record;
}

bool encode(const QMap<int, QByteArray> &figures, Storage storage, QByteArray *archive, QString *error)
{
    if (figures.isEmpty()) {
        *error = QStringLiteral("Non c'è nessuna figura da mettere nell'archivio.");
        return false;
    }
    const int first = figures.firstKey();
    const int last = figures.lastKey();
    if (first < 1 || last > kMaxFigureNumber) {
        *error = QStringLiteral("Il numero di figura %1 non è valido: i numeri vanno da 1 a %2.")
                     .arg(first < 1 ? first : last)
                     .arg(kMaxFigureNumber);
        return false;
    }

    const qint64 indexSize = (qint64(last) + 1) * kEntrySize;
    qint64 total = indexSize;
    for (const QByteArray &picture : figures)
        total += picture.size() + 2;
    if (total > std::numeric_limits<qint32>::max()) {
        *error = QStringLiteral("Le figure sono troppo grandi per un archivio: %1 byte, il massimo è %2.")
                     .arg(total)
                     .arg(std::numeric_limits<qint32>::max());
        return false;
    }

    QByteArray index(indexSize, '\0');
    QByteArray records;
    records.reserve(total - indexSize);
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        const QByteArray record = encodeRecord(it.value(), storage, keyFor(it.key()));
        char *entry = index.data() + qint64(it.key()) * kEntrySize;
        qToLittleEndian(qint32(indexSize + records.size()), entry);
        qToLittleEndian(qint32(record.size()), entry + 4);
        records += record;
    }
    *archive = index + records;
    return true;
}

bool write(const QString &path, const QMap<int, QByteArray> &figures, Storage storage, QString *error)
{
    QByteArray bytes;
    if (!encode(figures, storage, &bytes, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("Impossibile scrivere l'archivio \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool readFolder(const QString &folder, QMap<int, QByteArray> *figures, QString *error)
{
    const QDir dir(folder);
    if (!dir.exists()) {
        *error = QStringLiteral("La cartella \"%1\" non esiste.").arg(folder);
        return false;
    }
    QMap<int, QString> fileOf;
    QMap<int, QByteArray> read;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        const QString number = numberPart(name);
        if (number.isEmpty()) {
            *error = QStringLiteral("Il nome del file \"%1\" non è un numero di figura.").arg(name);
            return false;
        }
        bool ok = false;
        const qlonglong value = number.size() <= 9 ? number.toLongLong(&ok) : 0;
        if (!ok || value < 1 || value > kMaxFigureNumber) {
            *error = QStringLiteral("Il file \"%1\" ha un numero di figura fuori dai limiti: "
                                    "i numeri vanno da 1 a %2.")
                         .arg(name)
                         .arg(kMaxFigureNumber);
            return false;
        }
        const int figure = int(value);
        if (fileOf.contains(figure)) {
            *error = QStringLiteral("I file \"%1\" e \"%2\" hanno lo stesso numero di figura %3.")
                         .arg(fileOf.value(figure), name)
                         .arg(figure);
            return false;
        }
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Impossibile leggere il file \"%1\".").arg(name);
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            *error = QStringLiteral("Errore di lettura nel file \"%1\".").arg(name);
            return false;
        }
        if (QImage::fromData(bytes).isNull()) {
            *error = QStringLiteral("Il file \"%1\" non è un'immagine leggibile.").arg(name);
            return false;
        }
        fileOf.insert(figure, name);
        read.insert(figure, bytes);
    }
    if (read.isEmpty()) {
        *error = QStringLiteral("La cartella \"%1\" non contiene figure.").arg(folder);
        return false;
    }
    *figures = read;
    return true;
}

bool buildFromFolder(const QString &folder, const QString &path, Storage storage, QString *error)
{
    QMap<int, QByteArray> figures;
    return readFolder(folder, &figures, error) && write(path, figures, storage, error);
}

bool readIndex(const QString &path, QVector<IndexEntry> *entries, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Impossibile leggere l'archivio \"%1\".").arg(name);
        return false;
    }
    const qint64 fileSize = file.size();
    QVector<IndexEntry> found;
    qint64 indexEnd = fileSize;
    for (qint64 n = 0; (n + 1) * kEntrySize <= indexEnd && n <= kMaxFigureNumber; ++n) {
        const QByteArray entry = file.read(kEntrySize);
        if (entry.size() != kEntrySize) {
            *error = QStringLiteral("Errore di lettura nell'archivio \"%1\".").arg(name);
            return false;
        }
        IndexEntry e;
        e.figure = int(n);
        e.offset = qFromLittleEndian<qint32>(entry.constData());
        e.length = qFromLittleEndian<qint32>(entry.constData() + 4);
        if (e.offset == 0)
            continue;
        if (e.offset < 0 || e.offset >= fileSize) {
            *error = QStringLiteral("L'archivio \"%1\" non è valido: la voce della figura %2 "
                                    "indica la posizione %3, fuori dal file.")
                         .arg(name)
                         .arg(n)
                         .arg(e.offset);
            return false;
        }
        if (e.offset < (n + 1) * kEntrySize) {
            *error = QStringLiteral("L'archivio \"%1\" non è valido: la voce della figura %2 "
                                    "punta all'interno dell'indice.")
                         .arg(name)
                         .arg(n);
            return false;
        }
        indexEnd = qMin(indexEnd, qint64(e.offset));
        found.append(e);
    }
    if (found.isEmpty()) {
        *error = QStringLiteral("L'archivio \"%1\" non contiene figure.").arg(name);
        return false;
    }
    for (IndexEntry &e : found) {
        const qint64 flagAt = qint64(e.offset) + e.length - 2;
        if (e.length >= 2 && flagAt + 2 <= fileSize && file.seek(flagAt)) {
            const QByteArray flag = file.read(1);
            if (flag.size() == 1)
                e.flag = quint8(flag.at(0));
        }
    }
    *entries = found;
    return true;
}

} // namespace FigureArchive
