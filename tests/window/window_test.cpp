#include <QtTest>

#include <QAccessible>
#include <QDesktopServices>
#include <QWindow>

#include "WindowRig.h"
#include "catalogue.h"
#include "Language.h"
#include "helpText.h"
#include "pictureNames.h"

using namespace mdlPicfunc;

namespace {

// The Master Card (0), the Fixed Cards (1 to 16) and the result panel (17)
// that the window shows otherwise than the game state says.
QList<int> offState(const frmGame &f)
{
    QList<int> off;
    for (int k = 0; k <= kCards + 1; ++k) {
        const PictureBox *box = k == 0 ? f.picShow : k > kCards ? f.picMsg : f.picMat[k];
        const Control &c = k == 0 ? f.game().picShow : k > kCards ? f.game().picMsg : f.game().picMat[k];
        if (box->pictureId() != c.picture || box->isHidden() == c.visible || box->isEnabled() != c.enabled)
            off << k;
    }
    return off;
}

// Keys as the window system sends them, to the widget with the focus; held
// down, each comes as a repeat.
void press(frmGame &f, std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers mods = {}, bool held = false)
{
    for (Qt::Key key : keys)
        held ? qt_handleKeyEvent(f.windowHandle(), QEvent::KeyPress, key, mods, {}, true) : QTest::keyClick(f.windowHandle(), key, mods);
}

// Whatever a screen reader can get from the window (but the instructions)
// holds no face-down card's picture, lies inside the window, and it offers no
// play button, which no one can press.
void nothingHiddenIsHeard(const frmGame &f, QAccessibleInterface *node)
{
    QVERIFY(node->object() != f.cmdPlay && QRect(f.mapToGlobal(QPoint()), f.size()).contains(node->rect()));
    if (node->object() == f.txtHelp)
        return;
    for (auto text : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
        for (int k = 1; k <= kCards; ++k)
            if (f.picMat[k]->pictureId() == kFixedBack && f.picShow->pictureId() != f.game().intCardPic[k])
                QVERIFY2(!node->text(text).contains(QRegularExpression("\\b" + PictureName(f.game().intCardPic[k]) + "\\b")),
                         qPrintable(node->text(text)));
    for (int i = 0; i < node->childCount(); ++i)
        nothingHiddenIsHeard(f, node->child(i));
}

} // namespace

// A whole game through the mouse and the keyboard, the window showing at
// each sound and pause what the game holds, and a screen reader hearing
// nothing that a face-down card hides. Run again on a screen that Qt scales
// by two (see CMakeLists.txt).
class WindowTest : public QObject {
    Q_OBJECT
    QList<QUrl> opened; // addresses handed to the desktop's browser
    const Language language; // as the game has it: English unless the desktop says otherwise

public slots:
    void openUrl(const QUrl &url) { opened << url; }

private slots:
    void aWholeGame()
    {
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        WindowRig rig;
        rig.load();
        frmGame &f = rig.form;
        f.hWnd(); // asking for the handle again deals no second game
        QList<int> off, backs; // backs: cards on their back at each tick of a deal
        auto look = [&] {
            off << offState(f);
            nothingHiddenIsHeard(f, QAccessible::queryAccessibleInterface(&f));
        };
        rig.onSound = [&](Sound s) {
            look();
            backs << (s == Sound::sndClick ? int(std::count_if(f.picMat.begin(), f.picMat.end(), [](PictureBox *c) { return c->pictureId() == kFixedBack; })) : -1);
        };
        rig.onPause = [&](int) { look(); };

        // Cards, Master Card and window spots answer the primary button only;
        // the web spot opens the address the instructions end with.
        const QPoint at = f.pos();
        for (auto button : {Qt::RightButton, Qt::MiddleButton}) {
            for (QWidget *spot : {(QWidget *)f.picShow, (QWidget *)f.picMat[1], (QWidget *)f.imgMini, (QWidget *)f.imgLink})
                rig.click(spot, button);
            QTest::mousePress(f.Picture1, button, {}, QPoint(150, 5));
            QTest::mouseMove(f.Picture1, QPoint(180, 40));
            QTest::mouseRelease(f.Picture1, button, {}, QPoint(180, 40));
        }
        QVERIFY(rig.sounds.empty() && !f.isMinimized() && opened.isEmpty() && f.pos() == at);
        rig.click(f.imgLink);
        const QString help = LoadHelpText(nullptr).value();
        QCOMPARE(opened, QList<QUrl>{QUrl(help.trimmed().section('\n', -1))});

        // Every picture fills its place pixel for pixel: the stored bitmap on
        // a screen at a device pixel ratio of 1, its twin drawn at twice the
        // size at 2.
        rig.draw(6);
        const qreal ratio = f.devicePixelRatioF();
        const std::pair<PictureBox *, QImage> pictures[] = {
            {f.Picture1, Catalogue::LoadLayoutPicture("Picture1", ratio).copy(0, 0, f.width() * ratio, f.Picture3->y() * ratio)},
            {f.picMat[6], Catalogue::LoadResPicture(kFixedBack, ratio)},
            {f.picShow, Catalogue::LoadResPicture(f.picShow->pictureId(), ratio)},
            {f.picMsg, Catalogue::LoadResPicture(kWinPanel, ratio)},
        };
        for (const auto &[box, picture] : pictures) {
            const QRect place(QPoint(box->borderWidth(), box->borderWidth()), picture.size() / ratio);
            QCOMPARE(box->grab(place).toImage().convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
        }

        // Help, with any mouse button, stays pressed through its click's
        // pause; then the instructions cover the board and only the Master
        // Card locks. No click or key reaches a covered card or the Master Card.
        int atPause = 0;
        rig.onPause = [&](int) { look(); atPause = f.imgAction[1]->pictureId(); };
        QTest::mousePress(f.imgAction[1], Qt::RightButton);
        const int pressed = f.imgAction[1]->pictureId();
        QTest::mouseRelease(f.imgAction[1], Qt::RightButton);
        QVERIFY(atPause == pressed && f.imgAction[1]->pictureId() != pressed);
        QVERIFY(f.txtHelp->isVisible() && f.txtHelp->toPlainText() == help && !f.picShow->isEnabled() && f.picMat[6]->isEnabled());
        rig.sounds.clear();
        // Space before any arrow, which would move a stray focus on; then card 6 and the Master Card.
        press(f, {Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Space});
        press(f, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, f.picMat[6]->mapTo(&f, f.picMat[6]->rect().center()));
        QVERIFY(rig.sounds.empty());
        QVERIFY(!QAccessible::queryAccessibleInterface(f.picShow)->state().focused); // the ring went with the click

        // Ctrl+N is the play button: the help goes, and a fresh game is dealt,
        // each card laid before its tick.
        backs.clear();
        press(f, {Qt::Key_N}, Qt::ControlModifier);
        QCOMPARE(backs, QList<int>({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})); // the button's click on the old board first

        // A held key acts once, as a held button does: its repeats do nothing
        // (no draw, help, deal or exit) but the arrows', which show the ring
        // and run it up from the Master Card to a card that refuses Space.
        rig.sounds.clear();
        press(f, {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1, Qt::Key_Up, Qt::Key_Up}, {}, true);
        press(f, {Qt::Key_N, Qt::Key_Q}, Qt::ControlModifier, true);
        press(f, {Qt::Key_Space});
        QCOMPARE(rig.sounds, std::vector{Sound::sndRefuse});

        // A wrong pick shows its card's face for a while; one more is a memory miss.
        rig.draw(3);
        rig.click(f.picMat[1]);
        rig.draw(1);
        rig.click(f.picMat[3]);
        QCOMPARE(f.imgBad[0]->accessibleName(), "1 of 8 memory misses");

        // Remembering every card from then on wins. The line blinks, each step
        // showing at the end of its pause, then the win panel shows over the board.
        QStringList blinks; // the cards hidden at each pause after the jingle
        rig.onPause = [&](int) {
            look();
            QString hidden = f.picMsg->isVisible() ? "the panel shown," : "";
            for (int k = 1; k <= kCards; ++k)
                hidden += f.picMat[k]->isHidden() ? QString(" %1").arg(k) : "";
            if (std::count(rig.sounds.begin(), rig.sounds.end(), Sound::sndWin))
                blinks << hidden;
        };
        while (!f.picMsg->isVisible() && rig.sounds.size() < 200) {
            rig.click(f.picShow);
            const auto &pictures = f.game().intCardPic;
            rig.click(f.picMat[int(std::find(pictures.begin(), pictures.end(), f.picShow->pictureId()) - pictures.begin()) + 1]);
        }
        QCOMPARE(QSet<int>(off.begin(), off.end()), QSet<int>{});
        QVERIFY(blinks.size() > 1 && blinks[1].split(' ', Qt::SkipEmptyParts).size() == kBoardSide);
        for (int step = 0; step < blinks.size(); ++step)
            QCOMPARE(blinks[step], step % 2 ? blinks[1] : QString());
        QVERIFY(f.Picture3->geometry().contains(f.picMsg->geometry()));
        QCOMPARE(f.picMsg->accessibleName(), "You won with 1 memory miss");
        QVERIFY(f.Timer1->isActive() && f.Timer1->interval() == 5000); // the panel's time on screen

        // The result timer comes due, and a close is asked for (as the window
        // system does), during the help button's pause: both wait for the end
        // of the button's rule.
        bool panelAtPause = false, windowAtPause = false;
        rig.onPause = [&](int) {
            f.Timer1->start(0);
            QTest::qWait(20);
            f.windowHandle()->close();
            panelAtPause = f.picMsg->isVisible();
            windowAtPause = f.isVisible();
        };
        rig.click(f.imgAction[1]);
        QVERIFY(panelAtPause && windowAtPause && !f.picMsg->isVisible() && !f.isVisible());

        // Clicks and keys that come after the exit spot's click, as a pause
        // would deliver them, do nothing while the game ends.
        rig.load();
        rig.click(f.imgExit);
        rig.click(f.imgAction[0]);
        press(f, {Qt::Key_N}, Qt::ControlModifier);
        QVERIFY(rig.sounds.empty());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
