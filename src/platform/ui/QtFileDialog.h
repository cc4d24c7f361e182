// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileDialog.h"

#include <QPointer>
#include <QWidget>

// FileDialog on QFileDialog.
class QtFileDialog : public FileDialog
{
public:
    explicit QtFileDialog(QWidget *owner);

protected:
    QString choose(Mode mode, const QString &filter, const QString &initFolder) override;

private:
    QPointer<QWidget> m_owner;
};
