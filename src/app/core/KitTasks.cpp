// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitTasks.h"

#include "ChatCheck.h"
#include "ChatVerify.h"
#include "ChoicesFile.h"
#include "FileCheck.h"
#include "KnowledgeCheck.h"
#include "LocationCheck.h"
#include "LocationSettings.h"
#include "PersonalityCheck.h"
#include "PictureSearch.h"
#include "ProgramFolder.h"
#include "SceneCheck.h"
#include "SceneRender.h"
#include "SpellChecker.h"
#include "SpellingFindings.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>

#include <QFileInfo>

namespace KitTasks {
namespace {

Result usageError(KitProgram program, const QString &error)
{
    Result result;
    result.exitCode = AppCommandLine::UsageError;
    result.errors = QStringLiteral("%1: %2\n").arg(KitInfo::programName(program), error);
    return result;
}

bool hasExtension(const QString &file, const char *extension)
{
    return file.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

} // namespace

int Result::finish() const
{
    if (!output.isEmpty())
        AppCommandLine::writeOut(output);
    if (!errors.isEmpty())
        AppCommandLine::writeErr(errors);
    return exitCode;
}

Result run(KitProgram program, const AppCommandLine::Request &request, const QString &folder)
{
    using Task = AppCommandLine::Request::Task;
    switch (request.task) {
    case Task::Check:
        if (request.spelling) {
            // The editors' choices are read, never written, from here.
            ChoicesFile choices(KitInfo::choicesFile());
            SpellChecker spelling(SpellingPlaces::standard(),
                                  {[&choices](const QString &name) { return choices.value(name); }, {}});
            // Asked for on the command line, whatever the editors' choice;
            // the choice stays as it is.
            spelling.setEnabled(true, SpellChecker::Keep::ForThisRun);
            return check(program, request.file, folder, &spelling);
        }
        return check(program, request.file, folder);
    case Task::Render:
        return render(request.file, request.output, folder);
    case Task::FindPictures:
        return findPictures(request.searchFolder, request.file, folder);
    case Task::Verify:
        return verify(request.file, folder, request.coverage);
    case Task::OpenWindow:
        break;
    }
    return usageError(program,
                      QCoreApplication::translate("KitTasks", "There is nothing to do without a window."));
}

Result check(KitProgram program, const QString &file, const QString &folder, SpellChecker *spelling)
{
    FileCheck::Result checked;
    if (program == KitProgram::Frameloft) {
        // Scenes are saved under whatever name the user typed.
        checked = SceneCheck::checkFile(file, folder);
    } else if (hasExtension(file, ".mem")) {
        checked = PersonalityCheck::checkMemoryFile(file);
    } else if (hasExtension(file, ".qas")) {
        checked = PersonalityCheck::checkQandAFile(file);
        // The Test Chat's own findings come with the file's.
        if (checked.ok())
            checked.findings = FileCheck::inLineOrder(
                checked.findings + FileCheck::checkFile(file, ChatCheck::checkQandA).findings);
    } else if (hasExtension(file, ".kba")) {
        checked = KnowledgeCheck::checkFile(file);
    } else if (QFileInfo(file).fileName().compare(LocationSettings::fileName(), Qt::CaseInsensitive) == 0) {
        checked = LocationCheck::checkFile(file, folder);
    } else {
        return usageError(program, QCoreApplication::translate(
                                       "KitTasks", "--check takes a personality's .mem or .qas file, a .kba "
                                                   "knowledge base or Options.Cfg, not \"%1\".")
                                       .arg(file));
    }
    if (!checked.ok())
        return usageError(program, checked.error);
    Result result;
    if (spelling && program == KitProgram::Mindloom) {
        QByteArray bytes;
        if (!spelling->isActive()) {
            result.errors = QCoreApplication::translate("KitTasks", "%1: The spelling is not checked. %2\n")
                                .arg(KitInfo::programName(program), spelling->unavailableReason());
        } else if (FileCheck::readBytes(file, &bytes).isEmpty()) {
            checked.findings =
                FileCheck::inLineOrder(checked.findings + SpellingFindings::check(*spelling, file, bytes));
        }
    }
    result.output = FileCheck::report(file, checked.findings);
    result.exitCode = checked.findings.isEmpty() ? AppCommandLine::Success : AppCommandLine::Failure;
    return result;
}

Result render(const QString &scene, const QString &output, const QString &folder)
{
    Result result;
    const SceneRender::Result rendered = SceneRender::renderFile(scene, folder);
    QStringList errors = rendered.errors;
    if (rendered.ok()) {
        const QString error = SceneRender::writePng(rendered.image, output);
        if (!error.isEmpty())
            errors << error;
    }
    for (const QString &error : errors)
        result.errors +=
            KitInfo::programName(KitProgram::Frameloft) + QStringLiteral(": ") + error + QLatin1Char('\n');
    result.exitCode = errors.isEmpty() ? AppCommandLine::Success : AppCommandLine::Failure;
    return result;
}

Result findPictures(const QString &searchFolder, const QString &scene, const QString &folder)
{
    const KitProgram program = KitProgram::Frameloft;
    if (!QFileInfo(searchFolder).isDir())
        return usageError(
            program,
            QCoreApplication::translate("KitTasks", "\"%1\" is no folder to search.").arg(searchFolder));
    const TextFile::ReadResult read = TextFile::read(scene);
    if (!read.ok())
        return usageError(program, read.error);
    const QString images = ProgramFolder::subfolder(folder, QStringLiteral("Images"));
    const PictureSearch::Search search =
        PictureSearch::search(searchFolder, PictureSearch::missingPictures(read.text, images));
    const QStringList errors = PictureSearch::copyFound(search, images);

    Result result;
    for (const PictureSearch::Found &found : search.found)
        result.output += QCoreApplication::translate("KitTasks", "found %1: %2\n")
                             .arg(found.name, QDir::toNativeSeparators(found.path));
    for (const QString &name : search.missing)
        result.output += QCoreApplication::translate("KitTasks", "not found %1\n").arg(name);
    for (const QString &error : errors)
        result.errors += KitInfo::programName(program) + QStringLiteral(": ") + error + QLatin1Char('\n');
    const bool complete = PictureSearch::missingPictures(read.text, images).isEmpty();
    result.exitCode = complete ? AppCommandLine::Success : AppCommandLine::Failure;
    return result;
}

Result verify(const QString &chatFile, const QString &folder, bool coverage)
{
    const ChatVerify::Report report = ChatVerify::run(chatFile, folder, coverage);
    if (!report.ok())
        return usageError(KitProgram::Mindloom, report.error);
    Result result;
    result.output = report.output;
    result.exitCode = report.failed == 0 ? AppCommandLine::Success : AppCommandLine::Failure;
    return result;
}

} // namespace KitTasks
