// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppCommandLine.h"

#include "KitFile.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

QString description(KitProgram program)
{
    switch (program) {
    case KitProgram::Mindloom:
        return QStringLiteral("The personality editing suite: edits a chat companion's personality, "
                              "knowledge bases and locations, and starts the scene composer.");
    case KitProgram::Frameloft:
        return QStringLiteral("The scene composer: places a chat companion's background, mouth, blink "
                              "and other parts on a 700 x 500 canvas and saves them as scene files.");
    }
    Q_UNREACHABLE();
}

QString checkDescription(KitProgram program)
{
    switch (program) {
    case KitProgram::Mindloom:
        return QStringLiteral(
            "Reports what in FILE (a personality's .mem or .qas file, a .kba knowledge base or "
            "Options.Cfg) would not load or be saved back unchanged, one line each, and exits: "
            "0 when there is nothing, 1 when there is.");
    case KitProgram::Frameloft:
        return QStringLiteral(
            "Reports what in the scene FILE would not load or be saved back unchanged, one line "
            "each, and exits: 0 when there is nothing, 1 when there is.");
    }
    Q_UNREACHABLE();
}

struct ToolkitOption
{
    const char *name;
    // Takes the next argument as its value (as "-platform offscreen").
    bool takesValue;
};

// The options every program of the toolkit takes, whatever their platform.
constexpr ToolkitOption toolkitOptions[] = {{"style", true},
                                            {"stylesheet", true},
                                            {"widgetcount", false},
                                            {"reverse", false},
                                            {"qmljsdebugger", false},
                                            {"platform", true},
                                            {"platformpluginpath", true},
                                            {"platformtheme", true},
                                            {"plugin", true},
                                            {"qwindowgeometry", true},
                                            {"qwindowicon", true},
                                            {"qwindowtitle", true},
                                            {"session", true},
                                            {"display", true},
                                            {"geometry", true},
                                            {"dialogs", false},
                                            {"fontengine", false},
                                            {"name", true},
                                            {"visual", true},
                                            {"ncols", true},
                                            {"cmap", false},
                                            {"nograb", false},
                                            {"dograb", false},
                                            {"sync", false}};

const ToolkitOption *toolkitOption(const QString &name)
{
    for (const ToolkitOption &option : toolkitOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// The arguments without the toolkit's options and their values, as the
// application object will leave them. Where a toolkit option may or may not
// take a value, its next argument goes too: the command line read without it
// is read again, complete, once the application object exists.
QStringList withoutToolkitOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            kept << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0)
            name.truncate(equals);
        const ToolkitOption *option = toolkitOption(name);
        if (!option) {
            kept << argument;
            continue;
        }
        if (equals < 0 && option->takesValue)
            ++i;
    }
    return kept;
}

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

