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

// The game window as a player meets it, with the mouse and the keyboard, and
// as a screen reader finds it; run again on a screen that Qt scales by two
// (see CMakeLists.txt). Each test starts from a freshly loaded window.
class WindowTest : public QObject {
    Q_OBJECT
    QList<QUrl> opened; // addresses handed to the desktop's browser
    const Language language; // as the game has it: English unless the desktop says otherwise
    std::unique_ptr<WindowRig> rig;

    // Keys as the window system sends them, to the widget with the focus;
    // held down, each comes as a repeat.
    void press(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers mods = {}, bool held = false)
    {
        for (Qt::Key key : keys)
            held ? qt_handleKeyEvent(rig->form.windowHandle(), QEvent::KeyPress, key, mods, {}, true) : QTest::keyClick(rig->form.windowHandle(), key, mods);
    }

    // The Master Card (0), the Fixed Cards (1 to 16) and the result panel
    // (17) that the window shows otherwise than the game state says.
    QList<int> offState() const
    {
        QList<int> off;
        for (int k = 0; k <= kCards + 1; ++k) {
            const PictureBox *box = k == 0 ? rig->control("picShow") : k > kCards ? rig->control("picMsg") : rig->card(k);
            const Control &c = k == 0 ? rig->form.game().picShow : k > kCards ? rig->form.game().picMsg : rig->form.game().picMat[k];
            if (box->pictureId() != c.picture || box->isHidden() == c.visible || box->isEnabled() != c.enabled)
                off << k;
        }
        return off;
    }

    // Whatever a screen reader can get from the window (but the
    // instructions) holds no face-down card's picture, lies inside the
    // window, and it offers no play button, which no one can press.
    void nothingHiddenIsHeard(QAccessibleInterface *node) const
    {
        const frmGame &f = rig->form;
        QVERIFY(node->object() != f.findChild<QObject *>("cmdPlay") && QRect(f.mapToGlobal(QPoint()), f.size()).contains(node->rect()));
        if (node->object() == f.findChild<QObject *>("txtHelp"))
            return;
        for (auto text : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            for (int k = 1; k <= kCards; ++k)
                if (rig->card(k)->pictureId() == kFixedBack && rig->control("picShow")->pictureId() != f.game().intCardPic[k])
                    QVERIFY2(!node->text(text).contains(QRegularExpression("\\b" + PictureName(f.game().intCardPic[k]) + "\\b")), qPrintable(node->text(text)));
        for (int i = 0; i < node->childCount(); ++i)
            nothingHiddenIsHeard(node->child(i));
    }

    void showHelp() { rig->click(rig->control("imgAction", 1)); }

    // A wrong pick, then one against the card it showed: one memory miss.
    void missOnce()
    {
        for (auto [drawn, picked] : {std::pair(3, 1), std::pair(1, 3)}) {
            rig->draw(drawn);
            rig->click(rig->card(picked));
        }
    }

    // Remembering every card from then on wins.
    void win()
    {
        while (!rig->control("picMsg")->isVisible() && rig->sounds.size() < 200) {
            rig->click(rig->control("picShow"));
            const auto &pictures = rig->form.game().intCardPic;
            rig->click(rig->card(int(std::find(pictures.begin(), pictures.end(), rig->control("picShow")->pictureId()) - pictures.begin()) + 1));
        }
    }

public slots:
    void openUrl(const QUrl &url) { opened << url; }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler("https", this, "openUrl"); }
    void init()
    {
        opened.clear();
        rig = std::make_unique<WindowRig>();
        rig->load();
    }

