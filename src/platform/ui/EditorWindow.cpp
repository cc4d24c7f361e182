// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorWindow.h"

#include "HelpPage.h"
#include "Platform.h"

#include <QCloseEvent>
#include <QShortcut>

EditorWindow::EditorWindow(Platform &platform, QWidget *parent) : QWidget(parent), m_platform(platform)
{
    auto *close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto *launcher = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(launcher, &QShortcut::activated, this, &EditorWindow::launcherRequested);
    HelpPage::addKey(platform, this, QStringLiteral("Mindloom.htm"));
}

bool EditorWindow::hasUnsavedWork() const
{
    return false;
}

bool EditorWindow::saveWork()
{
    return true;
}

QString EditorWindow::unsavedWorkQuestion() const
{
    return tr("Save your changes?");
}

bool EditorWindow::mayDiscardWork()
{
    if (!hasUnsavedWork())
        return true;
    switch (m_platform.ask(this, unsavedWorkQuestion(), windowTitle(), Platform::Question::SaveDiscardCancel,
                           Platform::Answer::Save)) {
    case Platform::Answer::Save:
        return saveWork();
    case Platform::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (mayDiscardWork()) {
        event->accept();
        emit closedByUser();
    } else
        event->ignore();
}