AppCommandLine::AppCommandLine(KitProgram program)
    : m_program(program),
      m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help and exits.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Displays the version and exits.")),
      m_folder(QStringLiteral("folder"),
               QStringLiteral("Reads and writes the files in DIR instead of the program folder."),
               QStringLiteral("DIR")),
      m_check(QStringLiteral("check"), checkDescription(program), QStringLiteral("FILE")),
      m_render(
          QStringLiteral("render"),
          QStringLiteral("Draws the scene FILE.scn as the companion shows it into the PNG picture OUT.png "
                         "given after it (--render FILE.scn OUT.png), without a window, and exits: 0 when "
                         "the picture is written, 1 when the scene or a picture cannot be read or OUT.png "
                         "cannot be written."),
          QStringLiteral("FILE.scn")),
      m_findPictures(QStringLiteral("find-pictures"),
                     QStringLiteral("Searches FOLDER and its subfolders for the pictures the scene FILE.scn "
                                    "given after it names but the folder's Images lacks "
                                    "(--find-pictures FOLDER FILE.scn), by name whatever the case, copies "
                                    "what it finds into Images, lists what it found and what not, and exits: "
                                    "0 when no picture is missing afterwards, 1 when one is."),
                     QStringLiteral("FOLDER")),
      m_spelling(
          QStringLiteral("spelling"),
          QStringLiteral("With --check: also reports each word of FILE's texts that the dictionary does not "
                         "know, one line each, by the editors' rules and with the personal word list.")),
      m_verify(QStringLiteral("verify"),
               QStringLiteral("Runs every exchange of the chat test FILE.chat through the Test Chat's rules, "
                              "without a window; prints one line per reply that does not match, then the "
                              "count, and exits: 0 when all pass, 1 when one fails, 2 when the file, its "
                              "personality or a knowledge base cannot be read."),
               QStringLiteral("FILE.chat")),
      m_coverage(QStringLiteral("coverage"),
                 QStringLiteral("With --verify: also lists the questions of the personality that no "
                                "exchange reached, with their lines."))
{
    m_parser.setApplicationDescription(description(program));
    // "-reverse" and "-platform" are the toolkit's; read compactly, "-reverse"
    // would hold "-v".
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_folder);
    if (program == KitProgram::Frameloft) {
        offer(m_render);
        offer(m_findPictures);
        m_parser.addPositionalArgument(QStringLiteral("FILE.scn"),
                                       QStringLiteral("A scene to load once the window is open."),
                                       QStringLiteral("[FILE.scn]"));
        m_opensFile = true;
    } else {
        m_parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral(
                "Files to open once the launcher is up: a .kba knowledge base in the Knowledge Base "
                "Editor, a personality's .mem or .qas file in the Personality Editor, Options.Cfg "
                "in the Locations window. Without --folder, their folder is the work folder."),
            QStringLiteral("[FILE...]"));
        m_opensFiles = true;
    }
    offer(m_check);
    if (program == KitProgram::Mindloom) {
        offer(m_verify);
        offer(m_coverage);
        offer(m_spelling);
    }
}

bool AppCommandLine::read(const QStringList &arguments, Stage stage)
{
    const bool parsed = m_parser.parse(arguments);
    if (m_parser.isSet(m_version)) {
        answer(Success,
               KitInfo::programName(m_program) + QLatin1Char(' ') + KitInfo::version() + QLatin1Char('\n'),
               QString());
        return false;
    }
    if (m_parser.isSet(m_help)) {
        answer(Success, helpText(), QString());
        return false;
    }
    const bool windowFree = given(m_check) || given(m_render) || given(m_findPictures) || given(m_verify) ||
                            given(m_coverage) || given(m_spelling);
    // The toolkit takes its own options out once the application starts, and
    // the command line is read again then; what the kit refuses without them
    // is refused now, before a display is needed.
    const bool complete = stage == Stage::BeforeApplication && !windowFree
                              ? m_parser.parse(withoutToolkitOptions(arguments))
                              : parsed;
    const QString error = problem(complete);
    if (!error.isEmpty()) {
        refuse(error);
        return false;
    }
    m_request = parsedRequest();
    return true;
}

void AppCommandLine::offer(const QCommandLineOption &option)
{
    m_parser.addOption(option);
    m_offered << option.names().constFirst();
}

bool AppCommandLine::given(const QCommandLineOption &option) const
{
    return m_offered.contains(option.names().constFirst()) && m_parser.isSet(option);
}

void AppCommandLine::refuse(const QString &error)
{
    answer(UsageError, QString(),
           QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
               .arg(KitInfo::programName(m_program), error));
}

