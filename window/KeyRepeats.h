#pragma once
// Tells the repeats of a held key from new presses. X11 repeats a held key as
// a release and a press at the same moment, which Qt flags as a repeat only
// when both have come in already. A screen reader's bridge takes each key
// before the window does and delivers a copy of it later, without its
// moment: the copy gets the verdict its original got.
#include <QHash>
#include <QObject>

class QKeyEvent;

class KeyRepeats : public QObject {
public:
    // Watches the application's keys from now on.
    explicit KeyRepeats(QObject *parent);

    // True for a press, or its shortcut check, that repeats a held key;
    // notes each release. The same event may be judged more than once.
    bool judge(const QKeyEvent &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchFirst();

    std::pair<int, quint64> released{}; // the last key released, and when
    QHash<int, bool> pressRepeats;      // by key: whether its last press came with a moment was a repeat
};
