#include "frmIcon.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "GameFont.h"

namespace {

QLabel *placeLabel(QWidget *parent, const QString &caption, int left, int top)
{
    // The layout was made for an 18 px and a 13 px sans serif. The game's
    // face at those sizes, semi-condensed for the lines of text, gives them
    // about the widths they were laid out for; its normal width would run
    // the two longest lines past the window's right edge.
    auto *label = new QLabel(caption, parent);
    label->setFont(GameFont(18, QFont::SemiCondensed));
    label->move(left, top);
    label->adjustSize(); // sized to fit its caption
    return label;
}

} // namespace

frmIcon::frmIcon(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    // The window system shows the program's name in place of an empty
    // title; a blank one keeps the title bar free of text.
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(409, 191);
    // Dark text on white whatever the desktop's colours: a dark scheme's
    // light text would vanish on the white. The button keeps the scheme's.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    Label1 = placeLabel(this, tr("Important notice!"), 119, 14);
    Label2 = placeLabel(this, tr("This application works with small fonts only"), 23, 46);
    //: The next two lines are one sentence.
    Label3 = placeLabel(this, tr("Please change your system to \"Small Fonts\""), 21, 78);
    Label4 = placeLabel(this, tr("in the Windows Setting System"), 73, 110);

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setFont(GameFont(13));
    Command1->setGeometry(162, 152, 81, 25);
    fitLines();
    // Centred on the window's own size: Qt's dialog placement allows for a
    // guessed frame, which puts it off centre.
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &frmIcon::Command1_Click);
}

void frmIcon::fitLines()
{
    // The English lines keep their places. Longer lines, in another
    // language, widen the window to the longest, each line and the button
    // centred on it; the lines' margin is the one the English lines leave.
    constexpr int kMargin = 21;
    const QList<QWidget *> lines{Label1, Label2, Label3, Label4};
    int longest = 0;
    bool placed = true;
    for (QWidget *line : lines) {
        longest = std::max(longest, line->width());
        placed = placed && line->geometry().right() < width() - kMargin;
    }
    if (placed)
        return;
    setFixedWidth(std::max(width(), longest + 2 * kMargin));
    for (QWidget *control : lines + QList<QWidget *>{Command1})
        control->move((width() - control->width()) / 2, control->y());
}

void frmIcon::Command1_Click()
{
    close();
}
