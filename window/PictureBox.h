#pragma once
// One picture-showing control of the game window: a picture box (with an
// optional border and a background colour, and controls inside it) or an
// image (no border, as large as its picture, or an invisible click area).
#include <QAccessible>
#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, Single, Sunken };

    PictureBox(QWidget *parent, Border border = Border::None, QColor back = Qt::transparent);

    // Shows bitmap id (0: the empty picture). Images take the picture's size.
    void setPictureId(int id);
    // The picture for a screen's device pixel ratio.
    using Fetch = std::function<QImage(qreal devicePixelRatio)>;
    // Shows bitmap id as `how` draws it; drawn again only when id or key change.
    void setDrawnPicture(int id, const QString &key, Fetch how);
    int pictureId() const { return currentId; }
    // Shows a picture of the window's layout ("Picture1", "imgBad").
    void setLayoutPicture(const QString &name);
    void setAutoSize(bool on) { autoSize = on; }

    // Places a control inside this one, measured from the inside of the border.
    void place(QWidget *child, int left, int top) const;
    int borderWidth() const;

    // What a mouse click on the control signals, for the keyboard.
    void click();

    // What the control is to a screen reader: a pane holding others by default.
    void setAccessibleRole(QAccessible::Role role) { accessRole = role; }
    QAccessible::Role accessibleRole() const { return accessRole; }
    // Under the keyboard's focus ring: a screen reader's focus, whether or
    // not the control can take the keys now.
    void setRinged(bool on) { ringed = on; }
    bool isRinged() const { return ringed; }

signals:
    void mouseDown(); // any button
    void mouseUp();   // any button
    void clicked();   // the primary button, pressed and released on the control

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setPicture(Fetch how);

    Border border;
    QColor back;
    Fetch fetch;   // the picture shown, for a screen's device pixel ratio
    QImage picture; // as stored: what a screen at ratio 1 shows, and the picture's size
    QImage sharp;   // its twin for high-density screens, fetched when one first shows it
    int currentId = 0;
    QString drawnKey;
    bool autoSize = false;
    bool pressedInside = false;
    QAccessible::Role accessRole = QAccessible::Pane;
    bool ringed = false;
};