    // Asking for the handle again deals no second game; the web spot opens
    // the address the instructions end with.
    void cardsAndWindowSpotsAnswerThePrimaryButtonOnly()
    {
        rig->form.hWnd();
        const QPoint at = rig->form.pos();
        for (auto button : {Qt::RightButton, Qt::MiddleButton}) {
            for (const char *spot : {"picShow", "picMat1", "imgMini", "imgLink"})
                rig->click(rig->control(spot), button);
            QTest::mousePress(rig->control("Picture1"), button, {}, QPoint(150, 5));
            QTest::mouseMove(rig->control("Picture1"), QPoint(180, 40));
            QTest::mouseRelease(rig->control("Picture1"), button, {}, QPoint(180, 40));
        }
        QVERIFY(rig->sounds.empty() && !rig->form.isMinimized() && opened.isEmpty() && rig->form.pos() == at);
        rig->click(rig->control("imgLink"));
        QCOMPARE(opened, QList<QUrl>{QUrl(LoadHelpText(nullptr).value().trimmed().section('\n', -1))});
    }

    // The stored bitmap on a screen at a device pixel ratio of 1, its twin
    // drawn at twice the size at 2.
    void everyPictureFillsItsPlacePixelForPixel()
    {
        rig->draw(6);
        const qreal ratio = rig->form.devicePixelRatioF();
        const std::pair<PictureBox *, QImage> pictures[] = {
            {rig->control("Picture1"), Catalogue::LoadLayoutPicture("Picture1", ratio).copy(0, 0, rig->form.width() * ratio, rig->control("Picture3")->y() * ratio)},
            {rig->card(6), Catalogue::LoadResPicture(kFixedBack, ratio)},
            {rig->control("picShow"), Catalogue::LoadResPicture(rig->control("picShow")->pictureId(), ratio)},
            {rig->control("picMsg"), Catalogue::LoadResPicture(kWinPanel, ratio)},
        };
        for (const auto &[box, picture] : pictures) {
            const QRect place(QPoint(box->borderWidth(), box->borderWidth()), picture.size() / ratio);
            QCOMPARE(box->grab(place).toImage().convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
        }
    }

    void theHelpButtonStaysPressedThroughItsClicksPauseWhateverTheButton()
    {
        PictureBox *help = rig->control("imgAction", 1);
        int atPause = 0;
        rig->onPause = [&](int) { atPause = help->pictureId(); };
        QTest::mousePress(help, Qt::RightButton);
        const int pressed = help->pictureId();
        QTest::mouseRelease(help, Qt::RightButton);
        QVERIFY(atPause == pressed && help->pictureId() != pressed);
    }

    // Only the Master Card locks, yet no click or key reaches a covered card.
    void theHelpCoversTheBoardAndLocksTheMasterCard()
    {
        rig->draw(6);
        showHelp();
        const auto *text = rig->control<QPlainTextEdit>("txtHelp");
        QVERIFY(text->isVisible() && text->toPlainText() == LoadHelpText(nullptr).value() && !rig->control("picShow")->isEnabled() && rig->card(6)->isEnabled());
        rig->sounds.clear();
        // Space before any arrow, which would move a stray focus on; then card 6 and the Master Card.
        press({Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
        QTest::mouseClick(rig->form.windowHandle(), Qt::LeftButton, {}, rig->card(6)->mapTo(&rig->form, rig->card(6)->rect().center()));
        // The ring went with the click.
        QVERIFY(rig->sounds.empty() && !QAccessible::queryAccessibleInterface(rig->control("picShow"))->state().focused);
    }

    void ctrlNHidesTheHelpAndDealsEachCardBeforeItsTick()
    {
        showHelp();
        QList<int> backs; // cards on their back at each tick
        const auto boxes = rig->form.findChildren<PictureBox *>(); // only Fixed Cards show their back
        rig->onSound = [&](Sound s) { backs << (s == Sound::sndClick ? int(std::count_if(boxes.begin(), boxes.end(), [](PictureBox *b) { return b->pictureId() == kFixedBack; })) : -1); };
        press({Qt::Key_N}, Qt::ControlModifier);
        QVERIFY(!rig->control<QPlainTextEdit>("txtHelp")->isVisible());
        QCOMPARE(backs, QList<int>({16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16})); // the button's click on the old board first
    }

    // Its repeats do nothing (no draw, help, deal or exit) but the arrows',
    // which show the ring and run it up from the Master Card to a card that
    // refuses Space.
    void aHeldKeyActsOnceAsAHeldButtonDoes()
    {
        press({Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1, Qt::Key_Up, Qt::Key_Up}, {}, true);
        press({Qt::Key_N, Qt::Key_Q}, Qt::ControlModifier, true);
        press({Qt::Key_Space});
        QCOMPARE(rig->sounds, std::vector{Sound::sndRefuse});
    }

    // The win panel then shows over the board for a while, with the misses.
    void aPickAgainstACardAlreadyShownLightsASadFace()
    {
        missOnce();
        QVERIFY(rig->control("imgBad", 0)->isVisible() && !rig->control("imgBad", 1)->isVisible() && rig->control("imgBad", 0)->accessibleName() == "1 of 8 memory misses");
        win();
        QVERIFY(rig->control("Picture3")->geometry().contains(rig->control("picMsg")->geometry()));
        QVERIFY(rig->control("picMsg")->accessibleName() == "You won with 1 memory miss" && rig->control<QTimer>("Timer1")->isActive());
    }

    // To the eye and to a screen reader, which hears no face-down card's
    // picture, through a game with the help shown, a deal from the keys, a
    // miss and a win.
    void theWindowShowsWhatTheGameHoldsAtEverySoundAndPause()
    {
        QList<int> off;
        const auto look = [&] {
            off << offState();
            nothingHiddenIsHeard(QAccessible::queryAccessibleInterface(&rig->form));
        };
        rig->onSound = [&](Sound) { look(); };
        rig->onPause = [&](int) { look(); };
        rig->draw(6);
        showHelp();
        press({Qt::Key_N}, Qt::ControlModifier);
        missOnce();
        win();
        QVERIFY(rig->control("picMsg")->isVisible());
        QCOMPARE(QSet<int>(off.begin(), off.end()), QSet<int>{});
    }

    // Each step shows at the end of its pause.
    void theWinningLineBlinksAfterTheJingle()
    {
        QStringList blinks; // the cards hidden at each pause after the jingle
        rig->onPause = [&](int) {
            QString hidden = rig->control("picMsg")->isVisible() ? "the panel shown," : "";
            for (int k = 1; k <= kCards; ++k)
                hidden += rig->card(k)->isHidden() ? QString(" %1").arg(k) : "";
            if (std::count(rig->sounds.begin(), rig->sounds.end(), Sound::sndWin))
                blinks << hidden;
        };
        win();
        QVERIFY(blinks.size() > 1 && blinks[1].split(' ', Qt::SkipEmptyParts).size() == kBoardSide);
        for (int step = 0; step < blinks.size(); ++step)
            QCOMPARE(blinks[step], step % 2 ? blinks[1] : QString());
    }

    // Both come during the help button's pause, as the window system would
    // send them.
    void theResultTimerAndACloseWaitForTheRuleInProgress()
    {
        win();
        bool shownAtPause = false;
        rig->onPause = [&](int) {
            rig->control<QTimer>("Timer1")->start(0);
            QTest::qWait(20);
            rig->form.windowHandle()->close();
            shownAtPause = rig->control("picMsg")->isVisible() && rig->form.isVisible();
        };
        showHelp();
        QVERIFY(shownAtPause && !rig->control("picMsg")->isVisible() && !rig->form.isVisible());
    }

    // As a pause would deliver them.
    void clicksAndKeysAfterTheExitSpotsClickDoNothing()
    {
        rig->click(rig->control("imgExit"));
        rig->click(rig->control("imgAction", 0));
        press({Qt::Key_N}, Qt::ControlModifier);
        QVERIFY(rig->sounds.empty());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
