# Shared by run.sh and test.sh: install what is missing, then configure and build.

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
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# What building the program needs, and the Japanese serif faces it shows.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins
                qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools desktop-file-utils appstream
                fonts-ipafont-mincho fonts-noto-cjk)

# Configures and builds into the given directory, with extra CMake options.
build_into() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$(nproc)"
}
