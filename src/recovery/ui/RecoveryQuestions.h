// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DocumentRecovery;
class Platform;
class QWidget;

namespace RecoveryQuestions {

// Before a save replaces path: when the document holds recovered changes and
// another program changed the file since the document was loaded from it,
// asks whether to replace it all the same. True when the save may go on.
bool maySaveOver(Platform &platform, QWidget *owner, const QString &title, const DocumentRecovery *recovery,
                 const QString &path);

} // namespace RecoveryQuestions
