// make_banks OUTDIR SOURCE...: writes the three installed question banks
// (date.dat, ti2.dat, hao2.dat, GBK with CR LF) from the UTF-8 teaser sources.
//
// A source holds one teaser per line, "question<TAB>answer"; blank lines and
// lines starting with "#" are skipped. The teasers are dealt out round-robin
// across the sources, so each bank mixes every theme, and then fill the banks
// in order: 300, 502, then 1262. The total must match exactly.
#include <QFile>
#include <QStringEncoder>
#include <QTextStream>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Teaser {
    QString question;
    QString answer;
    QString origin; // file:line, for error messages
};

struct BankLayout {
    const char *fileName;
    int count;
    bool extraEmptyLine; // the file ends with CR LF CR LF
    QChar (*separator)(int questionNumber);
};

QChar pointSeparator(int)
{
    return u'.';
}

// The third bank numbers its first 420 questions and question 831 with a colon.
QChar thirdBankSeparator(int number)
{
    return number <= 420 || number == 831 ? u':' : u'.';
}

const BankLayout layouts[] = {
    {"date.dat", 300, false, pointSeparator},
    {"ti2.dat", 502, false, pointSeparator},
    {"hao2.dat", 1262, true, thirdBankSeparator},
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "make_banks: %s\n", qPrintable(message));
    std::exit(1);
}

std::vector<Teaser> readSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    std::vector<Teaser> teasers;
    for (int lineNumber = 1; !stream.atEnd(); ++lineNumber) {
        const QString line = stream.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(u'\t');
        const QString origin = QStringLiteral("%1:%2").arg(path).arg(lineNumber);
        if (parts.size() != 2 || parts[0].isEmpty() || parts[1].isEmpty())
            fail(origin + QStringLiteral(": expected question<TAB>answer"));
        teasers.push_back({parts[0], parts[1], origin});
    }
    return teasers;
}

std::vector<Teaser> dealRoundRobin(const std::vector<std::vector<Teaser>> &sources)
{
    std::vector<Teaser> dealt;
    for (std::size_t round = 0;; ++round) {
        bool any = false;
        for (const auto &source : sources) {
            if (round < source.size()) {
                dealt.push_back(source[round]);
                any = true;
            }
        }
        if (!any)
            return dealt;
    }
}

QByteArray toGbk(const QString &text, const QString &origin)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        fail(origin + QStringLiteral(": text has characters without a GBK form"));
    return bytes;
}

void writeBank(const QString &directory, const BankLayout &layout, const Teaser *teasers)
{
    QByteArray bytes = QByteArray::number(layout.count) + "\r\n";
    for (int number = 1; number <= layout.count; ++number) {
        const Teaser &teaser = teasers[number - 1];
        bytes += QByteArray::number(number) + toGbk(QString(layout.separator(number)), teaser.origin)
                 + toGbk(teaser.question, teaser.origin) + "\r\n";
        bytes += toGbk(teaser.answer, teaser.origin) + "\r\n";
    }
    if (layout.extraEmptyLine)
        bytes += "\r\n";
    QFile file(directory + u'/' + QString::fromLatin1(layout.fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(file.fileName()));
}

}

int main(int argc, char *argv[])
{
    if (argc < 3)
        fail(QStringLiteral("usage: make_banks OUTDIR SOURCE..."));
    std::vector<std::vector<Teaser>> sources;
    for (int i = 2; i < argc; ++i)
        sources.push_back(readSource(QString::fromLocal8Bit(argv[i])));
    const std::vector<Teaser> teasers = dealRoundRobin(sources);

    std::size_t wanted = 0;
    for (const BankLayout &layout : layouts)
        wanted += std::size_t(layout.count);
    if (teasers.size() != wanted)
        fail(QStringLiteral("the sources hold %1 teasers, the banks take exactly %2").arg(teasers.size()).arg(wanted));

    const QString directory = QString::fromLocal8Bit(argv[1]);
    const Teaser *next = teasers.data();
    for (const BankLayout &layout : layouts) {
        writeBank(directory, layout, next);
        next += layout.count;
    }
    return 0;
}
