// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QKeyEvent;

// Tells a key held down from a key pressed again. A held key repeats, and
// a window system may send each repeat as a release and a press at the same
// instant, which Qt marks as a repeat only when both halves have arrived
// together.
// The window makes one of these; from then on it watches the key events of
// every window of the application (an ending's box may take the first half
// of a pair) and judges by their instants: a press at the instant of the
// same key's last release is a repeat, and a release is real once no press
// of that key has followed at its instant, which whenReleased() waits to
// see before it acts.
class KeyRepeats : public QObject
{
    Q_OBJECT

public:
    explicit KeyRepeats(QObject *parent = nullptr);

    bool isRepeat(const QKeyEvent &press) const;
    // Calls released a moment later, unless the release was half a repeat.
    void whenReleased(const QKeyEvent &release, std::function<void()> released);

    // One number a key: the keypad's 1 is not the main 1, and both may be
    // held at once.
    static int physicalKey(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<int, quint64> m_pressedAt;
    QHash<int, quint64> m_releasedAt;
};
