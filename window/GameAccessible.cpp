#include "GameAccessible.h"

#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <QStringList>

#include "Announcer.h"
#include "frmGame.h"
#include "spokenText.h"

using namespace mdlPicfunc;

namespace {

// The unseen notice that speaks each announcement: no pane offers it, so
// that flat review never reads an old one, and a pane's children learned
// again never announce it twice.
bool isNotice(const QWidget *w)
{
    const auto *box = qobject_cast<const PictureBox *>(w);
    return box && box->accessibleRole() == QAccessible::Notification;
}

// A picture box as a screen reader sees it. Only a pane offers what lies in
// it, and only what is shown inside the window: the play button that nobody
// can press and the result panel waiting below the window stay out of reach,
// as they are for the mouse. They come in reading order, top to bottom and
// left to right, whatever order the layout made them in. Its extents end at
// the window's, as the face panel reaches beyond it.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox *box) : QAccessibleWidget(box, box->accessibleRole()) {}

    int childCount() const override { return int(offered().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const auto shown = offered();
        return index >= 0 && index < int(shown.size()) ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto shown = offered();
        return int(shown.indexOf(child ? child->object() : nullptr));
    }
    QRect rect() const override
    {
        const QWidget *top = widget()->window();
        return QAccessibleWidget::rect() & QRect(top->mapToGlobal(QPoint()), top->size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (static_cast<PictureBox *>(widget())->isRinged())
            state.focusable = state.focused = true;
        return state;
    }

private:
    QList<QObject *> offered() const
    {
        QList<QObject *> shown;
        if (role() != QAccessible::Pane && role() != QAccessible::Client)
            return shown;
        const QWidget *top = widget()->window();
        const QRegion outline = top->mask().isEmpty() ? QRegion(top->rect()) : top->mask();
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && w->isVisible() && outline.intersects(QRect(w->mapTo(top, QPoint()), w->size())) && !isNotice(w))
                shown.append(w);
        }
        std::stable_sort(shown.begin(), shown.end(), [](QObject *a, QObject *b) {
            const QPoint p = static_cast<QWidget *>(a)->pos(), q = static_cast<QWidget *>(b)->pos();
            return std::pair(p.y(), p.x()) < std::pair(q.y(), q.x());
        });
        return shown;
    }
};

// Brings the screen readers' view up to date as the window shows, before
// any key: flat review reads the whole board from the start.
class OnShow : public QObject {
public:
    OnShow(QWidget *window, GameAccessible &accessible) : QObject(window), accessible(accessible)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            accessible.update();
        return false;
    }

private:
    GameAccessible &accessible;
};

// The game window, which readers announce by its title.
QAccessibleInterface *gameFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    if (className == QLatin1String("frmGame"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

void setName(QWidget *control, const QString &name)
{
    // Setting a name tells the screen reader even when nothing changed.
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

} // namespace

GameAccessible::GameAccessible(QWidget &window, const GameState &game)
    : window(window), game(game), face(control("Picture1")), masterCard(control("picShow")),
      resultPanel(control("picMsg")), notice(new PictureBox(face))
{
    static const bool installed = (QAccessible::installFactory(gameFactory), true);
    Q_UNUSED(installed);

    PictureBox *board = control("Picture3");
    // A filler, which Orca does not name each time the ring enters the board
    // ("Board panel." cost about a second each time).
    board->setAccessibleRole(QAccessible::Client);
    board->setAccessibleName(Spoken::board());
    for (int k = 1; k <= kCards; ++k) {
        cards.push_back(control(frmGame::controlName("picMat", k)));
        cards.back()->setAccessibleRole(QAccessible::Button);
    }
    masterCard->setAccessibleRole(QAccessible::Button);
    const std::pair<QString, QString> fixed[] = {
        {frmGame::controlName("imgAction", 0), Spoken::play()}, {frmGame::controlName("imgAction", 1), Spoken::help()},
        {"imgExit", Spoken::exit()}, {"imgMini", Spoken::minimize()}, {"imgLink", Spoken::webPage()},
    };
    for (const auto &[name, spoken] : fixed) {
        control(name)->setAccessibleRole(name == "imgLink" ? QAccessible::Link : QAccessible::Button);
        control(name)->setAccessibleName(spoken);
    }
    for (int n = 0; n < kMissesToLose; ++n) {
        misses.push_back(control(frmGame::controlName("imgBad", n)));
        misses.back()->setAccessibleRole(QAccessible::Graphic);
    }
    resultPanel->setAccessibleRole(QAccessible::AlertMessage);
    // Screen readers speak a notification as it shows; it paints nothing
    // and lets clicks through.
    notice->setAccessibleRole(QAccessible::Notification);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setGeometry(0, 0, 1, 1);
    notice->hide();
    new OnShow(&window, *this);
    update();
}

void GameAccessible::update()
{
    const GameState &now = game;
    for (int k = 1; k <= kCards; ++k)
        setName(cards[k - 1], Spoken::card(k, now.picMat[k].picture));
    setName(masterCard, Spoken::masterCard(now.picShow.picture));
    for (PictureBox *bad : misses)
        setName(bad, Spoken::misses(now.bytMisses, kMissesToLose));
    setName(resultPanel, now.picMsg.visible ? Announcer::Result(now) : QString());

    QStringList told;
    if (window.isVisible())
        renewShown();
    // The first deal, made before the window shows, is nobody's news.
    if (window.isVisible()) {
        // Read as one text: its lines break where the panel's width needs.
        if (auto *help = window.findChild<QPlainTextEdit *>(QStringLiteral("txtHelp")); helpDue && help)
            told << help->toPlainText().simplified() << Spoken::keys();
        told << Announcer::News(before, now);
        if (refusalDue)
            told << Announcer::Due(now);
        if (told.size() == 1 && told[0] == Spoken::dealt())
            for (PictureBox *control : face->findChildren<PictureBox *>())
                if (control->isRinged())
                    told << Spoken::sentence(control->accessibleName());
    }
    helpDue = refusalDue = false;
    before = now;
    if (!told.isEmpty())
        say(told.join(u' '));
}

void GameAccessible::renewShown()
{
    // A screen reader keeps what it first learned of a control: one learned
    // while hidden stays "not visible" to it after it shows, as Qt tells it
    // only that it is showing, and flat review passes it over. A control that
    // comes to show gets a new identity, which the reader learns afresh.
    QList<PictureBox *> now;
    for (PictureBox *control : face->findChildren<PictureBox *>())
        if (control->isVisible() && !isNotice(control))
            now << control;
    // Their panes tell readers to learn their children again.
    QSet<QWidget *> panes;
    for (PictureBox *control : now) {
        if (!shown.contains(control)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control)));
            panes << control->parentWidget();
        }
    }
    shown = now;
    for (QWidget *pane : panes) {
        QAccessibleEvent reorder(pane, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

void GameAccessible::say(const QString &words)
{
    notice->hide();
    notice->setAccessibleName(words);
    notice->setVisible(!words.isEmpty());
    if (!words.isEmpty())
        lastTold = words;
}

void GameAccessible::sayState() { say(Announcer::State(game)); }

PictureBox *GameAccessible::control(const QString &name) const { return window.findChild<PictureBox *>(name); }

void FocusForScreenReaders(QWidget *window, PictureBox *control)
{
    // Told through the control's accessible state, not the keyboard focus,
    // which a control that can't be clicked now can't take: it is heard all
    // the same, with its state.
    if (control && control->isRinged())
        return;
    for (PictureBox *box : window->findChildren<PictureBox *>())
        box->setRinged(box == control);
    if (!control)
        return;
    QAccessibleEvent focus(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
