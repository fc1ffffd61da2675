// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/* Starts a program and reports how long after exec its window first showed
 * its final picture, and the program's resident memory at that time.
 *
 *   firstframe TITLE SETTLE_MS PROGRAM [ARGS...]
 *
 * The window is found by its title among the top-level windows. Its pixels
 * are read back from the X server every millisecond; once they have not
 * changed for SETTLE_MS, the picture then shown is the final one, and the
 * time reported is the poll at which that picture first appeared (so a frame
 * that is painted and then changed again does not count). Prints
 * "<milliseconds> <VmRSS kB> <processor ms> <settled VmRSS kB>": resident
 * memory and processor time of the program's threads when the final picture
 * was first seen, and resident memory once it had settled (by then whatever
 * the program starts after its first frame has started too), and ends the
 * program. */

#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* A window may vanish between finding it and reading it. */
static int ignore_errors(Display *display, XErrorEvent *event)
{
    (void)display;
    (void)event;
    return 0;
}

static Window find_window(Display *display, const char *title, Atom net_wm_name, Atom utf8)
{
    Window root_return, parent, *children = NULL;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root_return, &parent, &children, &count))
        return 0;
    for (unsigned int k = 0; k < count && !found; ++k) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[k], &attributes) || attributes.map_state != IsViewable)
            continue;
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char *name = NULL;
        if (XGetWindowProperty(display, children[k], net_wm_name, 0, 256, False, utf8, &type, &format, &items,
                               &after, &name) == Success && name) {
            if (strcmp((const char *)name, title) == 0)
                found = children[k];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

static uint64_t picture_hash(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 0;
    XImage *image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    uint64_t hash = 1469598103934665603ull ^ (uint64_t)attributes.width << 20 ^ (uint64_t)attributes.height;
    for (int y = 0; y < image->height; ++y) {
        const unsigned char *row = (const unsigned char *)image->data + (size_t)y * image->bytes_per_line;
        for (int x = 0; x < image->width * image->bits_per_pixel / 8; ++x)
            hash = (hash ^ row[x]) * 1099511628211ull;
    }
    XDestroyImage(image);
    return hash;
}

/* The processor time of all the program's threads so far, in ms: a figure
 * that other load on the machine barely changes. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *tasks = opendir(path);
    double ns = 0;
    if (!tasks)
        return -1;
    for (struct dirent *task; (task = readdir(tasks));) {
        if (task->d_name[0] == '.')
            continue;
        char stat_path[sizeof path + sizeof task->d_name + sizeof "/schedstat"];
        snprintf(stat_path, sizeof stat_path, "%s/%s/schedstat", path, task->d_name);
        FILE *stat = fopen(stat_path, "r");
        unsigned long long on_cpu = 0;
        if (stat && fscanf(stat, "%llu", &on_cpu) == 1)
            ns += (double)on_cpu;
        if (stat)
            fclose(stat);
    }
    closedir(tasks);
    return ns / 1e6;
}

static long resident_kb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *status = fopen(path, "r");
    long kb = -1;
    if (!status)
        return -1;
    while (fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmRSS:", 6) == 0)
            kb = strtol(line + 6, NULL, 10);
    }
    fclose(status);
    return kb;
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: firstframe TITLE SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const char *title = argv[1];
    const double settle = atof(argv[2]);
    /* A busy server may turn a connection away for a moment. */
    Display *display = NULL;
    for (int attempt = 0; attempt < 100 && !display; ++attempt) {
        display = XOpenDisplay(NULL);
        if (!display)
            usleep(20000);
    }
    if (!display) {
        fprintf(stderr, "firstframe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }

    Window window = 0;
    uint64_t shown = 0;
    double shownSince = 0, lastChange = 0, cpuWhenShown = 0;
    long kbWhenShown = -1;
    int status = 0;
    for (;;) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "firstframe: the program ended before its window settled\n");
            return 1;
        }
        const double t = now_ms();
        if (t - start > 30000) {
            fprintf(stderr, "firstframe: no settled window after 30 s\n");
            kill(pid, SIGKILL);
            return 1;
        }
        if (!window)
            window = find_window(display, title, net_wm_name, utf8);
        if (window) {
            /* Read before the picture, so that work the program begins
             * after the frame it has just sent is not counted in it. */
            const double cpu = cpu_ms(pid);
            const long kb = resident_kb(pid);
            const uint64_t hash = picture_hash(display, window);
            if (hash != shown) {
                shown = hash;
                shownSince = t;
                lastChange = t;
                cpuWhenShown = cpu;
                kbWhenShown = kb;
            } else if (shown && t - lastChange >= settle) {
                break;
            }
        }
        usleep(1000);
    }
    const long settledKb = resident_kb(pid);
    printf("%.1f %ld %.1f %ld\n", shownSince - start, kbWhenShown, cpuWhenShown, settledKb);
    fflush(stdout);
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    return 0;
}
