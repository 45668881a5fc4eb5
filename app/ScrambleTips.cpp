// Build tool: turns the readable tips source (UTF-8, one "|tip" per line, a last "|") into
// the game's tips.txt: the tips joined into one line, in GBK, every byte XOR 0x5A.
//
// Usage: ScrambleTips <tips-source.txt> <tips.txt>

#include "platform/Gbk.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

namespace {

constexpr char kTipsKey = 0x5A;

int fail(const char* message, const QString& detail)
{
    std::fprintf(stderr, "ScrambleTips: %s %s\n", message, detail.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ScrambleTips <tips-source.txt> <tips.txt>\n");
        return 2;
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString targetPath = QString::fromLocal8Bit(argv[2]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail("cannot read", sourcePath);
    QString text = QString::fromUtf8(source.readAll());
    // Lines are only for reading the source: the ticker shows one long line.
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));

    if (!platform::gbkConverterAvailable())
        return fail("this system has no GBK converter for", sourcePath);
    const std::string gbk = platform::toGbk(text);
    if (platform::fromGbk(gbk) != text)
        return fail("text has characters GBK cannot hold:", sourcePath);
    QByteArray bytes(gbk.data(), qsizetype(gbk.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        // The key byte itself would scramble to zero, where the game stops reading.
        if (bytes[i] == kTipsKey || bytes[i] == '\0')
            return fail("a byte would end the text early, at offset", QString::number(i));
        bytes[i] = char(bytes[i] ^ kTipsKey);
    }

    QFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) || target.write(bytes) != bytes.size())
        return fail("cannot write", targetPath);
    return 0;
}
