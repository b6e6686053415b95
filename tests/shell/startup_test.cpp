#include <QScreen>
#include <QtTest>

#include "WindowRig.h"
#include "mdlMain.h"
#include "mdlSound.h"

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
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
