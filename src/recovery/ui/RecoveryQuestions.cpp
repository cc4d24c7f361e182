// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryQuestions.h"

#include "DocumentRecovery.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QDir>

namespace RecoveryQuestions {

bool maySaveOver(Platform &platform, QWidget *owner, const QString &title, const DocumentRecovery *recovery,
                 const QString &path)
{
    if (!recovery || !recovery->recovered() || !recovery->fileChangedSince(path))
        return true;
    const QString text =
        QCoreApplication::translate("RecoveryQuestions",
                                    "\"%1\" was changed by another program after the recovered changes were "
                                    "made to it. Saving replaces that version with the recovered one (a copy "
                                    "of it is kept in the Backups folder beside it).\n\nSave over it?")
            .arg(QDir::toNativeSeparators(path));
    return platform.ask(owner, text, title, Platform::Question::YesNo, Platform::Answer::No) ==
           Platform::Answer::Yes;
}

} // namespace RecoveryQuestions
