#include "KeyboardPlay.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include "GameAccessible.h"
#include "KeyRepeats.h"
#include "PictureBox.h"
#include "spokenText.h"

namespace {

constexpr int kSide = 4;          // cards to a row and to a column
constexpr int kMasterRow = kSide; // the Master Card's place below the board

// Shown and not covered where a click would land on it.
bool onTop(const QWidget *control)
{
    const QWidget *top = control->window();
    return control->isVisible() && top->childAt(control->mapTo(top, control->rect().center())) == control;
}

// A card in play that the help panel lies over. The ended game's cards,
// under the result panel, are reached and told unavailable.
bool coveredByHelp(const QWidget *card) { return card->isEnabled() && !onTop(card); }

// A frame on the focused card's border, dark outside and light inside, so
// that it shows on the yellow board, the window face and any card alike; it
// leaves the card's picture and its neighbours' borders as they are.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    void follow(PictureBox *card)
    {
        target = card;
        const QPoint origin = card->mapTo(parentWidget(), QPoint());
        setGeometry(QRect(origin, card->size()).adjusted(-1, -1, 1, 1));
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // A card covered by a panel shows no ring over the panel.
        if (!target || !onTop(target))
            return;
        QPainter p(this);
        p.setPen(QColor(0, 0, 96));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }

private:
    PictureBox *target = nullptr;
};

} // namespace

KeyboardPlay::KeyboardPlay(QWidget *window, std::vector<PictureBox *> boardCards, PictureBox *masterCard,
                           PictureBox *playButton, PictureBox *helpButton, PictureBox *exitSpot,
                           GameAccessible &listener)
    : QObject(window), window(window), cards(std::move(boardCards)), master(masterCard),
      ring(new FocusRing(masterCard->parentWidget())), repeats(new KeyRepeats(this)), listener(listener)
{
    // Watches the whole application: a press on a control never reaches the
    // window, and keys reach it only when the control with the focus leaves them.
    qApp->installEventFilter(this);
    const std::pair<QKeySequence, PictureBox *> shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), playButton},
        {QKeySequence(Qt::Key_F1), helpButton},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), exitSpot},
    };
    for (const auto &[keys, control] : shortcuts) {
        auto *shortcut = new QShortcut(keys, window);
        connect(shortcut, &QShortcut::activated, this, [this, control = control] { press(control); });
    }
}

bool KeyboardPlay::eventFilter(QObject *watched, QEvent *event)
{
    // Keys come to the card under the ring, which holds the focus, or to the
    // window while no card has it yet.
    auto *target = qobject_cast<QWidget *>(watched);
    const bool ours = target && (target == window || window->isAncestorOf(target));
    if (ours && repeatToIgnore(event)) {
        event->accept(); // a shortcut's key taken here does not act
        return true;
    }
    if (event->type() == QEvent::KeyPress && ours)
        return keyPressed(static_cast<QKeyEvent *>(event)->key());
    if (event->type() == QEvent::MouseButtonPress && ours)
        showRing(false);
    return false;
}

bool KeyboardPlay::repeatToIgnore(QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool arrow = key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down;
    return repeats->judge(*key) && !arrow;
}

bool KeyboardPlay::keyPressed(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The first key only shows where the ring is; later ones move it.
        if (ring->isVisible())
            moveRing(key);
        showRing(true);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        showRing(true);
        press(focused());
        return true;
    case Qt::Key_S:
        listener.sayState();
        return true;
    case Qt::Key_R:
        listener.sayAgain();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        listener.say(Spoken::keys());
        return true;
    default:
        return false;
    }
}

void KeyboardPlay::moveRing(int key)
{
    // The Master Card is below every column; the cards under the help can't
    // be reached.
    QPoint to = at;
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        to.rx() += at.y() == kMasterRow ? kSide : key == Qt::Key_Left ? -1 : 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Down)
        to.ry() += key == Qt::Key_Up ? -1 : 1;
    if (to.x() < 0 || to.x() >= kSide || to.y() < 0 || to.y() > kMasterRow)
        listener.say(Spoken::edge());
    else if (to.y() < kMasterRow && coveredByHelp(cards[std::size_t(to.y() * kSide + to.x())]))
        listener.say(Spoken::covered());
    else
        at = to;
}

void KeyboardPlay::press(PictureBox *control)
{
    if (control->isEnabled() && onTop(control))
        control->click();
    else
        listener.say(Spoken::notNow());
}

PictureBox *KeyboardPlay::focused() const
{
    return at.y() == kMasterRow ? master : cards[std::size_t(at.y() * kSide + at.x())];
}

void KeyboardPlay::showRing(bool shown)
{
    if (shown)
        static_cast<FocusRing *>(ring)->follow(focused());
    // The card under the ring is a screen reader's focus too, so that it
    // names it; with the ring gone, no card is.
    if (shown || ring->isVisible())
        FocusForScreenReaders(window, shown ? focused() : nullptr);
    ring->setVisible(shown);
}
