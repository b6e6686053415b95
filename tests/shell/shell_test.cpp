#include <QtTest>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>

#include "Language.h"
#include "Layout.h"
#include "ResultPanel.h"
#include "WindowRig.h"
#include "frmIcon.h"
#include "mdlFontSize.h"
#include "mdlMain.h"
#include "mdlScale.h"
#include "mdlSound.h"

using namespace mdlPicfunc;

namespace {

// The darkest pixel of an area.
QColor Darkest(const QImage &image, const QRect &area)
{
    QColor darkest = Qt::white;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = image.pixelColor(x, y).lightness() < darkest.lightness() ? image.pixelColor(x, y) : darkest;
    return darkest;
}

} // namespace

// Start-up: the display-font check, the large-fonts notice and the game
// window. Run on a screen that does not start at 0,0, and again on one that
// Qt scales by two, and in each of the game's languages (see CMakeLists.txt),
// where every case must come out the same.
class ShellTest : public QObject {
    Q_OBJECT
    const Language language; // the desktop's, as the game has it
private slots:
    // The desktop's stock user-interface fonts pass (Qt's 9 pt, GNOME's
    // 11 pt, up to 12 pt = 16 px); one made larger does not.
    void theDesktopFontDecides()
    {
        const QFont before = QApplication::font();
        for (const QString size : {"16 px small", "9 pt small", "11 pt small", "12 pt small", "17 px large", "12.5 pt large"}) {
            QFont font(QStringLiteral("DejaVu Sans"));
            if (size.contains("px"))
                font.setPixelSize(size.section(' ', 0, 0).toInt());
            else
                font.setPointSizeF(size.section(' ', 0, 0).toDouble());
            QApplication::setFont(font);
            QVERIFY2(mdlFontSize::IsSmallFonts() == size.endsWith("small"), qPrintable(size));
        }
        QApplication::setFont(before);
    }

    // Under a dark desktop scheme too, each line of the notice is dark on
    // its white and fits; the OK button has the focus and closes it.
    void theNoticeIsReadableAndOkClosesIt()
    {
        QApplication::setPalette(QPalette(QColor(45, 45, 45)));
        frmIcon notice;
        notice.show();
        QVERIFY(QTest::qWaitForWindowActive(&notice));
        const QImage face = notice.grab().toImage();
        for (QLabel *line : {notice.Label1, notice.Label2, notice.Label3, notice.Label4}) {
            const QRect area(line->geometry().topLeft() * face.devicePixelRatio(), line->size() * face.devicePixelRatio());
            QVERIFY2(face.pixelColor(area.topLeft()) == Qt::white && Darkest(face, area).lightness() < 64, qPrintable(line->text()));
            QVERIFY(notice.rect().contains(line->geometry()) && line->width() >= line->fontMetrics().horizontalAdvance(line->text()));
        }
        QSignalSpy finished(&notice, &QDialog::finished);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(finished.count(), 1);
        QApplication::setPalette(QPalette());
    }

    // The help's lines fit its panel, none wrapping; the result panels'
    // words fit theirs, drawn by the game but in English, the count among them.
    void theHelpAndTheResultPanelsFit()
    {
        WindowRig rig;
        rig.load();
        rig.click(rig.control("imgAction", 1));
        for (QTextBlock line = rig.control<QPlainTextEdit>("txtHelp")->document()->begin(); line.isValid(); line = line.next())
            QVERIFY2(line.layout()->lineCount() == 1, qPrintable(line.text()));
        for (int n = 0; n <= kMissesToLose; ++n)
            QVERIFY(ResultPanel::words(n < kMissesToLose ? kWinPanel : kLosePanel, n).fits);
        PictureBox panel(nullptr);
        QLabel count(QStringLiteral("3"), &panel);
        panel.setPictureId(kWinPanel);
        ResultPanel::show(panel, count);
        const bool english = QLocale().language() == QLocale::C || QLocale().language() == QLocale::English;
        QVERIFY(count.isHidden() == !english && ResultPanel::wordsDrawn() == !english);
    }

    // In a made-up language whose every text comes back marked and 40 % longer,
    // each text of the window and the notice, on screen or for screen readers,
    // is marked (asked of the catalogue) and fits; the panels' words too.
    void aMadeUpLanguageReachesEveryTextAndFits()
    {
        struct MadeUp : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *source, const char *, int) const override
            {
                return u'«' + QString::fromUtf8(source) + QString(int(qstrlen(source)) * 2 / 5, u'~') + u'»';
            }
        } madeUp;
        QCoreApplication::installTranslator(&madeUp);
        WindowRig rig;
        rig.load();
        frmIcon notice;
        static const QRegularExpression named("^(|Lumidex|https://.*|\\d+|«.*)$"); // the game's name and address, a count
        for (QWidget *w : rig.form.findChildren<QWidget *>() + notice.findChildren<QWidget *>()) {
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(w == rig.control<QPushButton>("cmdPlay") || // below the face: never seen nor offered to screen readers
                         (named.match(name).hasMatch() && named.match(w->toolTip()).hasMatch() &&
                          (w->parent() != &notice || notice.rect().contains(w->geometry()))),
                     qPrintable(name + " / " + w->toolTip()));
        }
        for (int n = 0; n <= kMissesToLose; ++n)
            QVERIFY(ResultPanel::words(n < kMissesToLose ? kWinPanel : kLosePanel, n).fits);
    }

    // The usual scales show the window, at 3 partly off a small screen as it
    // always has; nonsense, unreadably small and far too large ones don't.
    void onlyScalesTheWindowCanBeShownAtPass()
    {
        for (const double scale : {1.0, 1.25, 1.5, 2.0, 3.0})
            QVERIFY2(mdlScale::Problem(scale, Layout::kFace, QSize(640, 600) / scale).isEmpty(), qPrintable(QString::number(scale)));
        for (const auto &[scale, screen] : {std::pair(qQNaN(), QSize(1280, 1024)), {qInf(), {1280, 1024}}, {4.0, {160, 120}}})
            QVERIFY2(!mdlScale::Problem(scale, Layout::kFace, screen).isEmpty(), qPrintable(QString::number(scale)));
    }

    // The first game is dealt while the window is hidden and before any
    // sound is loaded, so unseen and unheard; then the window shows,
    // centred on the screen.
    void theFirstDealIsHiddenAndSilentThenTheWindowShowsCentred()
    {
        WindowRig rig;
        QList<bool> seenOrHeard; // at each pause of the first deal
        rig.onPause = [&](int) { seenOrHeard << (rig.form.isVisible() || !mdlSound::SlotBytes(Sound::sndClick).isEmpty()); };
        mdlMain::ShowGameWindow(rig.form);
        QVERIFY(seenOrHeard.size() > 1 && !seenOrHeard.contains(true));
        QVERIFY(rig.form.isVisible() && !mdlSound::SlotBytes(Sound::sndClick).isEmpty());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(screen.x() > 0 && screen.y() > 0);
        const QPoint offCentre = rig.form.geometry().center() - screen.center();
        QVERIFY2(offCentre.manhattanLength() <= 1, qPrintable(QString("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
