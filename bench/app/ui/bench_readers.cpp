// SPDX-License-Identifier: GPL-3.0-or-later
// The core readers of "Options.Cfg", personality files and text files for
// import, on shapes chosen to defeat them (hand-edited or damaged files): each
// must stay linear, so that a 16 MB file of any shape opens in well under a
// second. Every case runs in a process of its own under a time limit, so that
// a reader gone quadratic shows as ">limit" instead of hanging the run.
//
//   bench_readers                      every case at 1, 4 and 16 MB
//   bench_readers <MB>...              every case at the given sizes
//   bench_readers --limit <s> ...      another time limit (default 60 s)
//   bench_readers --case <text> ...    only the cases whose reader and shape hold text
//   bench_readers --child <case> <MB>  one measurement (internal)
//
// Each line gives the CPU time of the read (bytes to the settings; both files
// of a personality to its texts, sections taken out; bytes to the facts of
// the import) and what it produced; for a personality also the time of Save
// Personality's check of the memory text. The checks (--check) are timed from
// bytes to findings. The editors' loads (file to the document a text area
// shows) print beside their own time the floor: the text area's own layout of
// the same text, which no reader can go below.

#include "Cp1252.h"
#include "KnowledgeBase.h"
#include "KnowledgeCheck.h"
#include "LocationCheck.h"
#include "LocationSettings.h"
#include "PersonalityCheck.h"
#include "PersonalityDocument.h"
#include "PersonalityFile.h"
#include "PlainTextDocument.h"
#include "SceneCheck.h"
#include "SentenceSplitter.h"
#include "SourceText.h"
#include "SubstitutionTable.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using Maker = std::function<QByteArray(qsizetype bytes)>;

// Repeats piece until the text holds at least bytes bytes.
QByteArray repeated(const QByteArray &piece, qsizetype bytes)
{
    return piece.repeated(bytes / piece.size() + 1);
}

// Options.Cfg ----------------------------------------------------------------

QByteArray entriesOnOneLine(qsizetype bytes)
{
    return repeated("Location1=a.jpg,One,Location2=b.jpg,Two,Location3=c.jpg,Three,"
                    "Location4=d.jpg,Four,Location5=e.jpg,Five,",
                    bytes);
}

QByteArray keysWithoutCommas(qsizetype bytes)
{
    return repeated("Location1=a.jpg\r\nLocation2=b.jpg\r\nLocation3=c.jpg\r\n", bytes);
}

QByteArray keysWithoutCommasOnOneLine(qsizetype bytes)
{
    return repeated("Location1=a.jpg Location2=b.jpg Location3=c.jpg ", bytes);
}

QByteArray linesBetweenEntries(qsizetype bytes)
{
    return repeated("Speech=1\r\nLocation1=a.jpg,One,\r\nVoice=2\r\nLocation2=b.jpg,Two,\r\n", bytes);
}

QByteArray oldKeysInFront(qsizetype bytes)
{
    return repeated("; old: Location2=beach\r\n", bytes) +
           "Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
           "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n";
}

// Every entry, once removed, joins the text around it into one more key:
// "Loca" + ("Loca" + ... "Location1=a,b," ... + "tion1=a,b,") + "tion1=a,b,".
QByteArray nestedJoins(qsizetype bytes)
{
    const qsizetype depth = bytes / 14;
    return QByteArray("Loca").repeated(depth) + "Location1=a,b," + QByteArray("tion1=a,b,").repeated(depth);
}

QByteArray oneLongLine(qsizetype bytes)
{
    return QByteArray(bytes, 'x');
}

struct Measured
{
    double cpuMs = 0;
    QString result;
};

