// first_pixel PROGRAM [ARGUMENT...]: starts the program and prints how many milliseconds
// passed from its start until the pixel in the middle of the screen was no longer black, then
// stops it. Polls the X server (DISPLAY) about every half millisecond; exit code 1 when
// nothing showed within ten seconds.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

bool CentreIsBlack(Display* display, Window root, int x, int y) {
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return true;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_pixel PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_pixel: no display\n");
        return 2;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int x = DisplayWidth(display, screen) / 2, y = DisplayHeight(display, screen) / 2;
    if (!CentreIsBlack(display, root, x, y)) {
        std::fprintf(stderr, "first_pixel: the screen's middle is not black to begin with\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int result = 1;
    while (std::chrono::steady_clock::now() - started < std::chrono::seconds(10)) {
        if (!CentreIsBlack(display, root, x, y)) {
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - started;
            std::printf("%.1f\n", took.count());
            result = 0;
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first_pixel: %s ended before showing anything\n", argv[1]);
            XCloseDisplay(display);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // Let the screen go black again before the next start.
    for (int i = 0; i < 2000 && !CentreIsBlack(display, root, x, y); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    XCloseDisplay(display);
    return result;
}
