#include "ProgramIdentity.h"

#include "AfterFirstFrame.h"

#include <QDir>
#include <QGuiApplication>

namespace ProgramIdentity {

QIcon icon(KitProgram program)
{
    const QDir icons(QStringLiteral(":/icons"));
    const QString pattern = KitInfo::programName(program).toLower() + QStringLiteral("-*.png");
    QIcon icon;
    for (const QString &file : icons.entryList({pattern}, QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

void apply(KitProgram program)
{
    KitInfo::setApplicationIdentity();
    QGuiApplication::setDesktopFileName(KitInfo::desktopId(program));
    // Decoding the icon in all its sizes takes about as long as building a
    // whole window; the first window is shown without waiting for it.
    AfterFirstFrame::run([program] { QGuiApplication::setWindowIcon(icon(program)); });
}

} // namespace ProgramIdentity
