# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts: the Debian packages each purpose needs, installing
# what is missing, and configuring and building.

# Building and running the program: the compiler and build tools, Qt (with
# its Linguist tools for the translations, its platform plugins, Wayland's
# among them, and its own translations, for the command line in Japanese),
# the sound server's client library the sound module plays through, and the
# Japanese serif faces the screens show, with a CJK face for the rest.
RUN_PACKAGES=(cmake ninja-build pkgconf g++ qt6-base-dev qt6-qpa-plugins qt6-wayland libpulse-dev
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-ipafont-mincho fonts-noto-cjk)

# Taking screenshots on a machine without a display (run.sh).
SCREENSHOT_PACKAGES=(xvfb xdotool imagemagick)

# The test suite, besides what running needs: Qt's private headers and the
# keyboard library they name for the screen-reader test; the validators of
# the desktop entry and the metainfo; the tools that regenerate and measure
# the media folder and the icons (Open JTalk and its dictionary speak the
# voices, npm fetches the voice they are spoken with); a virtual display, a sound server and
# strace for the tests that run the whole program; a window manager, a
# message bus, the accessibility bus and its Python bindings, and Pillow, for
# the test that listens as a screen reader does; the licence check,
# which reads the git checkout; a Wayland compositor and Qt's Wayland
# platform for tests/wayland.sh; and PipeWire with its session manager and
# PulseAudio service, and the PulseAudio tools that record the output, for
# tests/sound_recovery.sh.
TEST_PACKAGES=(qt6-base-private-dev libxkbcommon-dev desktop-file-utils appstream
               librsvg2-bin imagemagick sox ffmpeg pulseaudio
               open-jtalk open-jtalk-mecab-naist-jdic npm
               xvfb xdotool x11-utils strace
               openbox dbus at-spi2-core python3-pyatspi python3-pil
               reuse git
               weston qt6-wayland
               pipewire wireplumber pipewire-pulse pulseaudio-utils)

# Packing the Debian package: CPack asks dpkg-shlibdeps (dpkg-dev), and
# 'file' to tell which installed files are programs and libraries.
PACKAGE_PACKAGES=(file dpkg-dev)

# The Windows zip (windows.sh, windows-qt.sh): the MinGW-w64 cross compilers
# and binutils (objdump lists the DLLs a program loads), Debian's Qt source
# package unpacked by dpkg-source, built with Debian's Qt of the same version
# as host tools, and zip; the IPA faces shipped in the zip come from
# fonts-ipafont-mincho (RUN_PACKAGES).
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
                  dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools zip)

# Running that zip under Wine (check-windows.sh): Wine, a virtual display,
# xdotool to click and ImageMagick for the screenshots, and PulseAudio with
# its tools to record what Wine plays on a null sink.
WINDOWS_CHECK_PACKAGES=(wine wine64 xvfb xdotool x11-utils imagemagick
                        pulseaudio pulseaudio-utils unzip)

# The benchmarks and the fuzz targets.
BENCH_PACKAGES=(xvfb libx11-dev x11-xserver-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Whether a package is installed, or another installed package provides it
# (a Node.js build that ships its own npm provides and conflicts with npm:
# installing npm there would take that Node.js away).
package_present() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' && return 0
    dpkg-query -W -f='${Status}|${Provides}\n' 2>/dev/null | sed -n 's/^install ok installed|//p' |
        tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qxF -- "$1"
}

# Installs the Debian packages that are not installed yet.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        package_present "$package" || missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into the given directory, with extra CMake options.
build_into() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$(nproc)"
}

# Starts a virtual display (Xvfb) of the given screen size on a free display
# number, exports DISPLAY and sets XVFB_PID; the caller stops it. A number is
# free when neither its socket file and lock in /tmp nor its abstract socket
# is taken: the abstract one is shared by every process on the same network,
# even one in another root with a /tmp of its own. The display is ready when
# the server itself says so (it writes its number once it accepts clients,
# its keyboard included); a server that loses a race for the number, or
# gives up while starting, never says it, and the next number is tried.
start_xvfb() {
    local size=${1:-1280x1024x24} n ready
    ready=$(mktemp)
    for n in $(seq 100 199); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
        : >"$ready"
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp -displayfd 3 3>"$ready" >/dev/null 2>&1 &
        XVFB_PID=$!
        local _
        for _ in $(seq 150); do
            [ -s "$ready" ] && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ "$(cat "$ready")" = "$n" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
            rm -f "$ready"
            export DISPLAY=":$n"
            return 0
        fi
        kill "$XVFB_PID" 2>/dev/null || true   # taken meanwhile: the next number
        wait "$XVFB_PID" 2>/dev/null || true
    done
    rm -f "$ready"
    echo "no virtual display could be started" >&2
    return 1
}

# Stops the display start_xvfb started and waits until it has ended, so that
# whatever starts next never meets it still shutting down on the same number.
# find_window TITLE [TENTHS]: the id of the visible window of that title,
# waited for up to TENTHS tenths of a second (100); nothing when none came.
find_window() {
    local id="" _
    for _ in $(seq "${2:-100}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] && echo "$id"
}

# stop_processes PID...: ends each process and waits for it.
stop_processes() {
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}
