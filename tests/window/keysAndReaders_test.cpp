#include <QAccessible>
#include <QtTest>

#include "WindowRig.h"
#include "pictureNames.h"

using namespace mdlPicfunc;

namespace {
// Every text a screen reader can get from the window, and the controls behind them.
void readTree(QAccessibleInterface *node, QStringList &texts, QList<QObject *> &objects)
{
    for (auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        texts << node->text(t);
    objects << node->object();
    for (int i = 0; i < node->childCount(); ++i)
        readTree(node->child(i), texts, objects);
}
} // namespace

// The keyboard reaches what a click reaches; a screen reader hears what a
// player sees, and never what a face-down card hides.
class KeysAndReadersTest : public QObject {
    Q_OBJECT
    WindowRig *rig = nullptr;

    void keys(std::initializer_list<Qt::Key> pressed, Qt::KeyboardModifiers mods = {})
    {
        for (Qt::Key key : pressed)
            QTest::keyClick(&rig->form, key, mods);
    }
    void goTo(int k) // the ring to card k, from wherever it is
    {
        keys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left});
        for (int i = 0; i < CardColumn(k); ++i)
            keys({Qt::Key_Right});
        for (int i = 0; i < CardRow(k); ++i)
            keys({Qt::Key_Down});
    }
    QWidget *ring() const { return rig->form.findChild<QWidget *>("focusRing"); }

private slots:
    void init() { rig = new WindowRig; rig->load(); }
    void cleanup() { delete rig; }

    void keysPlayAsClicksDoAndOnlyWhereClicksReach()
    {
        QVERIFY(!ring()->isVisible());
        keys({Qt::Key_Down, Qt::Key_Space}); // the ring starts on the Master Card
        QVERIFY(ring()->isVisible());
        QVERIFY(!rig->form.game().blnAwaitMaster);
        const int card = rig->drawnCard();
        goTo(card);
        keys({Qt::Key_Return});
        QCOMPARE(rig->form.picMat[card]->pictureId(), int(rig->form.game().intCardPic[card]));
        rig->sounds.clear();
        keys({Qt::Key_Enter}); // face up now: refused, as a click is
        QCOMPARE(rig->sounds, std::vector<Sound>{Sound::sndRefuse});

        rig->click(rig->form.Picture1);
        QVERIFY(!ring()->isVisible());

        // Under the help nothing on the board answers: not the covered
        // cards, not the locked Master Card.
        keys({Qt::Key_F1});
        QVERIFY(rig->form.txtHelp->isVisible());
        rig->sounds.clear();
        goTo(6);
        keys({Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
        QVERIFY(rig->sounds.empty());

        // Ctrl+N is the play button: its tick and pause, then the deal.
        rig->pauses.clear();
        keys({Qt::Key_N}, Qt::ControlModifier);
        QVERIFY(!rig->form.txtHelp->isVisible());
        QCOMPARE(int(rig->pauses.size()), 17);
        QCOMPARE(rig->form.picMat[card]->pictureId(), int(kFixedBack));
    }

    void screenReadersHearWhatIsShownAndNothingHidden()
    {
        auto leaks = [&] {
            QStringList texts;
            QList<QObject *> objects;
            readTree(QAccessible::queryAccessibleInterface(&rig->form), texts, objects);
            QVERIFY(!objects.contains(rig->form.cmdPlay));
            QVERIFY(texts.contains("Card 16, face down") || rig->form.picMat[16]->pictureId() != kFixedBack);
            const QString all = texts.join('|');
            for (int k = 1; k <= kCards; ++k)
                if (rig->form.picMat[k]->pictureId() == kFixedBack && rig->form.picShow->pictureId() != rig->form.game().intCardPic[k])
                    QVERIFY2(!all.contains(PictureName(rig->form.game().intCardPic[k])), qPrintable(all));
        };
        leaks();
        rig->draw(2);
        QCOMPARE(rig->form.picShow->accessibleName(), "Master Card, " + PictureName(rig->form.game().intCardPic[2]));
        leaks();

        rig->onPause = [&](int) {
            QCOMPARE(rig->form.picMat[1]->accessibleName(), "Card 1, " + PictureName(rig->form.game().intCardPic[1]));
        };
        rig->click(rig->form.picMat[1]); // a wrong pick shows card 1's face
        rig->onPause = [](int) {};
        QCOMPARE(rig->form.picMat[1]->accessibleName(), QString("Card 1, face down"));
        rig->draw(1);
        rig->click(rig->form.picMat[3]); // a memory miss
        QCOMPARE(rig->form.imgBad[0]->accessibleName(), QString("1 of 8 memory misses"));
        leaks();

        for (int k : {1, 5, 9, 13}) {
            rig->draw(k);
            rig->click(rig->form.picMat[k]);
        }
        QCOMPARE(rig->form.picMsg->accessibleName(), QString("You won with 1 memory miss"));
    }
};

QTEST_MAIN(KeysAndReadersTest)
#include "keysAndReaders_test.moc"
