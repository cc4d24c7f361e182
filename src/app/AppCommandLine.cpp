#include "AppCommandLine.h"

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
                QStringLiteral("Displays the version and exits."))
{
    m_parser.setApplicationDescription(description(program));
    // "-reverse" and "-platform" are the toolkit's; read compactly, "-reverse"
    // would hold "-v".
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
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
    if (stage == Stage::BeforeApplication)
        return true;

    QString error;
    if (!parsed)
        error = m_parser.errorText();
    else if (!m_parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().constFirst());
    if (error.isEmpty())
        return true;
    answer(UsageError, QString(),
           QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
               .arg(KitInfo::programName(m_program), error));
    return false;
}

int AppCommandLine::finish() const
{
    if (!m_output.isEmpty())
        write(stdout, m_output);
    if (!m_errors.isEmpty())
        write(stderr, m_errors);
    return m_exitCode;
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
