// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The application object of a benchmark that makes windows: they are made off
// screen unless the caller chose a platform (QT_QPA_PLATFORM).
class BenchApplication : public QApplication
{
public:
    // The platform is chosen before QApplication starts, which reads it.
    BenchApplication(int &argc, char **argv) : QApplication((offscreenUnlessChosen(), argc), argv) {}

private:
    static void offscreenUnlessChosen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};
