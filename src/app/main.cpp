#include <unistd.h>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "converter_app.h"

namespace {

bool g_starting = true;

// Qt ends the process when it cannot reach the display; say so in one line instead.
void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        if (g_starting) {
            const char* display = std::getenv("DISPLAY");
            std::fprintf(stderr,
                         "tevrimo: cannot open the display '%s'; run it on a desktop or under "
                         "xvfb-run, or use tevrimo-cli\n",
                         display ? display : "");
        } else {
            std::fprintf(stderr, "tevrimo: %s\n", message.toLocal8Bit().constData());
        }
        std::fflush(stderr);
        _exit(1);
    }
    // Platform chatter while the display is being opened is not the user's business.
    if (!g_starting && type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!tevrimo::DisplayAvailable("tevrimo")) return 1;
    qInstallMessageHandler(OnQtMessage);
    tevrimo::ConverterApp app(argc, argv);
    g_starting = false;
    if (!app.InitInstance()) return 1;
    return app.Run();
}
