// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QGuiApplication>
#include <QSize>
#include <QWidget>

#if VELMORA_HAVE_X11 && QT_CONFIG(xcb)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace Desktop {

void keepProportions([[maybe_unused]] QWidget *window, [[maybe_unused]] QSize proportions)
{
#if VELMORA_HAVE_X11 && QT_CONFIG(xcb)
    // Qt offers no call for the proportion hint, so it goes to the window
    // through Xlib, on X11 alone.
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display() || !window->testAttribute(Qt::WA_WState_Created) || proportions.isEmpty())
        return;
    Display *display = x11->display();
    const auto id = static_cast<::Window>(window->winId());
    XSizeHints *hints = XAllocSizeHints();
    if (!hints)
        return;
    // The hints Qt wrote (minimum size, position) stay; only the proportion is
    // added to them.
    long supplied = 0;
    if (!XGetWMNormalHints(display, id, hints, &supplied))
        hints->flags = 0;
    hints->flags |= PAspect;
    hints->min_aspect.x = hints->max_aspect.x = proportions.width();
    hints->min_aspect.y = hints->max_aspect.y = proportions.height();
    XSetWMNormalHints(display, id, hints);
    XFree(hints);
    XFlush(display);
#endif
}

} // namespace Desktop
