#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Language.h"

namespace {

// The context the command line's texts are translated in.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The status of a --help or --version: what they print is all they do, so
// output that could not be written (a full disk, a closed pipe) is a failure.
int Printed()
{
    if (std::fflush(stdout) == 0)
        return 0;
    const char *why = std::strerror(errno);
    std::fprintf(stderr, "lumidex: %s\n", qPrintable(CommandLine::tr("cannot write the output: %1").arg(why)));
    return 1;
}

} // namespace

std::optional<int> ReadCommandLine(int &argc, char **argv)
{
    // The usual start, from the desktop's menu, has nothing to read: it is
    // spared the 1.5 ms of an application object made only for reading.
    if (argc < 2)
        return std::nullopt;
    // A core application of its own, which opens no display; it is gone
    // before the game's application is made. It is given the command's
    // name, not the path it was started by, for the usage line.
    std::vector<char *> arguments(argv, argv + argc + 1);
    char command[] = "lumidex";
    arguments[0] = command;
    int count = argc;
    QCoreApplication app(count, arguments.data());
    const Language language;
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr("Lumidex, a memory card game in one small window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Show the game's version and quit."));
    // A desktop restoring its session starts the game again with the
    // session's name, which Qt takes up when it opens the display.
    QCommandLineOption session(QStringLiteral("session"), QString(), QStringLiteral("name"));
    session.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, session});
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = CommandLine::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "lumidex: %s\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Printed();
    }
    if (parser.isSet(version)) {
        std::printf("lumidex %s\n", LUMIDEX_VERSION);
        return Printed();
    }
    return std::nullopt;
}
