// SPDX-License-Identifier: MIT
// The desktop program. Whatever ends it early ends it with one line on standard error:
// status 2 for bad arguments, 1 for anything else.
#include <unistd.h>
#include <QStringList>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "arguments.h"
#include "converter_app.h"
#include "single_instance.h"
#include "user_text.h"

namespace {

bool g_starting = true;

// Qt ends the process when it cannot reach the display; say so in one line instead.
void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        if (g_starting) {
            const char* display = std::getenv("DISPLAY");
            std::fprintf(stderr,
                         "tevrimo: cannot open the display %s; run it on a desktop or under "
                         "xvfb-run, or use tevrimo-cli\n",
                         tevrimo::Quoted(display ? display : "").c_str());
        } else {
            std::fprintf(stderr, "tevrimo: %s\n", message.toLocal8Bit().constData());
        }
        std::fflush(stderr);
        // A fatal message handler must not return: Qt would abort and leave a core
        // dump. Nothing can be saved from inside Qt's failure, and exit handlers and
        // destructors could run into the half-built objects that failed; so the process
        // ends here, with the status of any other failure.
        _exit(1);
    }
    // Platform chatter while the display is being opened is not the user's business.
    if (!g_starting && type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

// Writes `text` to standard output; a failed write is reported and fails the run.
int Print(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tevrimo: cannot write to standard output: %s\n",
                     std::strerror(errno));
        return 1;
    }
    return 0;
}

int Run(int argc, char** argv) {
    using tevrimo::StartRequest;
    const StartRequest request = tevrimo::ReadArguments(argc, argv);
    switch (request.kind) {
        case StartRequest::Kind::kHelp: return Print(tevrimo::HelpText());
        case StartRequest::Kind::kVersion: return Print(tevrimo::VersionText());
        case StartRequest::Kind::kError:
            std::fprintf(stderr, "tevrimo: %s\n", request.error.c_str());
            return 2;
        case StartRequest::Kind::kRun: break;
    }
    if (!request.platformGiven && !tevrimo::DisplayAvailable("tevrimo")) return 1;
    QStringList arguments;  // as given, before Qt takes its own options out
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const QString activationToken = tevrimo::ActivationToken();
    qInstallMessageHandler(OnQtMessage);
    tevrimo::ConverterApp app(argc, argv);
    g_starting = false;
    // A window is open already: it shows what was asked, and this start is done.
    if (app.HandOver(arguments, activationToken)) return 0;
    app.InitInstance(request.start);
    return app.Run();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tevrimo: out of memory\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tevrimo: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "tevrimo: unexpected failure\n");
    }
    return 1;
}
