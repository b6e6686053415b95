#include <QtTest>

#include <QKeyEvent>

#include "KeyRepeats.h"

// Held keys told from keys pressed again, as X11 and a screen reader's bridge
// deliver them, whatever the machine's load.
class KeyRepeatsTest : public QObject {
    Q_OBJECT
private slots:
    void judgesEachPress_data()
    {
        // Pn, Rn: Space pressed or released at moment n, as the window system
        // sends it; * flagged by Qt as a repeat; p, r: a bridge's later copy
        // of the press or the release before it, with no moment. Judged: +
        // a repeat, . not.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("judged");
        QTest::newRow("pressed twice") << "P1 R2 P3 R4" << "....";
        QTest::newRow("held") << "P1 R9 P9 R12 P12 R15" << "..+.+.";
        QTest::newRow("held, flagged by Qt") << "P1 R9* P10* R15" << "..+.";
        QTest::newRow("pressed twice through a bridge") << "P1 p R2 r P3 p R4 r" << "........";
        QTest::newRow("held through a bridge") << "P1 p R9 P9 r p R12 P12 r p R20 r" << "...+.+.+.+..";
    }
    void judgesEachPress()
    {
        QFETCH(QString, keys);
        KeyRepeats repeats(nullptr);
        QString judged;
        for (const QString &key : keys.split(' ')) {
            const bool copy = key[0].isLower();
            QKeyEvent event(key[0].toUpper() == 'P' ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space, {},
                            QString(), key.endsWith('*'));
            event.setTimestamp(copy ? 0 : key.mid(1).remove('*').toULongLong());
            judged += repeats.judge(event) ? '+' : '.';
        }
        QTEST(judged, "judged");
    }
};

QTEST_GUILESS_MAIN(KeyRepeatsTest)
#include "keyRepeats_test.moc"
