#pragma once

#include "KitProgram.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The command line of both programs, read in two stages. Before the
// application object exists it answers what needs no display (--help,
// --version), so these work without a desktop session; options it does not
// know may still be the toolkit's own (-platform, -style, -reverse), which the
// application object takes out of the command line. Once it has, anything
// left that neither knows is an error, reported before a window opens.
class AppCommandLine
{
public:
    enum class Stage { BeforeApplication, WithApplication };

    // Exit codes: the program did what was asked, or the command line was wrong.
    static constexpr int Success = 0;
    static constexpr int UsageError = 2;

    explicit AppCommandLine(KitProgram program);

    // Reads the arguments, the first being the program's path. True: the
    // program goes on. False: the command line was answered or refused, and
    // exitCode(), output() and errors() say how.
    bool read(const QStringList &arguments, Stage stage);

    int exitCode() const { return m_exitCode; }
    QString output() const { return m_output; }
    QString errors() const { return m_errors; }

    // Writes output() to stdout and errors() to stderr; returns exitCode().
    int finish() const;

    // argv as QStringList, for the first stage, before QCoreApplication can
    // decode it.
    static QStringList arguments(int argc, char *argv[]);

private:
    void answer(int exitCode, const QString &output, const QString &errors);
    QString helpText() const;

    KitProgram m_program;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    int m_exitCode = Success;
    QString m_output;
    QString m_errors;
};
