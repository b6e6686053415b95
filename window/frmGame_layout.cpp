// The controls of the game window at the places Layout.h gives them.
// Siblings are created bottom first: pictureless images lie beneath the
// picture boxes, and an earlier-listed box lies above a later one.
#include "GameAccessible.h"
#include "GameFont.h"
#include "KeyboardPlay.h"
#include "Layout.h"
#include "Timing.h"
#include "WindowMover.h"
#include "catalogue.h"
#include "frmGame.h"

using namespace mdlPicfunc;
using Border = PictureBox::Border;

namespace {
constexpr QColor kYellow(255, 255, 0);
constexpr QColor kPanelBack(192, 192, 255);
constexpr QColor kCountColour(18, 42, 83);

PictureBox *image(PictureBox *parent, QRect place, const QString &tip = {})
{
    auto *box = new PictureBox(parent);
    box->setAutoSize(true);
    box->setGeometry(place);
    box->setToolTip(tip);
    return box;
}
} // namespace

void frmGame::buildLayout()
{
    setWindowTitle(QStringLiteral("Lumidex"));
    setWindowIcon(Catalogue::LoadResIcon(ResourceIds::kIcon, devicePixelRatioF()));
    QPalette back = palette();
    back.setColor(QPalette::Window, kYellow);
    setPalette(back);
    setAutoFillBackground(true);
    setFont(GameFont(11));
    // The outline (mdlRegion) cuts the window to the face; whatever of the
    // window's inside and the face panel lies beyond it is hidden.
    resize(Layout::kWindowInside);

    Picture1 = new PictureBox(this, Border::None, palette().color(QPalette::Base));
    Picture1->setGeometry(Layout::kFacePanel);
    Picture1->setLayoutPicture(ResourceIds::kWindowFace);
    new WindowMover(Picture1, this);

    for (int i = 0; i < kMissesToLose; ++i) {
        imgBad[i] = image(Picture1, Layout::kLowestMarker.translated(0, -Layout::kMarkerStep * i));
        imgBad[i]->setLayoutPicture(ResourceIds::kSadFace);
        imgBad[i]->hide();
    }
    imgMini = image(Picture1, Layout::kMinimise, tr("Minimize"));
    imgExit = image(Picture1, Layout::kExit, tr("Exit"));
    imgAction[0] = image(Picture1, Layout::kPlayButton, tr("Play"));
    imgAction[1] = image(Picture1, Layout::kHelpButton, tr("Information"));
    imgLink = image(Picture1, Layout::kLink, webAddress);

    // The deal's button lies below the face, so no one sees or clicks it:
    // set-up and the play button run its handler themselves.
    cmdPlay = new QPushButton(QStringLiteral("play"), Picture1);
    cmdPlay->setGeometry(Layout::kDealButton);
    // Out of sight and never pressed: with the focus, Space would deal a game.
    cmdPlay->setFocusPolicy(Qt::NoFocus);

    Timer1 = new QTimer(this);
    Timer1->setInterval(Timing::kResultShown);
    Timer1->setTimerType(Qt::PreciseTimer);

    Picture3 = new PictureBox(Picture1, Border::Single, kYellow);
    Picture3->setGeometry(Layout::kBoard);
    for (int i = kCards; i >= 1; --i) {
        picMat[i] = new PictureBox(Picture3, Border::Sunken, Qt::white);
        picMat[i]->resize(Layout::kCard);
        Picture3->place(picMat[i], Layout::kCardColumns[CardColumn(i)], Layout::kCardRows[CardRow(i)]);
        picMat[i]->setPictureId(i == 1 ? kNoPicture : kFixedBack);
    }

    picShow = new PictureBox(Picture1, Border::Sunken, Qt::white);
    picShow->setGeometry(Layout::kMasterCard);
    picShow->setPictureId(kMasterBack);

    // The result panel is stored below the face, out of the way; set-up
    // moves it over the board, where the end of a game shows it.
    picMsg = new PictureBox(Picture1, Border::Single, kPanelBack);
    picMsg->setGeometry(Layout::kStoredPanel);
    picMsg->setPictureId(kWinPanel);
    picMsg->hide();
    lblMsg = new QLabel(QStringLiteral("8"), picMsg);
    lblMsg->resize(Layout::kMissCount.size());
    picMsg->place(lblMsg, Layout::kMissCount.x(), Layout::kMissCount.y());
    lblMsg->setFont(GameFont(18));
    QPalette ink = lblMsg->palette();
    ink.setColor(QPalette::WindowText, kCountColour);
    lblMsg->setPalette(ink);

    const std::pair<QObject *, const char *> named[] = {
        {Picture1, "Picture1"}, {picMsg, "picMsg"}, {lblMsg, "lblMsg"}, {picShow, "picShow"},
        {Picture3, "Picture3"}, {Timer1, "Timer1"}, {cmdPlay, "cmdPlay"}, {imgLink, "imgLink"},
        {imgExit, "imgExit"}, {imgMini, "imgMini"},
    };
    for (const auto &[control, name] : named)
        control->setObjectName(QLatin1String(name));
    for (int i = 1; i <= kCards; ++i)
        picMat[i]->setObjectName(controlName("picMat", i));
    for (int i = 0; i <= 1; ++i)
        imgAction[i]->setObjectName(controlName("imgAction", i));
    for (int i = 0; i < kMissesToLose; ++i)
        imgBad[i]->setObjectName(controlName("imgBad", i));

    connect(cmdPlay, &QPushButton::clicked, this, &frmGame::cmdPlay_Click);
    connect(picShow, &PictureBox::clicked, this, &frmGame::picShow_Click);
    for (int i = 1; i <= kCards; ++i)
        connect(picMat[i], &PictureBox::clicked, this, [this, i] { picMat_Click(i); });
    connect(Timer1, &QTimer::timeout, this, &frmGame::Timer1_Timer);
    for (int i = 0; i <= 1; ++i) {
        connect(imgAction[i], &PictureBox::mouseDown, this, [this, i] { imgAction_MouseDown(i); });
        connect(imgAction[i], &PictureBox::mouseUp, this, [this, i] { imgAction_MouseUp(i); });
    }
    connect(imgExit, &PictureBox::clicked, this, &frmGame::imgExit_Click);
    connect(imgMini, &PictureBox::clicked, this, &frmGame::imgMini_Click);
    connect(imgLink, &PictureBox::clicked, this, &frmGame::imgLink_Click);

    accessible = std::make_unique<GameAccessible>(*this, state);
    new KeyboardPlay(this, std::vector<PictureBox *>(picMat.begin(), picMat.end()), picShow, imgAction[0],
                     imgAction[1], imgExit, *accessible);
}

void frmGame::buildHelpPanel()
{
    // Built the first time the help is asked for: most games never show it,
    // and its text machinery is the largest part of the window's memory.
    txtHelp = new QPlainTextEdit(Picture3);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->resize(Layout::kHelpPanel.size());
    // Over the whole board, border and all.
    Picture3->place(txtHelp, Layout::kHelpPanel.x(), Layout::kHelpPanel.y());
    txtHelp->setReadOnly(true);
    // A click on the help must not keep the keys from the board once it hides.
    txtHelp->setFocusPolicy(Qt::NoFocus);
    // The instructions keep their own line breaks; a narrower face lets the
    // longest of their lines fit the panel instead of wrapping.
    txtHelp->setFont(GameFont(10, QFont::SemiCondensed));
    txtHelp->document()->setDocumentMargin(2);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp->setAttribute(Qt::WA_NoMousePropagation);
    txtHelp->hide();
}
