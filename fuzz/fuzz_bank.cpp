// Feeds arbitrary bytes to the bank reader as a scrambled bank file and reads every
// field of every record in every language.
#include "core/QuestionBank.h"
#include "core/QuestionRecord.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    BankFile::scramble(bytes);
    const QStringList records = BankFile::recordsFromText(bytes);
    for (const QString &line : records) {
        const QuestionRecord r(line);
        volatile int sink = r.chapterCode() + r.stemNumber() + r.statementNumber() + r.figureNumber();
        sink = sink + r.correctAnswer().unicode() + r.questionMark().unicode();
        sink = sink + int(r.questionCode().size() + r.blockKey().size() + r.narrationTag().size());
        for (int language = 0; language < 3; ++language)
            sink = sink + int(r.text(language).size());
        (void)sink;
    }
    QByteArray encoded;
    QString error;
    BankFile::encode(records, &encoded, &error);
    return 0;
}
