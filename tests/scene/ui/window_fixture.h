// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program folder with generated default pictures, and a composer window on
// a FakePlatform over it, for the Form1 tests.

#include "CanvasPicture.h"
#include "Controls.h"
#include "Form1.h"
#include "ProgramFolderFixture.h"
#include "SceneCanvas.h"
#include "TestFiles.h"
#include "expected_canvas.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// The default pictures: name, size in pixels, colour. Their sizes give the
// default geometry ZM 120 x 90 at (120, 90), ZB 66 x 32, UM 80 x 44,
// UB 60 x 30, MP 200 x 48 at (60, 30). (All are sizes whose default size
// comes out as the pixel size; 64 pixels, for one, gives 63.)
struct DefaultPicture
{
    const char *name;
    int width;
    int height;
    QRgb colour;
};
inline const DefaultPicture DefaultPictures[] = {
    {"bg.jpg", 700, 500, qRgb(0, 150, 0)},        {"zumimouth.jpg", 120, 90, qRgb(220, 0, 0)},
    {"zumiblink.jpg", 66, 32, qRgb(240, 240, 0)}, {"usermouth.jpg", 80, 44, qRgb(0, 0, 230)},
    {"userblink.jpg", 60, 30, qRgb(230, 0, 230)}, {"miscpart.jpg", 200, 48, qRgb(0, 230, 230)},
};

class WindowFixture : public ProgramFolderFixture
{
public:
    // subfolder: an optional folder below the temporary one to act as the
    // program folder (e.g. one with a space in its name).
    explicit WindowFixture(const QString &subfolder = QString()) : ProgramFolderFixture(subfolder)
    {
        QDir().mkpath(images());
        for (const DefaultPicture &picture : DefaultPictures)
            writePicture(QLatin1String(picture.name), picture.width, picture.height, picture.colour);
    }

    QString images() const { return path(QStringLiteral("Images")) + QDir::separator(); }

    // A picture of one colour; the format comes from the name's extension.
    QString writePicture(const QString &name, int width, int height, QRgb colour,
                         const QString &into = QString())
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = (into.isEmpty() ? images() : into) + name;
        if (!image.save(file))
            qFatal("cannot write test picture %s", qPrintable(file));
        return file;
    }

    // A picture as the window's loader decodes it.
    static QImage decoded(const QString &file) { return PictureLoader::load(file).picture.image; }
    QImage decodedDefault(const char *name) const { return decoded(images() + QLatin1String(name)); }

    static QString writeFile(const QString &file, const QByteArray &bytes)
    {
        return TestFiles::writeBytes(file, bytes);
    }
    QString writeScene(const QString &name, const QByteArray &bytes) { return writeFile(path(name), bytes); }

    Form1 &open()
    {
        window = std::make_unique<Form1>(platform);
        return *window;
    }
    Form1 &openShown()
    {
        open();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("window not exposed");
        return *window;
    }

    template <class T> T *child(const char *name) const { return Controls::find<T>(*window, name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QCheckBox *check(const char *name) const { return child<QCheckBox>(name); }
    QRadioButton *option(const char *name) const { return child<QRadioButton>(name); }
    QLineEdit *text(const char *name) const { return child<QLineEdit>(name); }
    SceneCanvas *canvas() const { return child<SceneCanvas>("picCanvas"); }
    QImage canvasImage() const { return canvas()->image(); }

    // Every control's state: name, checked, enabled, text.
    QStringList controlStates() const
    {
        QStringList states;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            QString state =
                control->objectName() + (control->isEnabled() ? QStringLiteral(" enabled") : QString());
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                state += button->isChecked() ? QStringLiteral(" checked") : QString();
            if (auto *edit = qobject_cast<QLineEdit *>(control))
                state += QStringLiteral(" \"%1\"").arg(edit->text());
            states << state;
        }
        return states;
    }

    // Clicks a button with the mouse (the click handlers are the ones users reach).
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    // Answers the next dialog with file, then clicks the button.
    void clickAnswering(const char *name, const QString &file)
    {
        platform.dialogAnswers << file;
        click(name);
    }

    // Loads a scene file text through Load Scene.
    void loadScene(const QByteArray &bytes)
    {
        clickAnswering("Command11", writeScene(QStringLiteral("in.scn"), bytes));
    }

    // Saves through Save Scene and returns the bytes written.
    QByteArray saveScene(const QString &name = QStringLiteral("out.scn"))
    {
        const QString file = path(name);
        if (QFileInfo::exists(file))
            platform.answers << Platform::Answer::Yes; // "Replace ...?"
        clickAnswering("Command10", file);
        return TestFiles::readBytes(file);
    }

    std::unique_ptr<Form1> window;
};
