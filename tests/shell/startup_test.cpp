#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "WindowRig.h"
#include "frmIcon.h"
#include "mdlMain.h"
#include "mdlSound.h"

namespace {

// How far the text in an area stands out from its background (the area's
// top-left pixel), from 1 (not at all) to 21 (black on white), as
// readability guidelines measure it: its strongest pixel counts.
double TextContrast(const QImage &image, const QRect &area)
{
    auto luminance = [](QColor c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double back = luminance(image.pixelColor(area.topLeft()));
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double l = luminance(image.pixelColor(x, y));
            best = std::max(best, (std::max(l, back) + 0.05) / (std::min(l, back) + 0.05));
        }
    return best;
}

} // namespace

// Start-up: the window is set up and the first game dealt while it is still
// hidden and before any sound is loaded; then the sounds load and the window
// shows, centred.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstDealIsHiddenAndSilentThenTheWindowShowsCentred()
    {
        WindowRig rig;
        struct Moment { bool shown; bool soundLoaded; };
        QList<Moment> atPauses, atSounds;
        auto now = [&] { return Moment{rig.form.isVisible(), !mdlSound::slotBytes(Sound::sndClick).isEmpty()}; };
        rig.onPause = [&](int) { atPauses << now(); };

        mdlMain::ShowGameWindow(rig.form);

        QCOMPARE(atPauses.size(), 16);
        QCOMPARE(rig.sounds.size(), size_t(16));
        for (const Moment &m : atPauses)
            QVERIFY(!m.shown && !m.soundLoaded); // the ticks found empty slots: silence
        QVERIFY(rig.form.isVisible());
        QCOMPARE(mdlSound::slotBytes(Sound::sndClick).size(), 1388);
        QCOMPARE(mdlSound::slotBytes(Sound::sndMatch).size(), 88612);
        QVERIFY(rig.form.game().blnAwaitMaster);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(rig.form.pos(), QPoint((screen.width() - 302) / 2, (screen.height() - 390) / 2));
        QCOMPARE(rig.form.size(), QSize(302, 390));
    }

    // A dark desktop scheme, handed to every window as a platform theme
    // does: the notice and the help panel both keep their text readable.
    void textStaysReadableUnderADarkScheme()
    {
        QApplication::setPalette(QPalette(QColor(45, 45, 45)));
        frmIcon notice;
        const QImage face = notice.grab().toImage();
        for (QLabel *line : {notice.Label1, notice.Label2, notice.Label3, notice.Label4})
            QVERIFY2(TextContrast(face, line->geometry()) >= 4.5, qPrintable(line->text()));

        WindowRig rig;
        rig.load();
        rig.click(rig.form.imgAction[1]);
        QWidget *help = rig.form.txtHelp->viewport();
        QVERIFY(TextContrast(help->grab().toImage(), help->rect()) >= 4.5);
        QApplication::setPalette(QPalette());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
