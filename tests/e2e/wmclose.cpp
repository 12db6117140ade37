// SPDX-License-Identifier: MIT
// wmclose: asks an X window to close the way a window manager's close button
// does, by sending it the WM_DELETE_WINDOW client message. A bare Xvfb has no
// window manager and Debian 12's xdotool has no "windowquit", so the
// end-to-end scripts close the game with this.
//
//     wmclose <window-id>
//
// The id is decimal or 0x-hexadecimal, as xdotool and xwininfo print it.
// Exit status: 0 once the server has taken the message, 1 when the window
// does not exist or does not accept the close request, 2 on a bad command
// line or when no display can be opened.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

// Xlib reports a vanished window through a global handler; the tool only
// needs to know that some request failed.
bool g_requestFailed = false;

int recordError(Display *, XErrorEvent *)
{
    g_requestFailed = true;
    return 0;
}

struct DisplayCloser
{
    void operator()(Display *display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

bool parseWindowId(const char *text, Window &window)
{
    char *end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || value == 0 || text[0] == '-')
        return false;
    window = value;
    return true;
}

bool acceptsDeleteWindow(Display *display, Window window, Atom deleteWindow)
{
    Atom *protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, window, &protocols, &count) == 0)
        return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == deleteWindow;
    XFree(protocols);
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    Window window = 0;
    if (argc != 2 || !parseWindowId(argv[1], window)) {
        std::fprintf(stderr, "usage: wmclose <window-id>  (decimal or 0x-hexadecimal)\n");
        return ExitUsage;
    }
    const DisplayHandle display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "wmclose: cannot open the X display \"%s\"\n", XDisplayName(nullptr));
        return ExitUsage;
    }
    XSetErrorHandler(recordError);

    const Atom protocols = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display.get(), "WM_DELETE_WINDOW", False);
    // Without the protocol a window manager would kill the client instead;
    // that is not the request under test, so say so rather than send it.
    if (!acceptsDeleteWindow(display.get(), window, deleteWindow) || g_requestFailed) {
        std::fprintf(stderr, "wmclose: window %s does not exist or does not take WM_DELETE_WINDOW\n", argv[1]);
        return ExitRefused;
    }

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), window, False, NoEventMask, &event);
    // Round-trip so a window that vanished in the meantime shows up as an
    // error here instead of a message silently dropped.
    XSync(display.get(), False);
    if (g_requestFailed) {
        std::fprintf(stderr, "wmclose: window %s went away before the close request reached it\n", argv[1]);
        return ExitRefused;
    }
    return EXIT_SUCCESS;
}
