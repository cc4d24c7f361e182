// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutOutWindow.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

const char *const CutOutWindow::Title = QT_TRANSLATE_NOOP("CutOutWindow", "Cut Out From Full Picture");

namespace {
constexpr int Scale = 2; // the picture is shown at half its size
}

// The full picture with the rectangle outlined twice (black in white), so it
// shows on any art.
class CutOutWindow::Picture : public QWidget
{
public:
    Picture(const CutOutWindow &window, QWidget *parent) : QWidget(parent), m_window(window)
    {
        setObjectName(QStringLiteral("picFull"));
        setFixedSize(window.m_full.size() / Scale);
        setAccessibleName(CutOutWindow::tr("Full picture with the part's rectangle"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_window.m_full);
        const QRect found = m_window.rect();
        if (found.isEmpty())
            return;
        const QRect shown(found.x() / Scale, found.y() / Scale, (found.width() + Scale - 1) / Scale,
                          (found.height() + Scale - 1) / Scale);
        painter.setPen(QPen(Qt::white, 3));
        painter.drawRect(shown.adjusted(-1, -1, 0, 0));
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(shown.adjusted(-1, -1, 0, 0));
    }

private:
    const CutOutWindow &m_window;
};

CutOutWindow::CutOutWindow(const QImage &background, const QImage &full, const QString &name,
                           const QString &part, QWidget *owner)
    : QDialog(owner), m_background(background), m_full(full), m_name(name)
{
    setObjectName(QStringLiteral("CutOut"));
    setWindowTitle(QStringLiteral("%1: %2").arg(tr(Title), part));

    m_picture = new Picture(*this, this);

    m_tolerance = new QSpinBox(this);
    m_tolerance->setObjectName(QStringLiteral("spnTolerance"));
    m_tolerance->setAccessibleName(tr("Tolerance"));
    m_tolerance->setAccessibleDescription(
        tr("How much a red, green or blue value may differ and still count as the same"));
    m_tolerance->setRange(0, PartCutOut::MaxTolerance);
    m_tolerance->setValue(PartCutOut::DefaultTolerance);
    m_margin = new QSpinBox(this);
    m_margin->setObjectName(QStringLiteral("spnMargin"));
    m_margin->setAccessibleName(tr("Margin"));
    m_margin->setAccessibleDescription(tr("Pixels of background kept around the difference"));
    m_margin->setRange(0, PartCutOut::MaxMargin);
    m_margin->setValue(PartCutOut::DefaultMargin);
    m_margin->setSuffix(tr(" px"));

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblRect"));
    m_note->setAccessibleName(tr("Rectangle"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    // Enter in a box takes its value and the window's result.
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("&Tolerance:"), m_tolerance);
    form->addRow(tr("&Margin:"), m_margin);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_tolerance, &QSpinBox::valueChanged, this, &CutOutWindow::find);
    connect(m_margin, &QSpinBox::valueChanged, this, &CutOutWindow::find);
    find();
}

PartCutOut::Settings CutOutWindow::settings() const
{
    return {m_tolerance->value(), m_margin->value()};
}

void CutOutWindow::find()
{
    m_found = PartCutOut::findDifference(m_background, m_full, settings(), m_name);
    const QRect r = m_found.rect;
    m_note->setText(
        m_found.ok() ? tr("%1 x %2 pixels at (%3, %4)").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y())
                     : m_found.error);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_found.ok());
    m_picture->update();
}
