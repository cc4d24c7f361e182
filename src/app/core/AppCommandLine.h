// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KitProgram.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The command line of both programs, read in two stages. Before the
// application object exists it answers what needs no display (--help,
// --version) and reads the tasks that run without a window (--render,
// --check, --find-pictures, --verify), so these work without a desktop
// session. For a window it reads the command line without the toolkit's own
// options (-platform, -style, -reverse and their values), so that whatever the
// kit refuses is refused without a display too; the application object takes
// those options out, and the command line left is read again, complete. A task
// without a window has no toolkit to take options, so its command line is
// complete in the first stage.
class AppCommandLine
{
public:
    enum class Stage { BeforeApplication, WithApplication };

    // What the program is asked to do once the command line is read.
    struct Request
    {
        enum class Task {
            OpenWindow,   // the program's window; Frameloft then loads `file` when given
            Render,       // Frameloft: draw the scene `file` into the picture `output`
            Check,        // report what in `file` would not load or be saved back unchanged
            FindPictures, // Frameloft: copy the pictures the scene `file` misses from `searchFolder`
            Verify,       // Mindloom: run the chat test `file` through the Test Chat's rules
        };
        Task task = Task::OpenWindow;
        bool folderGiven = false;
        QString folder; // --folder's value as typed
        QString file;
        QString output;
        QString searchFolder;  // --find-pictures's value as typed
        bool spelling = false; // Check: Mindloom also checks the texts' spelling
        bool coverage = false; // Verify: also list the questions no exchange reached
        // Mindloom: the files to open, each in the window that edits its kind
        // (KitFile); without --folder, their folder is the work folder.
        QStringList files;
    };

    // Exit codes: the program did what was asked; a task found something or
    // could not read or write a file; the command line was wrong or a file to
    // check could not be read.
    static constexpr int Success = 0;
    static constexpr int Failure = 1;
    static constexpr int UsageError = 2;

    explicit AppCommandLine(KitProgram program);

    // Reads the arguments, the first being the program's path. True: the
    // program goes on with request(). False: the command line was answered or
    // refused, and exitCode(), output() and errors() say how.
    bool read(const QStringList &arguments, Stage stage);

    KitProgram program() const { return m_program; }
    const Request &request() const { return m_request; }

    int exitCode() const { return m_exitCode; }
    QString output() const { return m_output; }
    QString errors() const { return m_errors; }

    // Refuses the command line after it was read (a folder that cannot be
    // used, say): the message on stderr in the form of the parser's own
    // errors, exit code UsageError.
    void refuse(const QString &error);

    // Writes output() to stdout and errors() to stderr; returns exitCode().
    int finish() const;

    // Writes text to stdout or stderr as it is.
    static void writeOut(const QString &text);
    static void writeErr(const QString &text);

    // argv as QStringList, for the first stage, before QCoreApplication can
    // decode it.
    static QStringList arguments(int argc, char *argv[]);

private:
    void answer(int exitCode, const QString &output, const QString &errors);
    QString helpText() const;
    // Why the parsed command line cannot be run, or an empty string.
    QString problem(bool parsed) const;
    Request parsedRequest() const;
    // Why Mindloom cannot open these files, or an empty string.
    QString filesProblem(const QStringList &files) const;
    // Adds an option that only one program has.
    void offer(const QCommandLineOption &option);
    bool given(const QCommandLineOption &option) const;

    KitProgram m_program;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_folder;
    QCommandLineOption m_check;
    QCommandLineOption m_render;
    QCommandLineOption m_findPictures;
    QCommandLineOption m_spelling;
    QCommandLineOption m_verify;
    QCommandLineOption m_coverage;
    QStringList m_offered;
    bool m_opensFile = false;  // a file to open may follow the options
    bool m_opensFiles = false; // any number of them
    Request m_request;
    int m_exitCode = Success;
    QString m_output;
    QString m_errors;
};
