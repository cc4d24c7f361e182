// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"
#include "ChatEngine.h"
#include "ChatSession.h"
#include "KnowledgeFileCache.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

// The Test Chat's engine over 20 MB of knowledge bases: the first index, a
// reply, and a reply after one keystroke in one of the knowledge bases; then
// the window's way, the bases read from the folder's files for each line.
namespace {

QString word(QRandomGenerator &random)
{
    static const char *syllables[] = {"ka", "lo", "mi", "ne", "ru", "sa",  "to",  "vi",  "ze",  "po",
                                      "an", "el", "is", "or", "um", "bra", "sto", "qui", "dre", "fle"};
    QString w;
    const int n = 1 + int(random.bounded(4));
    for (int i = 0; i < n; ++i)
        w += QLatin1String(syllables[random.bounded(20)]);
    return w;
}

QString paragraph(QRandomGenerator &random)
{
    static const char *common[] = {"the", "is", "of", "and", "a", "in", "to", "it"};
    QString text;
    const int n = 15 + int(random.bounded(30));
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        text += random.bounded(3) == 0 ? QLatin1String(common[random.bounded(8)]) : word(random);
    }
    return text + QStringLiteral(".\r\n\r\n");
}

// The processor time this process used, in milliseconds: on a busy machine the
// wall-clock figures hold the time other programs ran.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

int main()
{
    QRandomGenerator random(2026);
    constexpr qsizetype target = 20 * 1000 * 1000 / 4; // characters per base: four bases, 20 MB in all
    QList<ChatDocument> knowledge;
    for (int k = 0; k < 4; ++k) {
        QString text;
        text.reserve(target + 1000);
        while (text.size() < target)
            text += paragraph(random);
        knowledge << ChatDocument{QStringLiteral("Base%1.kba").arg(k), text};
    }
    QString qandA;
    for (int q = 0; q < 500; ++q)
        qandA +=
            QStringLiteral("\r\n#%1 %2 %3?&%4%").arg(word(random), word(random), word(random), word(random));
    const QString memory = paragraph(random) + paragraph(random);
    qsizetype characters = 0;
    for (const ChatDocument &d : knowledge)
        characters += d.text.size();
    std::printf("knowledge bases: %lld characters in 4 files\n", static_cast<long long>(characters));

    ChatEngine engine;
    double cpu = cpuMs();
    const double wall = BenchSupport::ms([&] { engine.setTexts(qandA, memory, knowledge); });
    std::printf("%-52s %8.1f ms   (processor time %.1f ms)\n", "first index of the knowledge bases", wall,
                cpuMs() - cpu);

    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("what is %1 %2 of %3 %4?")
                     .arg(word(random), word(random), word(random), word(random));
    cpu = cpuMs();
    BenchSupport::printTimes("reply, 20 MB loaded", 200, [&](int i) { engine.reply(lines.at(i)); });
    std::printf("%-52s %8.3f ms\n", "  processor time per reply", (cpuMs() - cpu) / 200);

    // One keystroke in the middle of the second base, then the next reply.
    cpu = cpuMs();
    BenchSupport::printTimes("one keystroke in a base, then the next reply", 100, [&](int i) {
        QString &text = knowledge[1].text;
        text.insert(text.size() / 2 + i * 97, QLatin1Char(i % 7 == 0 ? ' ' : 'x'));
        engine.setTexts(qandA, memory, knowledge);
        engine.reply(lines.at(i));
    });
    std::printf("%-52s %8.3f ms\n", "  processor time per keystroke and reply", (cpuMs() - cpu) / 100);
    BenchSupport::printTimes("an Enter typed in a base, then the next reply", 50, [&](int i) {
        QString &text = knowledge[2].text;
        text.insert(text.size() / 3 + i * 131, QStringLiteral("\r\n"));
        engine.setTexts(qandA, memory, knowledge);
        engine.reply(lines.at(i));
    });
    BenchSupport::printTimes("no change, then the next reply", 100, [&](int i) {
        engine.setTexts(qandA, memory, knowledge);
        engine.reply(lines.at(i));
    });

    // As the window answers from the folder's files: each line reads the
    // knowledge bases through the cache, which reads a file only when it
    // changed on disk.
    QTemporaryDir folder;
    for (const ChatDocument &d : knowledge)
        BenchSupport::writeFile(QDir(folder.path()).filePath(d.name), d.text.toLatin1());
    KnowledgeFileCache cache;
    ChatSession session;
    const auto sayFromFiles = [&](const QString &line) {
        QList<ChatDocument> documents;
        for (const ChatDocument &d : knowledge) {
            ChatDocument read;
            if (const QString error = cache.read(folder.path(), d.name, &read); !error.isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(error));
            documents << read;
        }
        session.say(line, qandA, memory, documents);
    };
    std::printf("%-52s %8.1f ms\n", "first line, 20 MB of files read and indexed",
                BenchSupport::ms([&] { sayFromFiles(lines.at(0)); }));
    BenchSupport::printTimes("reply, 20 MB of files, none changed", 200,
                             [&](int i) { sayFromFiles(lines.at(i)); });
    return 0;
}
