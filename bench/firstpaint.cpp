// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X display and watches one screen pixel until the
// program's window paints it in the expected colour: its first paint. Prints
// the time from the start of the process to that paint, the processor time the
// process had used by then, and its resident memory at that moment:
//   firstpaint X Y RRGGBB PROGRAM...  ->  "<ms> <cpu ms> <rss kB>"
// Meant for a display without a window manager, where a window opens at 0,0.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

double cpuMilliseconds(pid_t pid) // every thread's time on a processor
{
    double nanoseconds = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (schedstat >> onCpu)
                nanoseconds += onCpu;
        }
        closedir(dir);
    }
    return nanoseconds / 1e6;
}

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s X Y RRGGBB PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long colour = std::strtoul(argv[3], nullptr, 16);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    for (;;) {
        XImage *image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = image ? XGetPixel(image, 0, 0) & 0xffffff : 0;
        if (image)
            XDestroyImage(image);
        if (pixel == colour)
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "the program ended before painting\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    const double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double cpu = cpuMilliseconds(pid);
    const long rss = residentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %.1f %ld\n", elapsed, cpu, rss);
    return 0;
}
