// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatVerify.h"

#include "ChatEngine.h"
#include "ChatFiles.h"
#include "ChatTestFile.h"
#include "ChatText.h"
#include "Wildcard.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <set>

namespace ChatVerify {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChatVerify", text);
}

} // namespace

Report run(const QString &chatFile, const QString &folder, bool coverage)
{
    Report report;
    const ChatTestFile::ReadResult test = ChatTestFile::read(chatFile);
    if (!test.ok()) {
        report.error = test.error;
        return report;
    }
    const ChatFiles files = ChatFiles::read(folder, test.test.personality, test.test.knowledge);
    if (!files.ok()) {
        report.error = QStringLiteral("%1: %2").arg(chatFile, files.error);
        return report;
    }
    ChatEngine engine;
    engine.setTexts(files.qandA, files.memory, files.knowledge);
    std::set<int> reached; // entries, 1-based
    QStringList lines;
    for (const ChatTest::Exchange &exchange : test.test.exchanges) {
        const ChatReply reply = engine.reply(exchange.said);
        if (reply.source.kind == ChatSource::Kind::QandA)
            reached.insert(reply.source.index);
        bool matched = false;
        QStringList patterns;
        for (const ChatTest::Expectation &expected : exchange.expected) {
            matched = matched || Wildcard::match(reply.text, expected.pattern, Qt::CaseInsensitive);
            patterns << QLatin1Char('"') + expected.pattern + QLatin1Char('"');
        }
        if (matched) {
            ++report.passed;
            continue;
        }
        ++report.failed;
        lines << QStringLiteral("%1:%2: %3")
                     .arg(chatFile, QString::number(exchange.line),
                          tr("expected %1, got \"%2\" (from %3)")
                              .arg(patterns.join(tr(" or ")), reply.text, reply.from()));
    }
    lines << tr("%1 passed, %2 failed").arg(report.passed).arg(report.failed);
    if (coverage) {
        const QString qas = QFileInfo(files.qandAPath).fileName();
        int answering = 0;
        int unreached = 0;
        for (qsizetype e = 0; e < engine.entries().size(); ++e) {
            const QandAEntry &entry = engine.entries().at(e);
            if (!entry.answers())
                continue;
            ++answering;
            if (reached.count(int(e + 1)))
                continue;
            ++unreached;
            lines << QStringLiteral("%1:%2: %3")
                         .arg(qas, QString::number(entry.line),
                              tr("not reached: %1").arg(ChatText::oneLine(entry.question)));
        }
        lines << tr("%1 of %2 questions reached").arg(answering - unreached).arg(answering);
    }
    report.output = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return report;
}

} // namespace ChatVerify
