// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaceWindow.h"

#include "SceneEditor.h"
#include "ScenePlacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

const char *const PlaceWindow::Title = QT_TRANSLATE_NOOP("PlaceWindow", "Position and Size");

namespace {

struct Field
{
    const char *name;
    const char *caption;
    const char *accessibleName;
};
const Field Fields[] = {
    {"spnX", QT_TRANSLATE_NOOP("PlaceWindow", "&X:"),
     QT_TRANSLATE_NOOP("PlaceWindow", "X, pixels from the canvas's left edge")},
    {"spnY", QT_TRANSLATE_NOOP("PlaceWindow", "&Y:"),
     QT_TRANSLATE_NOOP("PlaceWindow", "Y, pixels from the canvas's top edge")},
    {"spnWidth", QT_TRANSLATE_NOOP("PlaceWindow", "&Width:"),
     QT_TRANSLATE_NOOP("PlaceWindow", "Width in pixels")},
    {"spnHeight", QT_TRANSLATE_NOOP("PlaceWindow", "&Height:"),
     QT_TRANSLATE_NOOP("PlaceWindow", "Height in pixels")},
};

int shown(float value)
{
    return std::isfinite(value) ? int(std::lround(std::clamp(double(value), -1e9, 1e9))) : 0;
}

} // namespace

PlaceWindow::PlaceWindow(SceneEditor &editor, QWidget *owner) : QDialog(owner), m_editor(editor)
{
    setObjectName(QStringLiteral("PositionAndSize"));
    setAttribute(Qt::WA_DeleteOnClose);
    const int id = editor.selectedPart();
    setWindowTitle(tr(Title));

    // The spin boxes reach as far as the limits let a part go.
    const bool misc = id == ScenePart::Misc;
    const int largest = int(ScenePlacement::LargestMiscSize);
    const int ranges[4][2] = {{0, misc ? largest : int(ScenePlacement::NudgeRightLimit) - 1},
                              {0, misc ? largest : int(ScenePlacement::NudgeBottomLimit) - 1},
                              {1, misc ? largest : int(ScenePlacement::NudgeRightLimit)},
                              {1, misc ? largest : int(ScenePlacement::NudgeBottomLimit)}};
    auto *form = new QFormLayout;
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QLatin1String(Fields[i].name));
        box->setAccessibleName(tr(Fields[i].accessibleName));
        box->setRange(ranges[i][0], ranges[i][1]);
        box->setSuffix(tr(" px"));
        box->setKeyboardTracking(false); // a number typed counts at Enter or on leaving the box
        connect(box, &QSpinBox::valueChanged, this, [this, i] { changed(int(i)); });
        form->addRow(tr(Fields[i].caption), box);
        m_boxes[i] = box;
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    // Enter in a box takes its value and the window's result.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_editor.beginPlace();
    connect(this, &QDialog::finished, this, [this](int result) { m_editor.endPlace(result == Accepted); });
    mirror();
}

void PlaceWindow::changed(int field)
{
    if (!m_editor.placing())
        return;
    const SceneRecord::Part &part = m_editor.record().part(m_editor.selectedPart());
    std::array<float, 4> values{part.x, part.y, part.w, part.h};
    values[size_t(field)] = float(m_boxes[size_t(field)]->value());
    m_editor.setPlace(values[0], values[1], values[2], values[3]);
    mirror();
}

void PlaceWindow::mirror()
{
    if (m_editor.selectedPart() < 0)
        return;
    const SceneRecord::Part &part = m_editor.record().part(m_editor.selectedPart());
    const float values[] = {part.x, part.y, part.w, part.h};
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]->value() != shown(values[i])) {
            const QSignalBlocker quiet(m_boxes[i]);
            m_boxes[i]->setValue(shown(values[i]));
        }
    }
}
