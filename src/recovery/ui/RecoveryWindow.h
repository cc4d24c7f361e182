// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecoveryStore.h"

#include <QDialog>

#include <functional>

class Platform;
class QPushButton;
class QTreeWidget;

// The window a program opens at its start when an earlier run ended without
// closing documents that had unsaved changes: one row per document with its
// kind, its file, the time of its last change and the start of its text.
// "Recover" opens the chosen documents in their editors as unsaved changes,
// "Discard" deletes their recovery files, "Later" closes the window and
// keeps whatever is left for the next start.
class RecoveryWindow : public QDialog
{
    Q_OBJECT
public:
    // Opens a recovered document in its editor; false when it was not
    // opened (the editor's own unsaved work was kept): its file stays.
    using Recover = std::function<bool(const RecoveryRecord &record)>;

    RecoveryWindow(Platform &platform, QList<RecoveryStore::Orphan> orphans, Recover recover,
                   QWidget *parent = nullptr);

    // At a program's start: the current session's orphans, when there are
    // any, in a window of their own shown beside parent.
    static RecoveryWindow *offer(Platform &platform, Recover recover, QWidget *parent = nullptr);

    // The documents still offered.
    const QList<RecoveryStore::Orphan> &orphans() const { return m_orphans; }

    void recoverChosen();
    void discardChosen();

private:
    void fill();
    QList<int> chosen() const;
    void dropRows(const QList<int> &rows);
    void showChoice();

    Platform &m_platform;
    QList<RecoveryStore::Orphan> m_orphans;
    Recover m_recover;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_recoverButton = nullptr;
    QPushButton *m_discardButton = nullptr;
    QPushButton *m_laterButton = nullptr;
};
