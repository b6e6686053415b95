#include <QtTest>

#include <QMessageBox>
#include <csignal>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "catalogue.h"
#include "helpText.h"
#include "mdlResFiles.h"

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString readsFailIn; // while set, every read of a file in this folder fails, as on a failing disk

} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    static const auto next = reinterpret_cast<ssize_t (*)(int, void *, size_t)>(dlsym(RTLD_NEXT, "read"));
    if (readsFailIn.isEmpty() || !QFile::symLinkTarget(QString("/proc/self/fd/%1").arg(fd)).startsWith(readsFailIn + '/'))
        return next(fd, buffer, size);
    errno = EIO;
    return -1;
}

// The help panel's text comes from the instructions resource by way of a
// private temporary file that no outcome leaves behind.
class HelpTextTest : public QObject {
    Q_OBJECT
    QTemporaryDir tempDir;
    const QString folder = QDir(tempDir.path()).canonicalPath(); // the temporary folder the code under test is given

private slots:
    // Each line of the instructions with its break, up to the NULs, read
    // back from a new file of its own that only its owner may read.
    void theTextComesThroughAPrivateFileOfItsOwn()
    {
        qputenv("TMPDIR", QFile::encodeName(folder));
        const QByteArray bytes = Catalogue::LoadResData(ResourceIds::kInstructions, "TEXT");
        QCOMPARE(LoadHelpText(nullptr), QString::fromLatin1(bytes.left(bytes.indexOf('\0'))).replace("\r\n", "\n"));

        auto file = mdlResFiles::GetTempName(folder, "~rs"), other = mdlResFiles::GetTempName({}, "~rs");
        const QStringList named = entries(folder); // there under their names while in use, before anyone asks for them
        QVERIFY2(file && other && named.size() == 2 && named.filter(QRegularExpression("^~rs")).size() == 2, qPrintable(named.join(' ')));
        struct stat byName {}, byHandle {};
        QVERIFY(stat(QFile::encodeName(file->fileName()).constData(), &byName) == 0 && fstat(file->handle(), &byHandle) == 0);
        QCOMPARE(byName.st_ino, byHandle.st_ino); // the name is the open file's
        QCOMPARE(byName.st_mode & 07777, mode_t(0600));
        file.reset();
        other.reset();
        QCOMPARE(entries(folder), QStringList());
    }

    void eachFailureShowsOneMessageAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("tmpdir"); // %1: the test's own folder, and how it fails
        QTest::addColumn<QString>("message"); // as the user sees it, with what the folder held meanwhile
        const QString noName = "Lumidex: critical: Unable to get temp file name! | left: ";
        QTest::newRow("folder missing") << "%1/missing" << noName;
        QTest::newRow("file cannot be written") << "%1 writes" << "Lumidex: critical: Unable to save resource item to disk! | left: ";
        QTest::newRow("file cannot be read") << "%1 reads" << "Lumidex: Input/output error  1 | left: ";
    }
    void eachFailureShowsOneMessageAndLeavesNothing()
    {
        QFETCH(QString, tmpdir);
        QFETCH(QString, message);
        tmpdir = tmpdir.arg(folder);
        qputenv("TMPDIR", QFile::encodeName(tmpdir.section(' ', 0, 0)));
        QStringList shown;
        QTimer user; // answers each message box with OK
        connect(&user, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                const QString icon = box->icon() == QMessageBox::Critical ? "critical: " : "";
                shown << box->windowTitle() + ": " + icon + box->text() + " | left: " + entries(folder).join(' ');
                box->done(QMessageBox::Ok);
            }
        });
        user.start(0);
        rlimit size{};
        getrlimit(RLIMIT_FSIZE, &size);
        const rlimit noWrites{0, size.rlim_max}; // every write fails, as on a full disk
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, tmpdir.endsWith("writes") ? &noWrites : &size);
        readsFailIn = tmpdir.endsWith("reads") ? folder : QString();
        const std::optional<QString> text = LoadHelpText(nullptr);
        readsFailIn.clear();
        setrlimit(RLIMIT_FSIZE, &size);

        QVERIFY(!text);
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(entries(folder), QStringList());
    }
};

QTEST_MAIN(HelpTextTest)
#include "helpText_test.moc"