double cpuMsSince(std::clock_t start)
{
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

Measured optionsCfg(const QByteArray &bytes)
{
    const std::clock_t start = std::clock();
    const LocationSettings settings = LocationSettings::fromFileText(Cp1252::decode(bytes));
    const double cpuMs = cpuMsSince(start);
    return {cpuMs, QStringLiteral("file1=\"%1\" other=%2+%3 chars")
                       .arg(settings.LocationFile[0].left(12))
                       .arg(settings.OptOther.size())
                       .arg(settings.OptAfter.size())};
}

// Personality ----------------------------------------------------------------

QByteArray markersWithoutLineEnds(qsizetype bytes)
{
    return repeated("* MatchWords:* WontSay:", bytes);
}

QByteArray markerAndNoEmptyLine(qsizetype bytes)
{
    return "* MatchWords:\r\n" + repeated("cat\r\n", bytes) + "* WontSay:\r\n";
}

QByteArray nearMissMarkers(qsizetype bytes)
{
    return repeated("* MatchWords:\r* WontSay:\n\r\n", bytes);
}

QByteArray lineBreakCharacters(qsizetype bytes)
{
    return QByteArray(bytes, '\xb6');
}

QByteArray storedStatements(qsizetype bytes)
{
    const QString memory =
        QString::fromLatin1(repeated("I like cats, especially the fluffy ones.\r\n\r\n", bytes));
    return SubstitutionTable::encode(
               {memory, QStringLiteral("\r\n\r\n* MatchWords:\r\ncats\r\n\r\n* WontSay:\r\n\r\n")},
               SubstitutionTable::LineBreakStep::Fold)
        .toLatin1();
}

Measured personality(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    for (const char *name : {"Big.mem", "Big.qas"}) {
        QFile file(folder + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {0, QStringLiteral("cannot write")};
    }
    // Reading the two files is part of the load; the file writes above are not.
    std::clock_t start = std::clock();
    const PersonalityFile::ReadResult read = PersonalityFile::read(folder, QStringLiteral("Big"));
    const double cpuMs = cpuMsSince(start);

    // Save Personality's check of the texts.
    start = std::clock();
    const PersonalityFile::SaveCheck check =
        PersonalityFile::checkSave(read.texts, QStringLiteral("Big.mem"), QStringLiteral("Big.qas"));
    const double checkMs = cpuMsSince(start);
    return {cpuMs, QStringLiteral("memory=%1 matchWords=%2 qandA=%3 | check %4 ms: %5")
                       .arg(read.texts.memory.size())
                       .arg(read.texts.matchWords.size())
                       .arg(read.texts.qandA.size())
                       .arg(checkMs, 0, 'f', 1)
                       .arg(check.ok() ? QStringLiteral("savable") : QStringLiteral("refused"))};
}

// Text import ----------------------------------------------------------------

QByteArray onlyFullStops(qsizetype bytes)
{
    return QByteArray(bytes, '.');
}

QByteArray sentencePerTwoChars(qsizetype bytes)
{
    return repeated(". ", bytes);
}

QByteArray noFullStop(qsizetype bytes)
{
    return repeated("words without an end ", bytes);
}

QByteArray utf8Throughout(qsizetype bytes)
{
    return repeated("It\xe2\x80\x99s caf\xc3\xa9 time. ", bytes);
}

// Valid UTF-8 up to its very last byte, which sends it back to the code page.
QByteArray utf8UntilTheEnd(qsizetype bytes)
{
    return utf8Throughout(bytes) + "\xff";
}

Measured textImport(const QByteArray &bytes)
{
    const std::clock_t start = std::clock();
    const QString text = SourceText::decode(bytes);
    const QString facts = SentenceSplitter::facts(text);
    const double cpuMs = cpuMsSince(start);
    return {cpuMs, QStringLiteral("chars=%1 facts=%2 chars").arg(text.size()).arg(facts.size())};
}

// Checks and the editors' loads ------------------------------------------------

Measured checked(const QList<FileCheck::Finding> &findings, double cpuMs)
{
    return {cpuMs, QStringLiteral("findings=%1").arg(findings.size())};
}

Measured optionsCheck(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const std::clock_t start = std::clock();
    const QList<FileCheck::Finding> findings = LocationCheck::check(bytes, dir.path() + QLatin1Char('/'));
    return checked(findings, cpuMsSince(start));
}

QByteArray questionLines(qsizetype bytes)
{
    return repeated("#\r\n", bytes);
}

QByteArray questionsWithoutAnswers(qsizetype bytes)
{
    return repeated("#Where do you live?\r\n", bytes);
}

QByteArray oneQuestionLine(qsizetype bytes)
{
    return "#" + QByteArray(bytes, '?');
}

Measured qandACheck(const QByteArray &bytes)
{
    const std::clock_t start = std::clock();
    const QList<FileCheck::Finding> findings = PersonalityCheck::checkQandA(bytes);
    return checked(findings, cpuMsSince(start));
}

Measured memoryCheck(const QByteArray &bytes)
{
    const std::clock_t start = std::clock();
    const QList<FileCheck::Finding> findings = PersonalityCheck::checkMemory(bytes);
    return checked(findings, cpuMsSince(start));
}

QByteArray sceneKeysWithoutSemicolons(qsizetype bytes)
{
    return repeated("BG=bg.jpg\r\n", bytes);
}

QByteArray sceneKeysOnOneLine(qsizetype bytes)
{
    return repeated("ZMx=1 ", bytes);
}

QByteArray sceneEqualsSigns(qsizetype bytes)
{
    return QByteArray(bytes, '=');
}

Measured sceneCheck(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const std::clock_t start = std::clock();
    const QList<FileCheck::Finding> findings = SceneCheck::check(bytes, dir.path() + QLatin1Char('/'));
    return checked(findings, cpuMsSince(start));
}

// The floor of an editor's load: the text area lays the text out in blocks
// whatever reads it.
double textAreaFloorMs(const QString &text)
{
    QTextDocument document;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    const QString shown = PlainTextDocument::toDocumentText(text);
    const std::clock_t start = std::clock();
    document.setPlainText(shown);
    return cpuMsSince(start);
}

// The floor as a case of its own, so that it shows where a load runs past the
// time limit: the text a load of these bytes gives to its text area.
Measured memoryFloor(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QFile mem(folder + QLatin1String("Big.mem"));
    QFile qas(folder + QLatin1String("Big.qas"));
    if (!mem.open(QIODevice::WriteOnly) || mem.write(bytes) != bytes.size() ||
        !qas.open(QIODevice::WriteOnly))
        return {0, QStringLiteral("cannot write")};
    mem.close();
    qas.close();
    const QString memory = PersonalityFile::read(folder, QStringLiteral("Big")).texts.memory;
    return {textAreaFloorMs(memory), QStringLiteral("memory=%1").arg(memory.size())};
}

Measured knowledgeFloor(const QByteArray &bytes)
{
    const QString text = KnowledgeBase::textOfFile(Cp1252::decode(bytes));
    return {textAreaFloorMs(text), QStringLiteral("text=%1 chars").arg(text.size())};
}

Measured personalityDocument(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QFile mem(folder + QLatin1String("Big.mem"));
    QFile qas(folder + QLatin1String("Big.qas"));
    if (!mem.open(QIODevice::WriteOnly) || mem.write(bytes) != bytes.size() ||
        !qas.open(QIODevice::WriteOnly))
        return {0, QStringLiteral("cannot write")};
    mem.close();
    qas.close();
    PersonalityDocument document;
    const std::clock_t start = std::clock();
    const QString error = document.load(folder, QStringLiteral("Big"));
    const double cpuMs = cpuMsSince(start);
    return {cpuMs, error.isEmpty() ? QStringLiteral("memory=%1").arg(document.shownText()->textLength())
                                   : QStringLiteral("refused")};
}

QByteArray tinyLines(qsizetype bytes)
{
    return repeated("a\r\n", bytes);
}

QByteArray loneCarriageReturns(qsizetype bytes)
{
    return QByteArray(bytes, '\r');
}

QByteArray loneLineFeeds(qsizetype bytes)
{
    return QByteArray(bytes, '\n');
}

Measured knowledgeBase(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Big.kba"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {0, QStringLiteral("cannot write")};
    file.close();
    KnowledgeBase knowledgeBase;
    const std::clock_t start = std::clock();
    const QString error = knowledgeBase.load(path);
    const double cpuMs = cpuMsSince(start);
    return {cpuMs, error.isEmpty() ? QStringLiteral("text=%1 chars").arg(knowledgeBase.text().size())
                                   : QStringLiteral("refused")};
}

Measured knowledgeCheck(const QByteArray &bytes)
{
    const std::clock_t start = std::clock();
    const QList<FileCheck::Finding> findings = KnowledgeCheck::check(bytes);
    return checked(findings, cpuMsSince(start));
}

struct Case
{
    const char *reader;
    const char *shape;
    Maker make;
    std::function<Measured(const QByteArray &)> read;
};

const std::vector<Case> &cases()
{
    static const std::vector<Case> all = {
        {"Options.Cfg", "every entry on one line", entriesOnOneLine, optionsCfg},
        {"Options.Cfg", "keys without commas", keysWithoutCommas, optionsCfg},
        {"Options.Cfg", "keys without commas, one line", keysWithoutCommasOnOneLine, optionsCfg},
        {"Options.Cfg", "other lines between entries", linesBetweenEntries, optionsCfg},
        {"Options.Cfg", "old keys in front", oldKeysInFront, optionsCfg},
        {"Options.Cfg", "removals joining keys", nestedJoins, optionsCfg},
        {"Options.Cfg", "one line, no key", oneLongLine, optionsCfg},
        {"personality", "stored statements", storedStatements, personality},
        {"personality", "markers without line ends", markersWithoutLineEnds, personality},
        {"personality", "marker, no empty line", markerAndNoEmptyLine, personality},
        {"personality", "near-miss markers", nearMissMarkers, personality},
        {"personality", "line-break characters", lineBreakCharacters, personality},
        {"text import", "only full stops", onlyFullStops, textImport},
        {"text import", "a sentence per 2 chars", sentencePerTwoChars, textImport},
        {"text import", "no full stop", noFullStop, textImport},
        {"text import", "UTF-8 throughout", utf8Throughout, textImport},
        {"text import", "UTF-8 until the last byte", utf8UntilTheEnd, textImport},
        {"Options chk", "every entry on one line", entriesOnOneLine, optionsCheck},
        {"Options chk", "keys without commas", keysWithoutCommas, optionsCheck},
        {"Options chk", "keys without commas, one line", keysWithoutCommasOnOneLine, optionsCheck},
        {"Options chk", "removals joining keys", nestedJoins, optionsCheck},
        {".qas check", "\"#\" lines", questionLines, qandACheck},
        {".qas check", "questions without answers", questionsWithoutAnswers, qandACheck},
        {".qas check", "one question line", oneQuestionLine, qandACheck},
        {".mem check", "line-break characters", lineBreakCharacters, memoryCheck},
        {".mem check", "markers without line ends", markersWithoutLineEnds, memoryCheck},
        {"scene check", "keys without \";\"", sceneKeysWithoutSemicolons, sceneCheck},
        {"scene check", "keys on one line", sceneKeysOnOneLine, sceneCheck},
        {"scene check", "only \"=\"", sceneEqualsSigns, sceneCheck},
        {"pers. load", "line-break characters", lineBreakCharacters, personalityDocument},
        {"  its floor", "line-break characters", lineBreakCharacters, memoryFloor},
        {"pers. load", "stored statements", storedStatements, personalityDocument},
        {"  its floor", "stored statements", storedStatements, memoryFloor},
        {"kba load", "tiny lines", tinyLines, knowledgeBase},
        {"  its floor", "tiny lines", tinyLines, knowledgeFloor},
        {"kba load", "lone CRs", loneCarriageReturns, knowledgeBase},
        {"  its floor", "lone CRs", loneCarriageReturns, knowledgeFloor},
        {"kba load", "lone LFs", loneLineFeeds, knowledgeBase},
        {"  its floor", "lone LFs", loneLineFeeds, knowledgeFloor},
        {".kba check", "tiny lines", tinyLines, knowledgeCheck},
        {".kba check", "lone CRs", loneCarriageReturns, knowledgeCheck},
    };
    return all;
}

int child(int index, int megabytes)
{
    const Case &c = cases().at(std::size_t(index));
    const QByteArray bytes = c.make(qsizetype(megabytes) * 1024 * 1024);
    const Measured measured = c.read(bytes);
    std::printf("cpu_ms=%.1f %s\n", measured.cpuMs, qPrintable(measured.result));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The editors' documents and the text area's layout need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("--child"))
        return child(args[1].toInt(), args[2].toInt());

    int limitSeconds = 60;
    if (args.size() >= 2 && args[0] == QLatin1String("--limit")) {
        limitSeconds = args[1].toInt();
        args = args.mid(2);
    }
    QString only;
    if (args.size() >= 2 && args[0] == QLatin1String("--case")) {
        only = args[1];
        args = args.mid(2);
    }
    QList<int> sizes;
    for (const QString &arg : args)
        sizes << arg.toInt();
    if (sizes.isEmpty())
        sizes = {1, 4, 16};

    std::printf("%-12s %-28s %5s %12s  %s\n", "reader", "shape", "MB", "CPU ms", "result");
    for (std::size_t i = 0; i < cases().size(); ++i) {
        const QString name =
            QLatin1String(cases()[i].reader) + QLatin1Char(' ') + QLatin1String(cases()[i].shape);
        if (!name.contains(only))
            continue;
        for (const int mb : sizes) {
            QProcess process;
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process.start(QApplication::applicationFilePath(),
                          {QStringLiteral("--child"), QString::number(i), QString::number(mb)});
            QString cpu;
            QString result;
            if (!process.waitForFinished(limitSeconds * 1000)) {
                process.kill();
                process.waitForFinished();
                cpu = QLatin1Char('>') + QString::number(qint64(limitSeconds) * 1000);
                result = QStringLiteral("(stopped at the time limit)");
            } else {
                const QString out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
                const qsizetype space = out.indexOf(QLatin1Char(' '));
                cpu = out.left(space).section(QLatin1Char('='), 1);
                result = out.mid(space + 1);
            }
            std::printf("%-12s %-28s %5d %12s  %s\n", cases()[i].reader, cases()[i].shape, mb,
                        qPrintable(cpu), qPrintable(result));
            std::fflush(stdout);
        }
    }
    return 0;
}
