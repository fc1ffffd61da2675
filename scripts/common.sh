# Shared by the scripts: the Debian packages each purpose needs, installing
# what is missing, and configuring and building.

# Building and running the program: the compiler and build tools, Qt (with
# its Linguist tools for the translations and its platform plugins) and the
# Japanese serif faces the screens show, with a CJK face for the rest.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
              qt6-tools-dev qt6-l10n-tools fonts-ipafont-mincho fonts-noto-cjk)

# Taking screenshots on a machine without a display (run.sh).
SCREENSHOT_PACKAGES=(xvfb xdotool imagemagick)

# The test suite, besides what running needs: Qt's private headers and the
# keyboard library they name for the screen-reader test; the validators of
# the desktop entry and the metainfo; the tools that regenerate and measure
# the media folder and the icons; a virtual display, a sound server and
# strace for the tests that run the whole program.
TEST_PACKAGES=(qt6-base-private-dev libxkbcommon-dev desktop-file-utils appstream
               librsvg2-bin imagemagick sox ffmpeg pulseaudio
               xvfb xdotool x11-utils strace)

# Packing the Debian package: CPack asks dpkg-shlibdeps (dpkg-dev), and
# 'file' to tell which installed files are programs and libraries.
PACKAGE_PACKAGES=(file dpkg-dev)

# The benchmarks and the fuzz targets.
BENCH_PACKAGES=(xvfb libx11-dev x11-xserver-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Installs the Debian packages that are not installed yet.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
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
