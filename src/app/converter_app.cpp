// SPDX-License-Identifier: MIT
#include "converter_app.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <string>
#include <vector>

#include "main_dialog.h"
#include "single_instance.h"

namespace tevrimo {

namespace {

const char* ProgramFile(char** argv) {
    return argv && argv[0] ? argv[0] : "tevrimo";
}

int g_signalPipe[2] = {-1, -1};

void OnTerminate(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

QString ApplicationName(char** argv) {
    const QString name = QFileInfo(QString::fromLocal8Bit(ProgramFile(argv))).completeBaseName();
    return name.isEmpty() ? QStringLiteral("tevrimo") : name;
}

}  // namespace

bool DisplayAvailable(const char* programName) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((display && *display) || (wayland && *wayland)) return true;
    std::fprintf(stderr,
                 "%s: cannot open a display (DISPLAY is not set); run it on a desktop or under "
                 "xvfb-run, or use tevrimo-cli\n",
                 programName);
    return false;
}

ConverterApp::ConverterApp(int& argc, char** argv)
    : m_app(argc, argv), m_profile(Profile::DefaultPath(ProgramFile(argv))) {
    QApplication::setApplicationName(ApplicationName(argv));
    QApplication::setDesktopFileName(QStringLiteral("example.tevrimo.converter"));
}

ConverterApp::~ConverterApp() = default;

bool ConverterApp::HandOver(const QStringList& arguments, const QString& activationToken) {
    m_instance =
        std::make_unique<InstanceService>([this](const QStringList& args, const QString& token) {
            return OpenFromAnotherStart(args, token);
        });
    return ClaimOrHandOver(*m_instance, arguments, activationToken) == Instance::kHandedOver;
}

bool ConverterApp::OpenFromAnotherStart(const QStringList& arguments,
                                        const QString& activationToken) {
    std::vector<std::string> words{"tevrimo"};
    for (const QString& a : arguments) words.push_back(a.toStdString());
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    argv.push_back(nullptr);
    const StartRequest request = ReadArguments(static_cast<int>(words.size()), argv.data());
    // A window already closed (saving, about to end) takes nothing: the start opens its own.
    if (request.kind != StartRequest::Kind::kRun || !m_window || !m_window->isVisible()) {
        return false;
    }
    const StartPoint& start = request.start;
    if (start.tab >= 0) m_window->ShowUnit(start.tab, start.row);
    if (start.value) m_window->EnterValue(*start.value);
    // Wayland lets a window come forward with the token the launcher gave the start.
    if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return true;
}

void ConverterApp::InitInstance(const StartPoint& start) {
    // First, so that a request made while the window is being built closes it as soon
    // as the event loop runs, instead of ending the program unsaved.
    CloseOnTerminate();
    m_window = std::make_unique<MainDialog>(m_profile, QApplication::applicationName());
    if (start.tab >= 0) m_window->ShowUnit(start.tab, start.row);
    if (start.value) m_window->EnterValue(*start.value);
    m_window->show();
}

// A termination request (logging out, kill, Ctrl+C in the terminal) closes the window
// as its close box would, so the profile is saved and the exit code is 0.
void ConverterApp::CloseOnTerminate() {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &m_app);
    QObject::connect(notifier, &QSocketNotifier::activated, &m_app, [this] {
        char buffer[16];
        while (::read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        if (m_window) m_window->close();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

int ConverterApp::Run() {
    return QApplication::exec();
}

}  // namespace tevrimo
