// SPDX-License-Identifier: GPL-3.0-or-later
// Edits one document of a kind on a timer, with recovery files written on a
// short schedule, until it is killed: the subject of tst_recovery_kill.
//
//   recovery_driver KIND PROGRAM_FOLDER RECOVERY_FOLDER LOG
//
// KIND is personality, kbase, locations or scene. Change k (from 1) is made,
// then "k TIME" is appended to LOG, TIME on the system's steady clock in ms.
#include "FakePlatform.h"
#include "Form1.h"
#include "KBEd.h"
#include "KnowledgeBase.h"
#include "LocationsDocument.h"
#include "Locs.h"
#include "MemoryEd.h"
#include "PersonalityDocument.h"
#include "RecoverySession.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace {
// The system's steady clock, which the driver and the test share.
qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5)
        return 2;
    const QString kind = args[1];
    FakePlatform platform;
    platform.folder = args[2];
    // The schedule is shortened for the test only, here, by its constructor.
    RecoverySession session(
        args[3], kind == QLatin1String("scene") ? QStringLiteral("Frameloft") : QStringLiteral("Mindloom"),
        40, 150);
    session.makeCurrent();
    QFile log(args[4]);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;

    std::unique_ptr<QWidget> window;
    std::function<void(int)> change;
    if (kind == QLatin1String("personality")) {
        auto *ed = new MemoryEd(platform);
        window.reset(ed);
        if (!ed->document().load(platform.folder, QStringLiteral("Juniper")).isEmpty())
            return 3;
        change = [ed](int k) { ed->document().takeEntry(QStringLiteral("change %1").arg(k)); };
    } else if (kind == QLatin1String("kbase")) {
        auto *ed = new KBEd(platform);
        window.reset(ed);
        if (!ed->knowledgeBase().load(platform.folder + QStringLiteral("Astronomy.kba")).isEmpty())
            return 3;
        // Large enough that a kill often comes in the middle of a write.
        ed->knowledgeBase().addFact(QStringLiteral("padding ").repeated(500000));
        change = [ed](int k) { ed->knowledgeBase().addFact(QStringLiteral("change %1").arg(k)); };
    } else if (kind == QLatin1String("locations")) {
        auto *ed = new Locs(platform);
        window.reset(ed);
        change = [ed](int k) { ed->document().setText(1 + k % 5, QStringLiteral("change %1").arg(k)); };
    } else if (kind == QLatin1String("scene")) {
        auto *ed = new Form1(platform);
        window.reset(ed);
        change = [ed](int) { ed->editor().nudge(1, 0); };
    } else {
        return 2;
    }
    window->show();

    int k = 0;
    QTimer timer;
    timer.setInterval(7);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        change(++k);
        log.write(QByteArray::number(k) + ' ' + QByteArray::number(steadyMs()) + '\n');
    });
    timer.start();
    return QApplication::exec();
}
