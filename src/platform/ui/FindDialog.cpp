// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindDialog.h"

#include "LineBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool), m_text(new LineBox), m_matchCase(new QCheckBox(tr("Match &case"))),
      m_wrap(new QCheckBox(tr("&Wrap around"))), m_next(new QPushButton(tr("Find &Next"))),
      m_previous(new QPushButton(tr("Find &Previous"))), m_status(new QLabel)
{
    setWindowTitle(tr("Find"));
    setObjectName(QStringLiteral("findDialog"));
    auto *label = new QLabel(tr("Find &what:"));
    label->setBuddy(m_text);
    auto *close = new QPushButton(tr("Close"));

    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setAccessibleName(tr("Find what"));
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_wrap->setObjectName(QStringLiteral("wrapAround"));
    m_wrap->setChecked(true);
    m_next->setObjectName(QStringLiteral("findNext"));
    m_next->setDefault(true);
    m_previous->setObjectName(QStringLiteral("findPrevious"));
    close->setObjectName(QStringLiteral("closeFind"));
    close->setAutoDefault(false);
    m_previous->setAutoDefault(false);
    m_status->setObjectName(QStringLiteral("findStatus"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_next, 0, 2);
    grid->addWidget(m_matchCase, 1, 1);
    grid->addWidget(m_previous, 1, 2);
    grid->addWidget(m_wrap, 2, 1);
    grid->addWidget(close, 2, 2);
    grid->addWidget(m_status, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_text, m_matchCase);
    setTabOrder(m_matchCase, m_wrap);
    setTabOrder(m_wrap, m_next);
    setTabOrder(m_next, m_previous);
    setTabOrder(m_previous, close);

    connect(m_next, &QPushButton::clicked, this,
            [this] { emit findRequested(TextSearch::Direction::Forward); });
    connect(m_previous, &QPushButton::clicked, this,
            [this] { emit findRequested(TextSearch::Direction::Backward); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    const auto searchable = [this] {
        m_next->setEnabled(!m_text->text().isEmpty());
        m_previous->setEnabled(!m_text->text().isEmpty());
        m_status->clear();
    };
    connect(m_text, &QLineEdit::textChanged, this, searchable);
    searchable();
}

QString FindDialog::needle() const
{
    return m_text->text();
}

void FindDialog::setNeedle(const QString &needle)
{
    m_text->setText(needle);
}

Qt::CaseSensitivity FindDialog::caseSensitivity() const
{
    return m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

bool FindDialog::wraps() const
{
    return m_wrap->isChecked();
}

void FindDialog::open()
{
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

void FindDialog::showResult(const TextSearch::Match &match, TextSearch::Direction direction)
{
    if (!match.found())
        m_status->setText(tr("\"%1\" was not found.").arg(needle()));
    else if (match.wrapped)
        m_status->setText(direction == TextSearch::Direction::Forward ? tr("Continued from the start.")
                                                                      : tr("Continued from the end."));
    else
        m_status->clear();
}

void FindDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F3 && !needle().isEmpty()) {
        emit findRequested((event->modifiers() & Qt::ShiftModifier) ? TextSearch::Direction::Backward
                                                                    : TextSearch::Direction::Forward);
        return;
    }
    QDialog::keyPressEvent(event);
}
