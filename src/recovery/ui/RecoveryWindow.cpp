// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryWindow.h"

#include "Platform.h"
#include "RecoveryPreview.h"
#include "RecoverySession.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString title()
{
    return RecoveryWindow::tr("Recover Unsaved Work");
}

} // namespace

RecoveryWindow::RecoveryWindow(Platform &platform, QList<RecoveryStore::Orphan> orphans, Recover recover,
                               QWidget *parent)
    : QDialog(parent), m_platform(platform), m_orphans(std::move(orphans)), m_recover(std::move(recover))
{
    setObjectName(QStringLiteral("RecoveryWindow"));
    setWindowTitle(title());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *intro = new QLabel(
        tr("The program ended without closing these documents. Their changes since they were last saved "
           "were kept: choose what becomes of them."),
        this);
    intro->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("documents"));
    m_list->setAccessibleName(tr("Unsaved documents"));
    m_list->setHeaderLabels({tr("Kind"), tr("File"), tr("Last change"), tr("Preview")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(true);

    m_recoverButton = new QPushButton(tr("&Recover"), this);
    m_recoverButton->setObjectName(QStringLiteral("recover"));
    m_recoverButton->setAccessibleDescription(tr("Opens the chosen documents with their unsaved changes."));
    m_discardButton = new QPushButton(tr("&Discard"), this);
    m_discardButton->setObjectName(QStringLiteral("discard"));
    m_discardButton->setAccessibleDescription(tr("Deletes the unsaved changes of the chosen documents."));
    m_laterButton = new QPushButton(tr("&Later"), this);
    m_laterButton->setObjectName(QStringLiteral("later"));
    m_laterButton->setAccessibleDescription(tr("Keeps the unsaved changes for the next start."));
    m_recoverButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_recoverButton);
    buttons->addWidget(m_discardButton);
    buttons->addWidget(m_laterButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(720, 280);

    connect(m_recoverButton, &QPushButton::clicked, this, &RecoveryWindow::recoverChosen);
    connect(m_discardButton, &QPushButton::clicked, this, &RecoveryWindow::discardChosen);
    connect(m_laterButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &RecoveryWindow::showChoice);
    connect(m_list, &QTreeWidget::itemActivated, this, &RecoveryWindow::recoverChosen);

    fill();
    // At first every document is chosen: Recover brings all of them back.
    m_list->selectAll();
}

RecoveryWindow *RecoveryWindow::offer(Platform &platform, Recover recover, QWidget *parent)
{
    RecoverySession *session = RecoverySession::current();
    if (!session)
        return nullptr;
    QList<RecoveryStore::Orphan> orphans = session->store().takeOrphans();
    if (orphans.isEmpty())
        return nullptr;
    auto *window = new RecoveryWindow(platform, std::move(orphans), std::move(recover), parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void RecoveryWindow::fill()
{
    m_list->clear();
    for (const RecoveryStore::Orphan &orphan : std::as_const(m_orphans)) {
        auto *item = new QTreeWidgetItem(m_list);
        if (!orphan.error.isEmpty()) {
            item->setText(0, tr("Damaged"));
            item->setText(1, QDir::toNativeSeparators(orphan.path));
            item->setText(3, orphan.error);
            continue;
        }
        const RecoveryRecord &r = orphan.record;
        item->setText(0, RecoveryPreview::kindName(r.kind));
        item->setText(1, r.file.isEmpty() ? tr("(not saved yet)") : QDir::toNativeSeparators(r.file));
        item->setToolTip(1, item->text(1));
        item->setText(2, QLocale().toString(r.changed.toLocalTime(), QLocale::ShortFormat));
        item->setText(3, RecoveryPreview::preview(r));
    }
    for (int column = 0; column < 3; ++column)
        m_list->resizeColumnToContents(column);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    showChoice();
}

QList<int> RecoveryWindow::chosen() const
{
    QList<int> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->isSelected())
            rows << i;
    }
    return rows;
}

void RecoveryWindow::showChoice()
{
    const QList<int> rows = chosen();
    const bool anyWhole =
        std::any_of(rows.begin(), rows.end(), [this](int i) { return m_orphans[i].error.isEmpty(); });
    m_recoverButton->setEnabled(anyWhole);
    m_discardButton->setEnabled(!rows.isEmpty());
}

void RecoveryWindow::dropRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        m_orphans.removeAt(*it);
    fill();
    if (m_orphans.isEmpty())
        close();
}

void RecoveryWindow::recoverChosen()
{
    QList<int> done;
    for (int i : chosen()) {
        const RecoveryStore::Orphan &orphan = m_orphans[i];
        if (!orphan.error.isEmpty() || !m_recover(orphan.record))
            continue;
        // The editor keeps the changes in a recovery file of its own now.
        RecoveryStore::remove(orphan.path);
        done << i;
    }
    dropRows(done);
}

void RecoveryWindow::discardChosen()
{
    const QList<int> rows = chosen();
    if (rows.isEmpty())
        return;
    const QString question =
        rows.size() == 1 ? tr("Delete the unsaved changes of this document? They cannot be got back.")
                         : tr("Delete the unsaved changes of these %1 documents? They cannot be got back.")
                               .arg(rows.size());
    if (m_platform.ask(this, question, title(), Platform::Question::YesNo, Platform::Answer::No) !=
        Platform::Answer::Yes)
        return;
    QList<int> done;
    for (int i : rows) {
        if (RecoveryStore::remove(m_orphans[i].path))
            done << i;
    }
    dropRows(done);
}
