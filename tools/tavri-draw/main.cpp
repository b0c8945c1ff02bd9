// tavri-draw: draws exam papers from the banks in the program folder, with the same
// code as the exam screens, so a school can check a new bank.
//   tavri-draw KIND [--count N] [--seed S]
// KIND is am, ab or rev; each paper is printed on one line as its 30 bank indices in
// slot order, separated by blanks.
#include "core/ChapterTable.h"
#include "core/QuestionBank.h"
#include "exam/ExamDraw.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tavri-draw: %s\n", message.toUtf8().constData());
    return 1;
}

int usage()
{
    std::fprintf(stderr, "Uso: tavri-draw am|ab|rev [--count N] [--seed S]\n");
    return 2;
}

// A whole number from min up, or nothing.
std::optional<qint64> numberArgument(const QString &text, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();

    const QString kindName = args.at(0);
    PaperKind kind;
    if (kindName == QLatin1String("am"))
        kind = PaperKind::AM;
    else if (kindName == QLatin1String("ab"))
        kind = PaperKind::AB;
    else if (kindName == QLatin1String("rev"))
        kind = PaperKind::RevisedAB;
    else
        return fail(QStringLiteral("tipo di scheda sconosciuto \"%1\": usare am, ab o rev.").arg(kindName));

    qint64 count = 1;
    auto seed = std::uint32_t(QDateTime::currentMSecsSinceEpoch());
    for (int i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return fail(QStringLiteral("manca il valore di %1.").arg(args.at(i)));
        const QString &value = args.at(i + 1);
        if (args.at(i) == QLatin1String("--count")) {
            const auto n = numberArgument(value, 1, 100000000);
            if (!n)
                return fail(QStringLiteral("--count vuole un numero intero da 1 in su, non \"%1\".").arg(value));
            count = *n;
        } else if (args.at(i) == QLatin1String("--seed")) {
            const auto n = numberArgument(value, 0, 4294967295LL);
            if (!n)
                return fail(QStringLiteral("--seed vuole un numero intero da 0 a 4294967295, non \"%1\".").arg(value));
            seed = std::uint32_t(*n);
        } else {
            return fail(QStringLiteral("opzione sconosciuta \"%1\".").arg(args.at(i)));
        }
    }

    const bool am = kind == PaperKind::AM;
    const QString bankName = am ? QStringLiteral("TAVRI_AM.SET") : QStringLiteral("TAVRI.SET");
    const QString bankPath = programPath(QLatin1Char('\\') + bankName);
    QuestionBank bank;
    QString error;
    if (!BankFile::load(bankPath, &bank, &error))
        return fail(error);
    const ChapterTable chapters = am ? ChapterTable::am() : ChapterTable::ab();

    MersenneRandom random(seed);
    ExamDraw draw(bank, chapters, random, bankName);
    QVector<qint16> paper;
    for (qint64 n = 0; n < count; ++n) {
        if (!draw.draw(kind, &paper, &error))
            return fail(error);
        QByteArray line;
        for (int s = 0; s < paper.size(); ++s) {
            if (s > 0)
                line += ' ';
            line += QByteArray::number(paper.at(s));
        }
        line += '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    return 0;
}
