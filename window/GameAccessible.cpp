#include "GameAccessible.h"

#include <QAccessibleWidget>

#include "frmGame.h"
#include "pictureNames.h"

using namespace mdlPicfunc;

namespace {

// A picture box as a screen reader sees it. Only a pane offers what lies in
// it, and only what is shown inside the window's outline: the play button
// that nobody can press and the result panel waiting below the window stay
// out of reach, as they are for the mouse. They come in reading order, top
// to bottom and left to right, whatever order the layout made them in.
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

private:
    QList<QObject *> offered() const
    {
        QList<QObject *> shown;
        if (role() != QAccessible::Pane && role() != QAccessible::Grouping)
            return shown;
        const QWidget *top = widget()->window();
        const QRegion outline = top->mask().isEmpty() ? QRegion(top->rect()) : top->mask();
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && w->isVisible() && outline.intersects(QRect(w->mapTo(top, QPoint()), w->size())))
                shown.append(w);
        }
        std::stable_sort(shown.begin(), shown.end(), [](QObject *a, QObject *b) {
            const QPoint p = static_cast<QWidget *>(a)->pos(), q = static_cast<QWidget *>(b)->pos();
            return std::pair(p.y(), p.x()) < std::pair(q.y(), q.x());
        });
        return shown;
    }
};

QAccessibleInterface *pictureBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    return nullptr;
}

void setName(QWidget *control, const QString &name)
{
    // Setting a name tells the screen reader even when nothing changed.
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

QString cardName(const QString &card, int picture, int back)
{
    if (picture == back)
        return card + QStringLiteral(", face down");
    if (picture == kNoPicture)
        return card + QStringLiteral(", empty");
    return card + QStringLiteral(", ") + PictureName(picture);
}

QString missesName(int misses)
{
    return misses == 1 ? QStringLiteral("1 memory miss") : QStringLiteral("%1 memory misses").arg(misses);
}

} // namespace

void OfferToScreenReaders(frmGame &form)
{
    static const bool installed = (QAccessible::installFactory(pictureBoxFactory), true);
    Q_UNUSED(installed);

    form.Picture3->setAccessibleRole(QAccessible::Grouping);
    form.Picture3->setAccessibleName(QStringLiteral("Board"));
    for (PictureBox *card : form.picMat)
        card->setAccessibleRole(QAccessible::Button);
    form.picShow->setAccessibleRole(QAccessible::Button);
    const std::pair<PictureBox *, const char *> fixed[] = {
        {form.imgAction[0], "Play"}, {form.imgAction[1], "Help"},
        {form.imgExit, "Exit"}, {form.imgMini, "Minimize"}, {form.imgLink, "Web page"},
    };
    for (const auto &[control, name] : fixed) {
        control->setAccessibleRole(control == form.imgLink ? QAccessible::Link : QAccessible::Button);
        control->setAccessibleName(QString::fromLatin1(name));
    }
    for (PictureBox *bad : form.imgBad)
        bad->setAccessibleRole(QAccessible::Graphic);
    form.picMsg->setAccessibleRole(QAccessible::AlertMessage);
    NameForScreenReaders(form);
}

void NameForScreenReaders(frmGame &form)
{
    for (int k = 1; k <= kCards; ++k)
        setName(form.picMat[k], cardName(QStringLiteral("Card %1").arg(k), form.picMat[k]->pictureId(), kFixedBack));
    setName(form.picShow, cardName(QStringLiteral("Master Card"), form.picShow->pictureId(), kMasterBack));

    int misses = 0;
    for (PictureBox *bad : form.imgBad)
        misses += bad->isVisibleTo(form.Picture1);
    for (PictureBox *bad : form.imgBad)
        setName(bad, QStringLiteral("%1 of %2 memory misses").arg(misses).arg(form.imgBad.upper + 1));

    // The panel is named only while it shows, so that each game's result
    // is a new name and is spoken as an alert.
    QString result;
    if (form.picMsg->isVisibleTo(form.Picture1))
        result = form.picMsg->pictureId() == kWinPanel
                     ? QStringLiteral("You won with ") + missesName(form.lblMsg->text().toInt())
                     : QStringLiteral("Too many memory misses");
    if (result != form.picMsg->accessibleName()) {
        form.picMsg->setAccessibleName(result);
        if (!result.isEmpty()) {
            QAccessibleEvent alert(form.picMsg, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }
}
