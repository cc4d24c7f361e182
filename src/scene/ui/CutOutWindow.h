// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartCutOut.h"

#include <QDialog>
#include <QImage>

class QDialogButtonBox;
class QLabel;
class QSpinBox;

// "Cut Out From Full Picture": the full picture at half size with the
// rectangle it differs from the background in, outlined; the tolerance and
// the margin can be changed, and the rectangle follows at once. OK takes the
// rectangle; while the settings find none, OK is disabled and the note says
// why.
class CutOutWindow : public QDialog
{
    Q_OBJECT
public:
    static const char *const Title; // "Cut Out From Full Picture"

    // name: the full picture's file name, for the notes.
    CutOutWindow(const QImage &background, const QImage &full, const QString &name, const QString &part,
                 QWidget *owner);

    PartCutOut::Settings settings() const;
    // The rectangle found with the present settings; empty when there is none.
    QRect rect() const { return m_found.rect; }

private:
    class Picture;
    void find();

    QImage m_background;
    QImage m_full;
    QString m_name;
    PartCutOut::Difference m_found;
    Picture *m_picture = nullptr;
    QSpinBox *m_tolerance = nullptr;
    QSpinBox *m_margin = nullptr;
    QLabel *m_note = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
