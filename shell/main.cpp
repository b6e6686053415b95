#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "CommandLine.h"
#include "Language.h"
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
    if (const std::optional<int> status = ReadCommandLine(argc, argv))
        return *status;
    // The window is centred and dragged by X11 means: on a Wayland session
    // it runs through XWayland unless the user names a platform. Programs
    // the game starts (the web browser) do not inherit the choice.
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!platformChosen)
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    if (!platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    const Language language;
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMIDEX_APP_ID));
    return mdlMain::Main();
}
