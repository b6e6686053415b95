#include <QtTest>

#include <QMessageBox>
#include <QPushButton>
#include <csignal>
#include <dlfcn.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalogue.h"
#include "helpText.h"
#include "mdlResFiles.h"

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Answers every message box the way a user would, with its OK button, and
// keeps what each one showed and what the folder held meanwhile.
class MessageBoxes : public QObject {
public:
    struct Shown {
        QString title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QStringList inFolder;
    };
    QList<Shown> shown;

    explicit MessageBoxes(const QString &folder = {})
    {
        connect(&poll, &QTimer::timeout, this, [this, folder] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(), entries(folder)});
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->done(0);
        });
        poll.start(0);
    }

private:
    QTimer poll;
};

// What the kernel reports about names in a folder: "create NAME", "open
// NAME", "delete NAME", in order.
class FolderWatch {
public:
    explicit FolderWatch(const QString &folder) : fd(inotify_init1(IN_NONBLOCK))
    {
        inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_CREATE | IN_OPEN | IN_DELETE);
    }
    ~FolderWatch() { close(fd); }

    QStringList events() const
    {
        QStringList seen;
        alignas(inotify_event) char buffer[16384];
        for (ssize_t length; (length = read(fd, buffer, sizeof buffer)) > 0;) {
            for (const char *at = buffer; at < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (event->len > 0) // events of the folder itself carry no name
                    seen << kind(event->mask) + u' ' + QFile::decodeName(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return seen;
    }

private:
    static QString kind(uint32_t mask)
    {
        return mask & IN_CREATE ? QStringLiteral("create") : mask & IN_OPEN ? QStringLiteral("open") : QStringLiteral("delete");
    }
    int fd;
};

// Every read of a file in this folder fails while it is set, as on a failing disk.
QString readsFailIn;

} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    static const auto next = reinterpret_cast<ssize_t (*)(int, void *, size_t)>(dlsym(RTLD_NEXT, "read"));
    if (!readsFailIn.isEmpty()
        && QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd)).startsWith(readsFailIn + u'/')) {
        errno = EIO;
        return -1;
    }
    return next(fd, buffer, size);
}

namespace {

// Every write to a file fails while this lives, as on a full disk.
class FileWritesRefused {
public:
    FileWritesRefused()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit none{0, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FileWritesRefused() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved;
};

QString instructionsAsShown()
{
    const QByteArray bytes = Catalogue::LoadResData(107, QStringLiteral("TEXT"));
    QByteArray shown = bytes.left(bytes.indexOf('\0'));
    return QString::fromLatin1(shown.replace("\r\n", "\n"));
}

} // namespace

// The help panel's text comes from the instructions resource by way of a
// private temporary file that no outcome leaves behind.
class HelpTextTest : public QObject {
    Q_OBJECT
    QTemporaryDir tempDir; // the temporary folder the code under test is given
    QString folder;

    QString inFolder(QString path) const { return path.replace(QStringLiteral("%1"), folder); }

private slots:
    void initTestCase()
    {
        QVERIFY(tempDir.isValid());
        folder = QDir(tempDir.path()).canonicalPath();
    }
    void init() { qputenv("TMPDIR", QFile::encodeName(folder)); }

    void theTextIsEveryLineWithItsBreakUpToTheNuls()
    {
        MessageBoxes boxes;
        const std::optional<QString> text = LoadHelpText(nullptr);
        QVERIFY(text);
        QCOMPARE(*text, instructionsAsShown());
        QCOMPARE(text->count(u'\n'), 30);
        QVERIFY(text->endsWith(u'\n'));
        QVERIFY(!text->contains(QChar::Null));
        QVERIFY(boxes.shown.isEmpty());
    }

    void eachUseNamesItsOwnFileInTheFolderAndNeverReopensIt()
    {
        MessageBoxes boxes;
        QStringList names;
        for (int use = 0; use < 2; ++use) {
            FolderWatch watch(folder);
            QVERIFY(LoadHelpText(nullptr));
            // Only what happens under a "~rs" name: the file's unnamed
            // creation shows as "open #inode" before it is linked in.
            const QStringList events = watch.events().filter(QStringLiteral(" ~rs"));
            QCOMPARE(events.size(), 2);
            const QString name = events.first().section(u' ', 1);
            QVERIFY2(name.startsWith(QStringLiteral("~rs")), qPrintable(name));
            QCOMPARE(events, (QStringList{"create " + name, "delete " + name}));
            names << name;
        }
        QVERIFY(names[0] != names[1]);
        QVERIFY(boxes.shown.isEmpty());
    }

    void aThousandUsesLeaveNothingInTheFolder()
    {
        MessageBoxes boxes;
        const QString expected = instructionsAsShown();
        for (int use = 0; use < 1000; ++use)
            QCOMPARE(LoadHelpText(nullptr), expected);
        QCOMPARE(entries(folder), QStringList());
        QVERIFY(boxes.shown.isEmpty());
    }

    void eachFailureShowsOneMessageAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("tmpdir"); // %1: the test's own folder
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const QString noName = QStringLiteral("Unable to get temp file name!");
        QTest::newRow("folder missing") << "%1/missing" << "" << noName << QMessageBox::Critical;
        QTest::newRow("not a folder") << "/dev/null" << "" << noName << QMessageBox::Critical;
        QTest::newRow("read-only file system") << "/proc" << "" << noName << QMessageBox::Critical;
        QTest::newRow("file cannot be written")
            << "%1" << "writes" << "Unable to save resource item to disk!" << QMessageBox::Critical;
        QTest::newRow("file cannot be read") << "%1" << "reads" << "Input/output error  1" << QMessageBox::NoIcon;
    }
    void eachFailureShowsOneMessageAndLeavesNothing()
    {
        QFETCH(QString, tmpdir);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        qputenv("TMPDIR", QFile::encodeName(inFolder(tmpdir)));
        const QStringList inWorkingFolder = entries(QDir::currentPath());
        MessageBoxes boxes(folder);

        std::optional<QString> text;
        {
            std::optional<FileWritesRefused> refused;
            if (fault == "writes")
                refused.emplace();
            readsFailIn = fault == "reads" ? folder : QString();
            text = LoadHelpText(nullptr);
            readsFailIn.clear();
        }

        QVERIFY(!text);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, message);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Lumidex"));
        QCOMPARE(boxes.shown[0].icon, icon);
        QCOMPARE(boxes.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(boxes.shown[0].inFolder, QStringList()); // gone before the box opened
        QCOMPARE(entries(folder), QStringList());
        QCOMPARE(entries(QDir::currentPath()), inWorkingFolder);
    }

    void aTempFileIsNewEmptyPrivateAndNamedInItsFolder_data()
    {
        QTest::addColumn<QString>("given");  // %1: the test's own folder
        QTest::addColumn<QString>("tmpdir");
        QTest::newRow("system temporary folder") << "" << "%1";
        QTest::newRow("folder given") << "%1" << "%1/missing";
    }
    void aTempFileIsNewEmptyPrivateAndNamedInItsFolder()
    {
        QFETCH(QString, given);
        QFETCH(QString, tmpdir);
        qputenv("TMPDIR", QFile::encodeName(inFolder(tmpdir)));
        const mode_t umaskBefore = umask(0); // the mode must not come from the umask
        auto first = mdlResFiles::GetTempName(inFolder(given), QStringLiteral("~rs"));
        auto second = mdlResFiles::GetTempName(inFolder(given), QStringLiteral("~rs"));
        umask(umaskBefore);
        QVERIFY(first && second);
        QVERIFY(first->fileName() != second->fileName());

        for (const auto *file : {first.get(), second.get()}) {
            const QFileInfo info(file->fileName());
            QCOMPARE(info.absolutePath(), folder);
            QVERIFY2(info.fileName().startsWith(QStringLiteral("~rs")), qPrintable(info.fileName()));
            QCOMPARE(file->openMode(), QIODevice::ReadWrite);
            struct stat byName {}, byHandle {};
            QCOMPARE(stat(QFile::encodeName(file->fileName()).constData(), &byName), 0);
            QCOMPARE(fstat(file->handle(), &byHandle), 0);
            QCOMPARE(byName.st_ino, byHandle.st_ino); // the name is the open file's
            QVERIFY(S_ISREG(byName.st_mode));
            QCOMPARE(byName.st_mode & 07777, mode_t(0600));
            QCOMPARE(byName.st_size, off_t(0));
        }
        first.reset();
        second.reset();
        QCOMPARE(entries(folder), QStringList());
    }

    void theResourceIsWrittenByteForByte()
    {
        auto file = mdlResFiles::GetTempName({}, QStringLiteral("~rs"));
        QVERIFY(file);
        QCOMPARE(mdlResFiles::SaveResItem(107, QStringLiteral("TEXT"), *file), QFileDevice::NoError);
        QVERIFY(file->seek(0));
        const QByteArray written = file->readAll();
        QCOMPARE(written, Catalogue::LoadResData(107, QStringLiteral("TEXT")));
        QCOMPARE(written.size(), 904);
    }

    void aFailedWriteGivesItsError_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QIODevice::OpenModeFlag>("mode");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QFileDevice::FileError>("error");
        QTest::newRow("handle open for reading only")
            << "/dev/null" << QIODevice::ReadOnly << "ReadOnly device" << QFileDevice::WriteError;
        QTest::newRow("disk full") << "/dev/full" << QIODevice::WriteOnly << "" << QFileDevice::ResourceError;
    }
    void aFailedWriteGivesItsError()
    {
        QFETCH(QString, device);
        QFETCH(QIODevice::OpenModeFlag, mode);
        QFETCH(QString, warning);
        QFETCH(QFileDevice::FileError, error);
        QFile file(device);
        QVERIFY(file.open(mode));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QCOMPARE(mdlResFiles::SaveResItem(107, QStringLiteral("TEXT"), file), error);
    }

    void stripNullEndsTheTextAtItsFirstNul_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stripped");
        QTest::newRow("no NUL") << "line\n" << "line\n";
        QTest::newRow("NULs at the end") << QString::fromLatin1("end\n\0\0\0\n", 9) << "end\n";
        QTest::newRow("text after a NUL") << QString::fromLatin1("a\0b\0c", 5) << "a";
        QTest::newRow("NUL first") << QString::fromLatin1("\0abc", 4) << "";
        QTest::newRow("empty") << "" << "";
    }
    void stripNullEndsTheTextAtItsFirstNul()
    {
        QFETCH(QString, text);
        QFETCH(QString, stripped);
        QCOMPARE(mdlResFiles::StripNull(text), stripped);
    }
};

QTEST_MAIN(HelpTextTest)
#include "helpText_test.moc"
