// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitMain.h"

#include "FontListAhead.h"
#include "FontSetupAhead.h"
#include "KitTasks.h"
#include "KitTranslations.h"
#include "ProgramIdentity.h"
#include "QtPlatform.h"
#include "RecoverySession.h"
#include "SessionEnd.h"
#include "WorkFolder.h"

#include <QApplication>

#include <memory>
#include <optional>

namespace KitMain {

int run(KitProgram program, int argc, char *argv[], const OpenWindow &openWindow, FirstWindow firstWindow,
        const FirstPictures &firstPictures)
{
    // The command line answers in the session's language before a display is
    // needed: the translations need an application object, one without a
    // window until the window's toolkit starts.
    auto early = std::make_unique<QCoreApplication>(argc, argv);
    KitTranslations::install(QLocale::system());
    AppCommandLine commandLine(program);
    if (!commandLine.read(AppCommandLine::arguments(argc, argv), AppCommandLine::Stage::BeforeApplication))
        return commandLine.finish();
    if (commandLine.request().task != AppCommandLine::Request::Task::OpenWindow) {
        KitInfo::setApplicationIdentity(program);
        const QString folder = WorkFolder::prepare(commandLine).folder;
        if (folder.isEmpty())
            return commandLine.finish();
        return KitTasks::run(program, commandLine.request(), folder).finish();
    }
    // Whatever the kit refuses is refused before the window's toolkit needs a
    // display.
    if (!WorkFolder::checkRequested(commandLine))
        return commandLine.finish();
    early.reset();

    std::optional<FontSetupAhead> fonts;
    if (firstWindow == FirstWindow::WithText)
        fonts.emplace();
    QApplication app(argc, argv);
    std::optional<FontListAhead> fontList;
    if (fonts)
        fontList.emplace(fonts->configured());
    ProgramIdentity::apply(program);
    KitTranslations::install(QLocale::system());
    if (!commandLine.read(QCoreApplication::arguments(), AppCommandLine::Stage::WithApplication))
        return commandLine.finish();
    const WorkFolder::Prepared prepared = WorkFolder::prepare(commandLine);
    if (prepared.folder.isEmpty())
        return commandLine.finish();

    QtPlatform platform(prepared.folder, KitInfo::choicesFile());
    if (firstPictures)
        platform.expectPictures(firstPictures(platform.programFolder()));
    SessionEnd::follow(app);
    // Lives until every window is gone, so the last recovery writes finish.
    RecoverySession recovery(RecoverySession::defaultFolder(), KitInfo::programName(program));
    recovery.makeCurrent();
    if (fonts)
        fonts->wait();
    return openWindow(platform, commandLine.request(), prepared.problem);
}

} // namespace KitMain
