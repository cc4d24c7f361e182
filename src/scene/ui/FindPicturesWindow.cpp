// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindPicturesWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FindPicturesWindow::FindPicturesWindow(const PictureSearch::Search &search, const QString &folder,
                                       QWidget *owner)
    : QDialog(owner), m_search(search)
{
    setObjectName(QStringLiteral("FindPictures"));
    setWindowTitle(tr("Find Pictures"));

    auto *layout = new QVBoxLayout(this);
    auto *intro =
        new QLabel(tr("Searched \"%1\" and its subfolders.").arg(QDir::toNativeSeparators(folder)), this);
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);
    layout->addWidget(intro);

    auto *foundCaption = new QLabel(tr("&Found (copied into Images on OK):"), this);
    m_found = new QListWidget(this);
    m_found->setObjectName(QStringLiteral("lstFound"));
    m_found->setAccessibleName(tr("Pictures found"));
    m_found->setAccessibleDescription(tr("Each picture the scene names, with the file found for it"));
    for (const PictureSearch::Found &found : search.found)
        m_found->addItem(tr("%1  \u2190  %2").arg(found.name, QDir::toNativeSeparators(found.path)));
    foundCaption->setBuddy(m_found);
    layout->addWidget(foundCaption);
    layout->addWidget(m_found);

    auto *missingCaption = new QLabel(tr("&Not found:"), this);
    m_missing = new QListWidget(this);
    m_missing->setObjectName(QStringLiteral("lstMissing"));
    m_missing->setAccessibleName(tr("Pictures not found"));
    m_missing->addItems(search.missing);
    missingCaption->setBuddy(m_missing);
    layout->addWidget(missingCaption);
    layout->addWidget(m_missing);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAccessibleName(tr("OK"));
    ok->setEnabled(!search.found.empty());
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(520, 320);
}
