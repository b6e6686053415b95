#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "WindowPause.h"
#include "mdlMain.h"

namespace {
QtMessageHandler qtDefault = nullptr;

// A fatal start-up problem (no display to open, a damaged executable) ends
// the program with a one-line message and status 1 instead of a crash dump.
void reportFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtDefault(type, context, message);
        return;
    }
    std::fprintf(stderr, "lumidex: %s\n", qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}
} // namespace

int main(int argc, char *argv[])
{
    WindowPauseCountFromStart();
    qtDefault = qInstallMessageHandler(reportFatal);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Lumidex"));
    return mdlMain::Main();
}
