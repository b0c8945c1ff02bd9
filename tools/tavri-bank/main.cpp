// tavri-bank: reads and writes question bank files.
//   tavri-bank decode FILE      prints the records as UTF-8, one per line, record 0 included
//   tavri-bank encode TEXT OUT  writes a bank file from such a UTF-8 text
#include "core/QuestionBank.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tavri-bank: %s\n", message.toUtf8().constData());
    return 1;
}

int usage()
{
    std::fprintf(stderr, "Uso: tavri-bank decode FILE\n     tavri-bank encode TESTO USCITA\n");
    return 2;
}

int decode(const QString &path)
{
    QuestionBank bank;
    QString error;
    if (!BankFile::load(path, &bank, &error))
        return fail(error);
    QByteArray out;
    for (const QString &record : bank.records()) {
        out += record.toUtf8();
        out += '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

int encode(const QString &textPath, const QString &outPath)
{
    QFile file(textPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("impossibile leggere il file \"%1\".").arg(textPath));
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fail(QStringLiteral("il file \"%1\" non è un testo UTF-8 valido.").arg(textPath));
    QStringList records = text.split(QLatin1Char('\n'));
    // The text ends with a newline after its last record.
    if (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    for (QString &r : records) {
        if (r.endsWith(QLatin1Char('\r')))
            r.chop(1);
    }
    if (records.size() > kMaxBankLines)
        return fail(QStringLiteral("il file \"%1\" ha %2 righe: il massimo è %3.")
                        .arg(textPath)
                        .arg(records.size())
                        .arg(kMaxBankLines));
    QString error;
    if (!BankFile::write(outPath, records, &error))
        return fail(QStringLiteral("%1: %2").arg(textPath, error));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("decode"))
        return decode(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("encode"))
        return encode(args[1], args[2]);
    return usage();
}
