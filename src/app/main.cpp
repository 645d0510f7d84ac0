#include <unistd.h>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "converter_app.h"

namespace {

// Qt ends the process when it cannot reach the display; say so in one line instead.
void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tevrimo: %s\n", message.toLocal8Bit().constData());
        std::fflush(stderr);
        _exit(1);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!tevrimo::DisplayAvailable("tevrimo")) return 1;
    qInstallMessageHandler(OnQtMessage);
    tevrimo::ConverterApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.Run();
}
