// SPDX-License-Identifier: MIT
#include "firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

// Waits on the window for its first expose, which paints and shows the first
// frame before it returns; the step comes from the event loop after that.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWindow *window, std::function<void()> step)
        : QObject(window)
        , m_step(std::move(step))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *window, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            window->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_step();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_step;
};

} // namespace

void afterFirstFrame(QWindow *window, std::function<void()> step)
{
    if (!window) {
        step();
        return;
    }
    new AfterFirstFrame(window, std::move(step));
}
