#include "KeyRepeats.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

KeyRepeats::KeyRepeats(QObject *parent) : QObject(parent) { watchFirst(); }

void KeyRepeats::watchFirst()
{
    // Installed again, a filter goes before every other.
    qApp->installEventFilter(this);
}

bool KeyRepeats::eventFilter(QObject *, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // A copy without a moment: another filter took the original before this
    // one saw it. Goes before it, once this event is through.
    if (!key->timestamp() && !event->spontaneous())
        QTimer::singleShot(0, this, [this] { watchFirst(); });
    judge(*key);
    return false;
}

bool KeyRepeats::judge(const QKeyEvent &key)
{
    const quint64 at = key.timestamp();
    if (key.type() == QEvent::KeyRelease) {
        if (at)
            released = {key.key(), at};
        return false;
    }
    if (!at) // a copy
        return key.isAutoRepeat() || pressRepeats.value(key.key());
    return pressRepeats[key.key()] = key.isAutoRepeat() || released == std::pair(key.key(), at);
}