QString AppCommandLine::problem(bool parsed) const
{
    if (!parsed)
        return m_parser.errorText();
    const QStringList positional = m_parser.positionalArguments();
    const auto unexpected = [&](qsizetype index) {
        return QStringLiteral("Unexpected argument '%1'.").arg(positional.at(index));
    };
    if (given(m_check) && given(m_render))
        return QStringLiteral("--check and --render cannot be used together.");
    if (given(m_check) && given(m_verify))
        return QStringLiteral("--check and --verify cannot be used together.");
    if (given(m_coverage) && !given(m_verify))
        return QStringLiteral("--coverage needs --verify FILE.chat.");
    if (given(m_spelling) && !given(m_check))
        return QStringLiteral("--spelling needs --check FILE.");
    if (int(given(m_check)) + int(given(m_render)) + int(given(m_findPictures)) > 1) {
        if (!given(m_findPictures))
            return QStringLiteral("--check and --render cannot be used together.");
        return QStringLiteral("--find-pictures cannot be used with --%1.")
            .arg(given(m_check) ? QStringLiteral("check") : QStringLiteral("render"));
    }
    if (given(m_findPictures)) {
        if (positional.isEmpty())
            return QStringLiteral("--find-pictures needs FOLDER and FILE.scn.");
        if (positional.size() > 1)
            return unexpected(1);
        return QString();
    }
    if (given(m_render)) {
        if (positional.isEmpty())
            return QStringLiteral("--render needs FILE.scn and OUT.png.");
        if (positional.size() > 1)
            return unexpected(1);
        // Other programs go by the name: PNG bytes in "out.jpg" open nowhere.
        if (!positional.first().endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            return QStringLiteral(
                       "--render writes a PNG picture, so OUT.png must end in \".png\", not \"%1\".")
                .arg(positional.first());
        return QString();
    }
    if (m_opensFiles && !given(m_check) && !given(m_verify))
        return filesProblem(positional);
    // Frameloft opens one scene.
    const qsizetype allowed = m_opensFile && !given(m_check) && !given(m_verify) ? 1 : 0;
    if (positional.size() > allowed)
        return unexpected(allowed);
    return QString();
}

QString AppCommandLine::filesProblem(const QStringList &files) const
{
    // Personalities and settings are read from the work folder, so every file
    // must be in the one folder that becomes it.
    QString folder =
        m_parser.isSet(m_folder) ? QFileInfo(m_parser.value(m_folder)).absoluteFilePath() : QString();
    for (const QString &file : files) {
        if (KitFile::kind(file) == KitFile::Kind::None)
            return QStringLiteral(
                       "Mindloom opens a .kba knowledge base, a personality's .mem or .qas file or "
                       "Options.Cfg, not \"%1\".")
                .arg(file);
        const QString fileFolder = QFileInfo(file).absolutePath();
        if (folder.isEmpty())
            folder = fileFolder;
        else if (QDir::cleanPath(fileFolder) != QDir::cleanPath(folder))
            return QStringLiteral("\"%1\" is not in the work folder \"%2\".")
                .arg(file, QDir::toNativeSeparators(folder));
    }
    return QString();
}

AppCommandLine::Request AppCommandLine::parsedRequest() const
{
    Request request;
    request.folderGiven = m_parser.isSet(m_folder);
    request.folder = m_parser.value(m_folder);
    const QStringList positional = m_parser.positionalArguments();
    if (given(m_check)) {
        request.task = Request::Task::Check;
        request.file = m_parser.value(m_check);
        request.spelling = given(m_spelling);
    } else if (given(m_findPictures)) {
        request.task = Request::Task::FindPictures;
        request.searchFolder = m_parser.value(m_findPictures);
        request.file = positional.value(0);
    } else if (given(m_verify)) {
        request.task = Request::Task::Verify;
        request.file = m_parser.value(m_verify);
        request.coverage = given(m_coverage);
    } else if (given(m_render)) {
        request.task = Request::Task::Render;
        request.file = m_parser.value(m_render);
        request.output = positional.value(0);
    } else if (m_opensFiles) {
        request.files = positional;
        if (!request.files.isEmpty() && !request.folderGiven) {
            request.folderGiven = true;
            request.folder = QFileInfo(request.files.constFirst()).absolutePath();
        }
    } else {
        request.file = positional.value(0);
    }
    return request;
}

int AppCommandLine::finish() const
{
    if (!m_output.isEmpty())
        write(stdout, m_output);
    if (!m_errors.isEmpty())
        write(stderr, m_errors);
    return m_exitCode;
}

void AppCommandLine::writeOut(const QString &text)
{
    write(stdout, text);
}

void AppCommandLine::writeErr(const QString &text)
{
    write(stderr, text);
}

QStringList AppCommandLine::arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

void AppCommandLine::answer(int exitCode, const QString &output, const QString &errors)
{
    m_exitCode = exitCode;
    m_output = output;
    m_errors = errors;
}

QString AppCommandLine::helpText() const
{
    // The parser names the program by the path it was started with, or by a
    // placeholder before the application object exists; the usage line names
    // it as installed.
    QString text = m_parser.helpText();
    const QString usage = QStringLiteral("Usage: ");
    const qsizetype nameEnd = text.indexOf(QStringLiteral(" [options]"));
    if (text.startsWith(usage) && nameEnd > 0)
        text.replace(usage.size(), nameEnd - usage.size(), KitInfo::programName(m_program));
    return text;
}
