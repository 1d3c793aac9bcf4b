// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches the traffic light of the window under test until a countdown has run: the
// light leaves green and comes back to it. It samples the lamps every few milliseconds,
// so a quick countdown is seen even when the machine is busy, where a screenshot a
// time would miss it.
//
//     countdown_watch X Y SECONDS
//
// X and Y are the screen position of the top of the lamp column (the red lamp's centre;
// the yellow one is 10 pixels below, the green one 21). Exits 0 when the countdown ran,
// 1 when the light never left green, 2 when it did not come back to green within
// SECONDS, 3 on a usage or display error.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

enum class Light { Off, Red, Yellow, Green };

struct Rgb {
    unsigned r, g, b;
};

Rgb PixelAt(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return {0, 0, 0};
    XColor colour;
    colour.pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    XQueryColor(display, DefaultColormap(display, DefaultScreen(display)), &colour);
    return {colour.red / 256u, colour.green / 256u, colour.blue / 256u};
}

// The same reading as the scripts' lamp(): the red lamp first, then yellow, then green.
Light LightAt(Display* display, int x, int y) {
    if (PixelAt(display, x, y).r > 200) return Light::Red;
    if (PixelAt(display, x, y + 10).g > 180) return Light::Yellow;
    if (PixelAt(display, x, y + 21).g > 150) return Light::Green;
    return Light::Off;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: countdown_watch X Y SECONDS\n");
        return 3;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "countdown_watch: cannot open the display\n");
        return 3;
    }
    bool left = false;
    int status = 1;
    while (std::chrono::steady_clock::now() < deadline) {
        const bool green = LightAt(display, x, y) == Light::Green;
        if (!green) left = true;
        if (left && green) {
            status = 0;
            break;
        }
        status = left ? 2 : 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    XCloseDisplay(display);
    return status;
}
