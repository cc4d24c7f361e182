// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>

namespace AccessibilityWalk {
namespace {

bool isInteractive(const QWidget *widget)
{
    // Scroll bars here are parts of a scrolling control, never controls of their own.
    if (qobject_cast<const QScrollBar *>(widget))
        return false;
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget) ||
        qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QTextEdit *>(widget) ||
        qobject_cast<const QAbstractItemView *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget) ||
        qobject_cast<const QAbstractSlider *>(widget) || qobject_cast<const QComboBox *>(widget))
        return true;
    // A plain scroll area is a container: what it scrolls is walked instead.
    if (qobject_cast<const QAbstractScrollArea *>(widget))
        return false;
    return widget->focusPolicy() != Qt::NoFocus;
}

void walk(const QWidget &parent, QList<QWidget *> &found)
{
    for (QObject *child : parent.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        if (isInteractive(widget))
            found << widget; // its children are its own parts
        else
            walk(*widget, found);
    }
}

} // namespace

QList<QWidget *> interactiveControls(const QWidget &window)
{
    QList<QWidget *> found;
    walk(window, found);
    return found;
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QStringList unnamedControls(const QWidget &window)
{
    QStringList unnamed;
    for (QWidget *control : interactiveControls(window)) {
        if (!accessibleName(control).trimmed().isEmpty())
            continue;
        const QString kind = QLatin1String(control->metaObject()->className());
        const QPoint at = control->mapTo(&window, QPoint(0, 0));
        unnamed << (control->objectName().isEmpty()
                        ? QStringLiteral("%1 at %2,%3").arg(kind).arg(at.x()).arg(at.y())
                        : QStringLiteral("%1 \"%2\"").arg(kind, control->objectName()));
    }
    return unnamed;
}

} // namespace AccessibilityWalk
