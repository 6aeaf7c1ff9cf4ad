/* Looks at a program on an X display as a window manager would, for the smoke and the
 * monkey scripts, which run frattalia on a virtual display without one:
 *   xprobe ping WINDOW [TIMEOUT_MS]  exit 0 when the program answers _NET_WM_PING within
 *                                    the time (1000 ms by default), 1 if not: only a
 *                                    running event loop answers
 *   xprobe close WINDOW              asks the window to close (WM_DELETE_WINDOW), as the
 *                                    close button of a title bar does
 *   xprobe list PID                  the visible windows of process PID, the top one
 *                                    first: "id kind left top width height title", where
 *                                    kind is screen, dialog, menu, tip or other
 *   xprobe pixels X Y [X Y ...]      the colour "r g b" of each point of the display
 *   xprobe settle WINDOW TIMEOUT_MS  waits for the program's answer to a ping (exit 1
 *                                    without one), then until the display stays the
 *                                    same for 50 ms (exit 3 if it still changes after
 *                                    8 s)
 * Window ids are decimal or hexadecimal, as xdotool prints them. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static Display* display;

static long nowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

static Atom atom(const char* name) {
    return XInternAtom(display, name, False);
}

static void sendProtocol(Window window, Atom protocol, long stamp) {
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom("WM_PROTOCOLS");
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)protocol;
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = (long)window;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

/* The answer comes back to the root window, to whoever listens to its structure. */
static int ping(Window window, long timeoutMs) {
    const Window root = DefaultRootWindow(display);
    const long stamp = (long)getpid() ^ (nowMs() & 0x7fffffff);
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);
    sendProtocol(window, atom("_NET_WM_PING"), stamp);
    const long end = nowMs() + timeoutMs;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.window == root &&
                (Atom)event.xclient.data.l[0] == atom("_NET_WM_PING") &&
                event.xclient.data.l[1] == stamp) {
                return 0;
            }
        }
        const long left = end - nowMs();
        if (left <= 0) {
            return 1;
        }
        struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, (int)left);
    }
}

/* The first value of a property of 32-bit items, or -1. */
static long cardinal(Window window, Atom property) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long value = -1;
    if (XGetWindowProperty(display, window, property, 0, 1, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count > 0) {
        value = ((long*)data)[0];
    }
    if (data) {
        XFree(data);
    }
    return value;
}

static const char* kindOf(Window window) {
    const long type = cardinal(window, atom("_NET_WM_WINDOW_TYPE"));
    if (type == (long)atom("_NET_WM_WINDOW_TYPE_DIALOG")) {
        return "dialog";
    }
    if (type == (long)atom("_NET_WM_WINDOW_TYPE_NORMAL")) {
        return "screen";
    }
    if (type == (long)atom("_NET_WM_WINDOW_TYPE_DROPDOWN_MENU") ||
        type == (long)atom("_NET_WM_WINDOW_TYPE_POPUP_MENU")) {
        return "menu";
    }
    if (type == (long)atom("_NET_WM_WINDOW_TYPE_TOOLTIP")) {
        return "tip";
    }
    return "other";
}

static void printTitle(Window window) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(display, window, atom("_NET_WM_NAME"), 0, 1024, False,
                           atom("UTF8_STRING"), &type, &format, &count, &after, &data) == Success &&
        data && count > 0) {
        printf("%.*s", (int)count, (const char*)data);
    } else {
        char* name = NULL;
        if (XFetchName(display, window, &name) && name) {
            printf("%s", name);
            XFree(name);
        }
    }
    if (data) {
        XFree(data);
    }
}

static int list(long pid) {
    Window root, parent, *children = NULL;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return 1;
    }
    /* The tree lists the bottom window first. */
    for (unsigned int i = count; i-- > 0;) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable ||
            cardinal(children[i], atom("_NET_WM_PID")) != pid) {
            continue;
        }
        printf("%lu %s %d %d %d %d ", children[i], kindOf(children[i]), a.x, a.y, a.width,
               a.height);
        printTitle(children[i]);
        printf("\n");
    }
    if (children) {
        XFree(children);
    }
    return 0;
}

static XImage* grab(void) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes a;
    XGetWindowAttributes(display, root, &a);
    return XGetImage(display, root, 0, 0, (unsigned)a.width, (unsigned)a.height, AllPlanes,
                     ZPixmap);
}

/* One channel of a pixel, scaled to 0..255 whatever its mask. */
static unsigned long channel(unsigned long pixel, unsigned long mask) {
    if (!mask) {
        return 0;
    }
    while (!(mask & 1)) {
        mask >>= 1;
        pixel >>= 1;
    }
    return (pixel & mask) * 255 / mask;
}

static int pixels(int count, char** points) {
    XImage* image = grab();
    if (!image) {
        return 1;
    }
    for (int i = 0; i + 1 < count; i += 2) {
        const int x = atoi(points[i]);
        const int y = atoi(points[i + 1]);
        if (x < 0 || y < 0 || x >= image->width || y >= image->height) {
            printf("0 0 0\n");
            continue;
        }
        const unsigned long p = XGetPixel(image, x, y);
        printf("%lu %lu %lu\n", channel(p, image->red_mask), channel(p, image->green_mask),
               channel(p, image->blue_mask));
    }
    XDestroyImage(image);
    return 0;
}

/* FNV-1a over the display's pixels, 8 bytes at a time: a changed pixel changes it. */
static unsigned long long displayHash(void) {
    XImage* image = grab();
    if (!image) {
        return 0;
    }
    unsigned long long hash = 1469598103934665603ULL;
    const size_t size = (size_t)image->bytes_per_line * (size_t)image->height;
    for (size_t i = 0; i + 8 <= size; i += 8) {
        unsigned long long word;
        memcpy(&word, image->data + i, sizeof word);
        hash = (hash ^ word) * 1099511628211ULL;
    }
    XDestroyImage(image);
    return hash;
}

static int settle(Window window, long timeoutMs) {
    if (ping(window, timeoutMs) != 0) {
        return 1;
    }
    const long end = nowMs() + 8000;
    unsigned long long previous = displayHash();
    while (nowMs() < end) {
        usleep(50000);
        const unsigned long long current = displayHash();
        if (current == previous) {
            return 0;
        }
        previous = current;
    }
    return 3;
}

static int quietErrors(Display* d, XErrorEvent* error) {
    (void)d;
    (void)error;
    return 0; /* a window that has just gone away is no error of ours */
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: xprobe ping|close|list|pixels|settle ...\n");
        return 2;
    }
    display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xprobe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(quietErrors);
    const char* command = argv[1];
    int status = 2;
    if (strcmp(command, "ping") == 0 && argc >= 3) {
        status = ping((Window)strtoul(argv[2], NULL, 0), argc > 3 ? atol(argv[3]) : 1000);
    } else if (strcmp(command, "close") == 0 && argc == 3) {
        sendProtocol((Window)strtoul(argv[2], NULL, 0), atom("WM_DELETE_WINDOW"), 0);
        XSync(display, False);
        status = 0;
    } else if (strcmp(command, "list") == 0 && argc == 3) {
        status = list(atol(argv[2]));
    } else if (strcmp(command, "pixels") == 0) {
        status = pixels(argc - 2, argv + 2);
    } else if (strcmp(command, "settle") == 0 && argc == 4) {
        status = settle((Window)strtoul(argv[2], NULL, 0), atol(argv[3]));
    } else {
        fprintf(stderr, "xprobe: unknown command or arguments\n");
    }
    XCloseDisplay(display);
    return status;
}
