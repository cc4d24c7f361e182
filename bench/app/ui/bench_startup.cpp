// SPDX-License-Identifier: GPL-3.0-or-later
// How long Mindloom and Frameloft take to start, next to two yardsticks of the
// same size started the same way: an empty Qt window, and the same window
// showing one word in a label. Each is timed from starting the process to the
// moment its window is mapped on the X server, and to the moment the program
// first draws into it (seen through the DAMAGE extension). The window is found
// by the process id it carries (_NET_WM_PID). The runs take turns (bare, one
// label, Frameloft, bare, one label, Mindloom, ...) so that a load from other
// work on the machine falls on all of them alike; a first round only warms the
// caches and is not counted.
//
// The empty window never starts the font system; the one-label window shows
// what a window pays for drawing any text at all (reading the font
// configuration, matching and loading a face), so a program's ratio to it is
// what its own work costs.
//
// Prints for each program and moment its median time, each yardstick's, the
// ratio of the two medians, and the median of the ratios of each run to the
// yardstick's run just before it (target against the empty window: 1.1 or
// less).
//
// bench_startup [runs, default 10]
// Uses the X server in DISPLAY, or starts its own Xvfb when DISPLAY is unset.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct WindowSize
{
    int width = 0;
    int height = 0;
};

// A private Xvfb for the benchmark's whole life; it picks a free display
// itself and reports its number through a pipe.
class OwnXvfb
{
public:
    bool start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
                   "tcp", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char number[16] = {};
        size_t got = 0;
        while (got < sizeof number - 1) {
            const ssize_t n = read(fds[0], number + got, 1);
            if (n <= 0 || number[got] == '\n')
                break;
            ++got;
        }
        close(fds[0]);
        number[got] = 0;
        if (m_pid < 0 || got == 0)
            return false;
        m_display = QStringLiteral(":") + QString::fromLatin1(number);
        return true;
    }
    ~OwnXvfb()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    const QString &display() const { return m_display; }

private:
    pid_t m_pid = -1;
    QString m_display;
};

// What the X server saw of a program's window: when it was mapped and when
// the program first drew into it, in milliseconds from the start.
struct Shown
{
    double mappedMs = 0;
    double paintedMs = 0;
    WindowSize size;
};

// Watches the X server for top-level windows being mapped and drawn into.
class WindowWatch
{
public:
    bool open(const QString &display)
    {
        int screenNumber = 0;
        m_connection = xcb_connect(display.toLocal8Bit().constData(), &screenNumber);
        if (xcb_connection_has_error(m_connection))
            return false;
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        m_root = screens.data->root;
        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present)
            return false;
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(
            m_connection,
            xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, strlen(name), name),
                                  nullptr),
            &std::free);
        if (!atom)
            return false;
        m_pidAtom = atom->atom;
        xcb_flush(m_connection);
        return true;
    }
    ~WindowWatch()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    // Waits until a window of the process is mapped and drawn into; nothing
    // when that did not happen within the time allowed.
    std::optional<Shown> waitForWindow(const QElapsedTimer &started, qint64 pid, int timeoutMs)
    {
        Shown shown;
        xcb_window_t window = XCB_NONE;
        pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (started.elapsed() < timeoutMs) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(m_connection),
                                                                             &std::free);
            if (!event) {
                if (xcb_connection_has_error(m_connection))
                    return std::nullopt;
                poll(&fd, 1, int(std::max<qint64>(1, timeoutMs - started.elapsed())));
                continue;
            }
            const double now = double(started.nsecsElapsed()) / 1e6;
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, so that no drawing is missed.
                const auto *create = reinterpret_cast<const xcb_create_notify_event_t *>(event.get());
                if (create->parent == m_root && !create->override_redirect) {
                    xcb_damage_create(m_connection, xcb_generate_id(m_connection), create->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(m_connection);
                }
            } else if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
                const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
                if (map->event == m_root && !map->override_redirect && windowPid(map->window) == pid) {
                    window = map->window;
                    shown.mappedMs = now;
                    shown.size = size(window);
                }
            } else if (type == m_damageEvent && window != XCB_NONE) {
                const auto *damage = reinterpret_cast<const xcb_damage_notify_event_t *>(event.get());
                if (damage->drawable == window) {
                    shown.paintedMs = now;
                    return shown;
                }
            }
        }
        return std::nullopt;
    }

private:
    qint64 windowPid(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                nullptr),
            &std::free);
        if (!reply || xcb_get_property_value_length(reply.get()) != 4)
            return -1;
        return *static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    }

    WindowSize size(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr),
            &std::free);
        return reply ? WindowSize{reply->width, reply->height} : WindowSize{};
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
    uint8_t m_damageEvent = 0;
};

