#include "KitTasks.h"

#include "ChatCheck.h"
#include "ChatVerify.h"
#include "FileCheck.h"
#include "KnowledgeCheck.h"
#include "LocationCheck.h"
#include "LocationSettings.h"
#include "PersonalityCheck.h"
#include "SceneCheck.h"
#include "SceneRender.h"

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
        return check(program, request.file, folder);
    case Task::Render:
        return render(request.file, request.output, folder);
    case Task::Verify:
        return verify(request.file, folder, request.coverage);
    case Task::OpenWindow:
        break;
    }
    return usageError(program, QStringLiteral("There is nothing to do without a window."));
}

Result check(KitProgram program, const QString &file, const QString &folder)
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
        return usageError(program, QStringLiteral("--check takes a personality's .mem or .qas file, a .kba "
                                                  "knowledge base or Options.Cfg, not \"%1\".")
                                       .arg(file));
    }
    if (!checked.ok())
        return usageError(program, checked.error);
    Result result;
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
