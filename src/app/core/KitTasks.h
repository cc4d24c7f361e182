#pragma once

#include "AppCommandLine.h"
#include "KitProgram.h"

#include <QString>

// The tasks the programs run from the command line without a window: each
// gives the exit code and what goes to stdout and stderr, so that tests can
// run them in the test's process.
namespace KitTasks {

struct Result
{
    int exitCode = AppCommandLine::Success;
    QString output;
    QString errors;

    // Writes output to stdout and errors to stderr; returns exitCode.
    int finish() const;
};

// Runs a window-free request (Check, Render or Verify) in folder, the folder the
// program works in (ending in a separator).
Result run(KitProgram program, const AppCommandLine::Request &request, const QString &folder);

// --check FILE. Frameloft checks any file as a scene (pictures are looked for
// in folder's "Images"). Mindloom tells the kind of file by its name: a personality's
// ".mem" or ".qas" file, a ".kba" knowledge base, or "Options.Cfg" (pictures
// are looked for in folder's "Locations"). Exit code 0 with nothing found, 1
// with findings (one line each on stdout), 2 for a file that cannot be read or
// is of no kind the program knows.
Result check(KitProgram program, const QString &file, const QString &folder);

// Frameloft --render FILE.scn OUT.png: the scene drawn as the companion shows
// it into a PNG picture (pictures from folder's "Images"). Exit code 0 when
// written; 1, with each scene file or picture that could not be read named on
// stderr and nothing written, when one could not be read or the picture could
// not be written.
Result render(const QString &scene, const QString &output, const QString &folder);

// Mindloom --verify FILE.chat [--coverage]: runs the chat test through the
// Test Chat's rules. Exit code 0 when every exchange passes, 1 when one fails
// (one line each on stdout, then the count), 2 when the chat file, its
// personality or a knowledge base cannot be read (named on stderr).
Result verify(const QString &chatFile, const QString &folder, bool coverage);

} // namespace KitTasks