// One start of a program, timed until its window is mapped and drawn; the
// program is ended then.
std::optional<Shown> startOnce(WindowWatch &watch, const QString &display, const QString &program,
                               const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer started;
    started.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        std::fprintf(stderr, "cannot start %s: %s\n", qPrintable(program), qPrintable(process.errorString()));
        return std::nullopt;
    }
    const std::optional<Shown> shown = watch.waitForWindow(started, process.processId(), 30000);
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(10000);
    }
    if (!shown)
        std::fprintf(stderr, "%s showed no window within 30 s\n", qPrintable(program));
    return shown;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Program
{
    const char *name;
    QString path;
    WindowSize size;
    std::vector<Shown> runs;
    std::vector<Shown> bareRuns;
    std::vector<Shown> labelRuns;
};

std::vector<double> timesOf(const std::vector<Shown> &runs, double Shown::*moment)
{
    std::vector<double> times;
    for (const Shown &run : runs)
        times.push_back(run.*moment);
    return times;
}

void printFigures(const Program &program, const char *what, double Shown::*moment)
{
    const std::vector<double> times = timesOf(program.runs, moment);
    const double programMedian = median(times);
    std::printf("%-10s %-8s median %7.1f ms\n", program.name, what, programMedian);
    const std::pair<const char *, const std::vector<Shown> *> yardsticks[] = {
        {"bare window", &program.bareRuns}, {"one label", &program.labelRuns}};
    for (const auto &[name, yardstickRuns] : yardsticks) {
        const std::vector<double> yardstickTimes = timesOf(*yardstickRuns, moment);
        std::vector<double> ratios;
        for (size_t i = 0; i < times.size(); ++i)
            ratios.push_back(times[i] / yardstickTimes[i]);
        const double yardstickMedian = median(yardstickTimes);
        std::printf("%21s%-11s %7.1f ms   ratio of medians %5.2f   median ratio %5.2f\n", "", name,
                    yardstickMedian, programMedian / yardstickMedian, median(ratios));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("10")).toInt());

    OwnXvfb xvfb;
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        if (!xvfb.start()) {
            std::fprintf(stderr, "DISPLAY is unset and Xvfb could not be started\n");
            return 1;
        }
        display = xvfb.display();
    }
    WindowWatch watch;
    if (!watch.open(display)) {
        std::fprintf(stderr, "cannot watch the X server %s (it needs the DAMAGE extension)\n",
                     qPrintable(display));
        return 1;
    }

    const QString bare = QStringLiteral(BARE_WINDOW_PATH);
    Program programs[] = {
        {"Frameloft", QStringLiteral(FRAMELOFT_PATH), {}, {}, {}, {}},
        {"Mindloom", QStringLiteral(MINDLOOM_PATH), {}, {}, {}, {}},
    };
    auto bareArguments = [](const Program &program) {
        return QStringList{QString::number(program.size.width), QString::number(program.size.height)};
    };
    auto labelArguments = [&bareArguments](const Program &program) {
        return bareArguments(program) << QStringLiteral("Background");
    };
    // The warm-up round also finds each program's window size for its yardsticks.
    for (Program &program : programs) {
        const std::optional<Shown> shown = startOnce(watch, display, program.path, {});
        if (!shown)
            return 1;
        program.size = shown->size;
        if (!startOnce(watch, display, bare, bareArguments(program)) ||
            !startOnce(watch, display, bare, labelArguments(program)))
            return 1;
    }
    for (int run = 0; run < runs; ++run) {
        for (Program &program : programs) {
            const std::optional<Shown> bareShown = startOnce(watch, display, bare, bareArguments(program));
            const std::optional<Shown> labelShown = startOnce(watch, display, bare, labelArguments(program));
            const std::optional<Shown> shown = startOnce(watch, display, program.path, {});
            if (!bareShown || !labelShown || !shown)
                return 1;
            program.bareRuns.push_back(*bareShown);
            program.labelRuns.push_back(*labelShown);
            program.runs.push_back(*shown);
        }
    }

    std::printf("Start-up of each window next to an empty one of its size and one with a label,\n"
                "%d runs each, taking turns (X server %s)\n",
                runs, qPrintable(display));
    std::printf("mapped: the window is on the screen; painted: its first picture is in it\n");
    for (const Program &program : programs) {
        printFigures(program, "mapped", &Shown::mappedMs);
        printFigures(program, "painted", &Shown::paintedMs);
    }
    return 0;
}
