// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatTestFile.h"

#include "FileCheck.h"
#include "SourceText.h"
#include "TextFile.h"

#include <QCoreApplication>

namespace ChatTestFile {
namespace {

const QLatin1String kPersonality("personality:");
const QLatin1String kKnowledge("knowledge:");
const QLatin1String kLineEnd("\r\n");

QString tr(const char *text)
{
    return QCoreApplication::translate("ChatTestFile", text);
}

// The rest of a "> " or "< " line: one space after the mark is the mark's.
QString afterMark(QStringView line)
{
    QStringView rest = line.mid(1);
    if (rest.startsWith(QLatin1Char(' ')))
        rest = rest.mid(1);
    return rest.toString();
}

} // namespace

ReadResult read(const QString &path)
{
    const SourceText::ReadResult file = SourceText::read(path);
    if (!file.ok()) {
        ReadResult result;
        result.error = file.error;
        return result;
    }
    return parse(file.text, path);
}

ReadResult parse(const QString &text, const QString &name)
{
    ReadResult result;
    ChatTest &test = result.test;
    const auto fail = [&](qsizetype line, const QString &why) {
        result.error = QStringLiteral("%1:%2: %3").arg(name, QString::number(line), why);
        return result;
    };
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype number = i + 1;
        const QString &line = lines.at(i);
        const QStringView trimmed = QStringView(line).trimmed();
        if (trimmed.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('>'))) {
            if (!test.exchanges.isEmpty() && test.exchanges.constLast().expected.isEmpty())
                return fail(test.exchanges.constLast().line, tr("no \"<\" line says what the reply must be"));
            test.exchanges << ChatTest::Exchange{number, afterMark(line), {}};
            continue;
        }
        if (line.startsWith(QLatin1Char('<'))) {
            if (test.exchanges.isEmpty())
                return fail(number, tr("a \"<\" line before the first \">\" line"));
            test.exchanges.last().expected << ChatTest::Expectation{number, afterMark(line)};
            continue;
        }
        const bool personality = trimmed.startsWith(kPersonality, Qt::CaseInsensitive);
        const bool knowledge = trimmed.startsWith(kKnowledge, Qt::CaseInsensitive);
        if (personality || knowledge) {
            if (!test.exchanges.isEmpty())
                return fail(number, tr("header lines come before the first \">\" line"));
            const QString value =
                trimmed.mid(personality ? kPersonality.size() : kKnowledge.size()).trimmed().toString();
            if (value.isEmpty())
                return fail(number, tr("\"%1\" names nothing").arg(trimmed.toString()));
            if (personality) {
                if (!test.personality.isEmpty())
                    return fail(number, tr("a second \"personality:\" line"));
                test.personality = value;
            } else {
                test.knowledge << value;
            }
            continue;
        }
        return fail(number, tr("not a \">\", \"<\", \"#\", \"personality:\" or \"knowledge:\" "
                               "line: \"%1\"")
                                .arg(line));
    }
    if (!test.exchanges.isEmpty() && test.exchanges.constLast().expected.isEmpty())
        return fail(test.exchanges.constLast().line, tr("no \"<\" line says what the reply must be"));
    return result;
}

QString text(const ChatTest &test)
{
    QStringList lines;
    if (!test.personality.isEmpty())
        lines << kPersonality + QLatin1Char(' ') + test.personality;
    for (const QString &knowledge : test.knowledge)
        lines << kKnowledge + QLatin1Char(' ') + knowledge;
    for (const ChatTest::Exchange &exchange : test.exchanges) {
        lines << QStringLiteral("> ") + exchange.said;
        for (const ChatTest::Expectation &expected : exchange.expected)
            lines << QStringLiteral("< ") + expected.pattern;
    }
    return lines.join(kLineEnd);
}

QString write(const QString &path, const ChatTest &test)
{
    return TextFile::write(path, text(test));
}

QString literalPattern(const QString &text)
{
    QString pattern;
    pattern.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#') || c == QLatin1Char('['))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else
            pattern += c;
    }
    return pattern;
}

} // namespace ChatTestFile
