// SPDX-License-Identifier: GPL-3.0-or-later
// The pause recovery writes add to typing in a 20 MB knowledge base: keystrokes
// go into the editor's document one by one, with the event loop running between them
// as in the window, once without a recovery session and once with one whose
// schedule writes every few keystrokes. The figure to watch is the slowest
// keystroke (under 16 ms: one frame).
#include "BenchApplication.h"
#include "BenchSupport.h"
#include "DocumentRecovery.h"
#include "FakePlatform.h"
#include "KBEd.h"
#include "KnowledgeBase.h"
#include "PlainTextDocument.h"
#include "RecoverySession.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

struct Figures
{
    double slowest = 0;
    double median = 0; // of keystrokes and event-loop turns together
    int writes = 0;
};

Figures type(KnowledgeBase &kb, DocumentRecovery *recovery, int keystrokes)
{
    std::vector<double> times;
    QTextCursor cursor(kb.document());
    QDateTime lastWrite;
    Figures f;
    // The first keystrokes lay the document out; they are not counted.
    for (int i = 0; i < 5; ++i) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("x"));
        QCoreApplication::processEvents();
    }
    (void)kb.text();
    for (int i = 0; i < keystrokes; ++i) {
        times.push_back(BenchSupport::ms([&] {
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(QStringLiteral("x"));
            QCoreApplication::processEvents();
        }));
        // The typist's pace: about 30 keys a second. The window's events
        // meanwhile (the recovery timer among them) count as pauses too.
        QThread::msleep(30);
        times.push_back(BenchSupport::ms([] { QCoreApplication::processEvents(); }));
        if (recovery) {
            const QDateTime written = QFileInfo(recovery->path()).lastModified();
            if (written.isValid() && written != lastWrite) {
                lastWrite = written;
                ++f.writes;
            }
        }
    }
    f.slowest = *std::max_element(times.begin(), times.end());
    f.median = BenchSupport::median(times);
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    QString text;
    BenchSupport::appendStatements(text, 20 * 1024 * 1024);
    const int keystrokes = 150;

    FakePlatform platform;
    platform.folder = QDir::tempPath() + QLatin1Char('/');
    {
        // The editor's text area lays the document out, which tells it where
        // each keystroke went: what keeps taking the text cheap.
        KBEd window(platform);
        KnowledgeBase &kb = window.knowledgeBase();
        kb.document()->setText(text);
        const Figures f = type(kb, nullptr, keystrokes);
        std::printf("%-52s median %8.3f ms   max %8.3f ms\n", "keystroke, no recovery (20 MB)", f.median,
                    f.slowest);
    }
    {
        QTemporaryDir dir;
        // Written after 100 ms of rest and at least every 300 ms: many writes
        // while the keys go on.
        RecoverySession session(dir.filePath(QStringLiteral("recovery")), QStringLiteral("Mindloom"), 100,
                                300);
        session.makeCurrent();
        KBEd window(platform);
        KnowledgeBase &kb = window.knowledgeBase();
        kb.document()->setText(text);
        DocumentRecovery &recovery = *window.recovery();
        const Figures f = type(kb, &recovery, keystrokes);
        std::printf("%-52s median %8.3f ms   max %8.3f ms  (%d writes of %.1f MB)\n",
                    "keystroke, recovery writes (20 MB)", f.median, f.slowest, f.writes,
                    double(QFileInfo(recovery.path()).size()) / 1e6);
        session.writer().flush();
        recovery.closed();
        session.writer().flush();
    }
    return 0;
}
