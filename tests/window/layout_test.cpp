#include <QtTest>

#include "WindowRig.h"
#include "catalogue.h"

using namespace mdlPicfunc;

// Where every control of the game window lies once the window is set up,
// in pixels of its container's inside, as the layout gives them.
class LayoutTest : public QObject {
    Q_OBJECT
    WindowRig rig;

    QWidget *control(const QString &name)
    {
        frmGame &f = rig.form;
        if (name.startsWith("picMat"))
            return f.picMat[name.mid(6).toInt()];
        if (name.startsWith("imgBad"))
            return f.imgBad[name.mid(6).toInt()];
        if (name.startsWith("imgAction"))
            return f.imgAction[name.mid(9).toInt()];
        const QHash<QString, QWidget *> named{
            {"Picture1", f.Picture1}, {"picMsg", f.picMsg}, {"lblMsg", f.lblMsg}, {"picShow", f.picShow},
            {"Picture3", f.Picture3}, {"txtHelp", f.txtHelp}, {"cmdPlay", f.cmdPlay}, {"imgLink", f.imgLink},
            {"imgExit", f.imgExit}, {"imgMini", f.imgMini}};
        return named.value(name);
    }

private slots:
    void initTestCase() { rig.load(); }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");  // left, top, width, height inside the container
        QTest::addColumn<int>("border");   // the container's border, which the place is measured from
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Picture1") << "Picture1" << QRect(0, 0, 323, 407) << 0 << true << "";
        QTest::newRow("picMsg") << "picMsg" << QRect(32, 80, 225, 223) << 0 << false << "";
        QTest::newRow("lblMsg") << "lblMsg" << QRect(186, 104, -1, -1) << 1 << true << "";
        QTest::newRow("picShow") << "picShow" << QRect(28, 312, 55, 55) << 0 << true << "";
        QTest::newRow("Picture3") << "Picture3" << QRect(28, 76, 233, 231) << 0 << true << "";
        QTest::newRow("txtHelp") << "txtHelp" << QRect(-2, -2, 235, 233) << 1 << false << "";
        QTest::newRow("cmdPlay") << "cmdPlay" << QRect(192, 396, 41, 19) << 0 << true << "";
        QTest::newRow("imgLink") << "imgLink" << QRect(242, 362, 59, 23) << 0 << true << frmGame::webAddress;
        QTest::newRow("imgAction1") << "imgAction1" << QRect(218, 312, 43, 47) << 0 << true << "Information";
        QTest::newRow("imgAction0") << "imgAction0" << QRect(172, 312, 45, 47) << 0 << true << "Play";
        QTest::newRow("imgExit") << "imgExit" << QRect(274, 2, 25, 23) << 0 << true << "Exit";
        QTest::newRow("imgMini") << "imgMini" << QRect(2, 2, 23, 23) << 0 << true << "Minimize";
        for (int i = 0; i <= 7; ++i)
            QTest::addRow("imgBad%d", i) << QString("imgBad%1").arg(i) << QRect(265, 282 - 30 * i, 37, 32) << 0
                                         << false << "";
        const int lefts[] = {3, 60, 117, 174}, tops[] = {3, 59, 115, 171};
        for (int i = 1; i <= 16; ++i)
            QTest::addRow("picMat%d", i) << QString("picMat%1").arg(i)
                                         << QRect(lefts[(i - 1) % 4], tops[(i - 1) / 4], 55, 55) << 1 << true << "";
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(int, border);
        QFETCH(bool, visible);
        QFETCH(QString, tip);
        QWidget *w = control(name);
        QVERIFY(w);
        QCOMPARE(w->pos(), place.topLeft() + QPoint(border, border));
        if (place.width() > 0)
            QCOMPARE(w->size(), place.size());
        QCOMPARE(!w->isHidden(), visible);
        QCOMPARE(w->toolTip(), tip);
    }

    void windowIsExactlyTheFace()
    {
        QCOMPARE(rig.form.size(), QSize(302, 390));
        QVERIFY(rig.form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(rig.form.windowTitle(), QString("Lumidex"));
        // The never-pressed play button lies below the face, out of sight.
        const QRect onWindow(rig.form.cmdPlay->mapTo(&rig.form, QPoint(0, 0)), rig.form.cmdPlay->size());
        QVERIFY(!rig.form.rect().intersects(onWindow));
    }

    void handCursorOnExactlyTheClickableControls()
    {
        const QCursor hand = rig.form.picShow->cursor();
        QCOMPARE(hand.hotSpot(), QPoint(12, 4));
        QVERIFY(!hand.pixmap().isNull());
        int withHand = 0;
        for (QWidget *w : rig.form.findChildren<QWidget *>()) {
            if (rig.form.txtHelp->isAncestorOf(w))
                continue; // the help text keeps its own text cursor
            const bool has = w->testAttribute(Qt::WA_SetCursor);
            withHand += has;
            if (has)
                QCOMPARE(w->cursor().pixmap().toImage(), hand.pixmap().toImage());
        }
        QCOMPARE(withHand, 22);
        for (QWidget *w : {(QWidget *)rig.form.Picture1, (QWidget *)rig.form.Picture3, (QWidget *)rig.form.imgBad[0]})
            QVERIFY(!w->testAttribute(Qt::WA_SetCursor));
    }

    void helpPanelCoversEveryCard()
    {
        const QRect help = rig.form.txtHelp->geometry();
        for (int i = 1; i <= 16; ++i) {
            const QRect card = rig.form.picMat[i]->geometry();
            QVERIFY(help.contains(card));
            for (int j = i + 1; j <= 16; ++j)
                QVERIFY(!card.intersects(rig.form.picMat[j]->geometry()));
            QVERIFY(rig.form.Picture3->rect().contains(card));
        }
    }

    void resultPanelSitsOverTheBoard()
    {
        // Its picture's first pixel, inside the 1-pixel border, at (33, 81).
        QCOMPARE(rig.form.picMsg->mapTo(rig.form.Picture1, QPoint(1, 1)), QPoint(33, 81));
        // A margin of 4 pixels to the board on every side.
        QCOMPARE(rig.form.picMsg->geometry().adjusted(-4, -4, 4, 4), rig.form.Picture3->geometry());
    }

    // Every picture fills its place pixel for pixel: the stored bitmap on a
    // screen at a device pixel ratio of 1, its twin drawn at twice the size
    // at 2 (the scaled run of this test).
    void picturesAreShownPixelForPixel()
    {
        frmGame &f = rig.form;
        rig.draw(6);
        f.lblMsg->hide(); // the count is written over the panel, not part of its picture
        const qreal ratio = f.devicePixelRatioF();
        const struct {
            PictureBox *box;
            QImage picture;
            QRect part; // of the picture, in window pixels
        } shown[] = {
            {f.Picture1, Catalogue::LoadLayoutPicture("Picture1", ratio), {0, 0, 302, 76}}, // above the board
            {f.picMat[6], Catalogue::LoadResPicture(kFixedBack, ratio), {0, 0, 51, 51}},
            {f.picShow, Catalogue::LoadResPicture(f.picShow->pictureId(), ratio), {0, 0, 51, 51}},
            {f.picMsg, Catalogue::LoadResPicture(kWinPanel, ratio), {0, 0, 223, 221}},
        };
        for (const auto &s : shown) {
            const int b = s.box->borderWidth();
            const QImage seen =
                s.box->grab(s.part.translated(b, b)).toImage().convertToFormat(QImage::Format_RGB32);
            const QRect pixels(s.part.topLeft() * ratio, s.part.size() * ratio);
            QCOMPARE(seen, s.picture.copy(pixels).convertToFormat(QImage::Format_RGB32));
        }
        f.lblMsg->show();
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
