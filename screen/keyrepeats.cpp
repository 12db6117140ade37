// SPDX-License-Identifier: MIT
#include "keyrepeats.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

// The two halves of a repeat leave the X server together and arrive well
// within this; a player does not see a release come up this much later.
constexpr int PairMilliseconds = 30;

} // namespace

KeyRepeats::KeyRepeats(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyRepeats::isRepeat(const QKeyEvent &press) const
{
    const auto released = m_releasedAt.constFind(physicalKey(press));
    return press.isAutoRepeat() || (released != m_releasedAt.cend() && *released == press.timestamp());
}

void KeyRepeats::whenReleased(const QKeyEvent &release, std::function<void()> released)
{
    if (release.isAutoRepeat())
        return;
    const int key = physicalKey(release);
    const quint64 at = release.timestamp();
    QTimer::singleShot(PairMilliseconds, this, [this, key, at, released = std::move(released)] {
        const auto pressed = m_pressedAt.constFind(key);
        if (pressed == m_pressedAt.cend() || *pressed != at)
            released();
    });
}

int KeyRepeats::physicalKey(const QKeyEvent &event)
{
    return event.key() | static_cast<int>(event.modifiers() & Qt::KeypadModifier);
}

bool KeyRepeats::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        (event->type() == QEvent::KeyPress ? m_pressedAt : m_releasedAt)[physicalKey(key)] = key.timestamp();
    }
    return false;
}
