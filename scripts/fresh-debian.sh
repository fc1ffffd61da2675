#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Proves the README's commands on a fresh Debian 12, as a newcomer meets it.
#
#   sudo scripts/fresh-debian.sh
#
# 1. Makes a clean Debian 12 root (mmdebstrap --variant=apt bookworm: the
#    essential and required packages with apt, nothing else), clones this
#    repository's current commit into it and runs there, one after another:
#    scripts/run.sh (without a display: its screenshots must appear, and it
#    must install nothing that only the tests need), scripts/test.sh and
#    scripts/package.sh.
# 2. Installs the package it made with apt into a second clean root, which
#    has no build packages, and runs scripts/check-package.sh there: the
#    program starts, checks its media and is heard.
#
# Only committed work is checked. The base tarball (remade after a week) and
# the downloaded packages are kept in SAKANA_FRESH_CACHE (default
# /var/cache/sakana-fresh); a root is used once and removed. Each root runs
# in a mount and PID namespace of its own: what is mounted for it (/proc,
# /dev, a tmpfs on /tmp, the package cache) is never seen outside, and every
# process started in it (a virtual display, a sound server) ends with it.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/common.sh"

SUITE=bookworm
CACHE=${SAKANA_FRESH_CACHE:-/var/cache/sakana-fresh}

fail() {
    echo "fresh-debian: FAIL: $*" >&2
    exit 1
}
step() {
    echo "== fresh-debian: $*"
}

[ "$(id -u)" -eq 0 ] || fail "making and entering a Debian root needs root: sudo $0"
commit=$(git -C "$ROOT" rev-parse --verify HEAD) || fail "$ROOT is not a git clone"
if ! command -v mmdebstrap >/dev/null; then
    ensure_packages mmdebstrap >/dev/null 2>&1 || fail "mmdebstrap is not installed and cannot be (apt-get install mmdebstrap)"
fi

mkdir -p "$CACHE/archives/partial"
# One check at a time: the roots share the package cache and its lock.
exec 9>"$CACHE/lock"
flock -n 9 || { step "waiting for another check to finish"; flock 9; }

work=""
child=""
cleanup() {
    local status=$?
    set +e
    if [ -n "$child" ]; then
        # Ending the namespace's first process ends every process in it.
        kill -KILL "$child" 2>/dev/null || true
        wait "$child" 2>/dev/null || true
    fi
    if [ -n "$work" ] && [ -d "$work" ]; then
        # The roots' mounts live in their own namespaces; should one ever
        # show here, it is detached first, and the removal never crosses
        # into another file system either way.
        local target
        findmnt -rn -o TARGET | grep -F "$work/" | sort -r | while read -r target; do
            umount -l "$target"
        done
        if findmnt -rn -o TARGET | grep -qF "$work/"; then
            echo "fresh-debian: something is still mounted under $work: left in place" >&2
        else
            rm -rf --one-file-system "$work"
        fi
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

base=$CACHE/$SUITE-apt.tar
if [ ! -s "$base" ] || [ -n "$(find "$base" -mtime +6)" ]; then
    step "making the base root: mmdebstrap --variant=apt $SUITE"
    if ! mmdebstrap --variant=apt --format=tar --quiet "$SUITE" "$base.new" >"$CACHE/mmdebstrap.log" 2>&1; then
        rm -f "$base.new"
        fail "cannot make a clean Debian 12 root (no Debian mirror reachable?): $(grep -m1 -iE 'error|fail' "$CACHE/mmdebstrap.log" || tail -1 "$CACHE/mmdebstrap.log")"
    fi
    mv "$base.new" "$base"
fi

work=$(mktemp -d "${TMPDIR:-/var/tmp}/sakana-fresh.XXXXXX")

# Unpacks a new root from the base tarball.
make_root() {
    local root=$work/$1
    mkdir "$root"
    tar -xf "$base" -C "$root" --numeric-owner
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    # The machine's certificate authorities go in beside its resolver: on a
    # network that inspects TLS, npm (which fetches the voice) needs them.
    if [ -f /etc/ssl/certs/ca-certificates.crt ]; then
        mkdir -p "$root/etc/ssl"
        cp -L /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/machine-ca-certificates.crt"
    fi
    echo "$root"
}

# Runs a command as root in a root, with a clean environment and no display.
enter() {
    local root=$1
    shift
    unshare --mount --pid --fork --kill-child --propagation private -- /bin/bash -c '
        set -e
        root=$1 archives=$2
        shift 2
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
        mount --bind "$archives" "$root/var/cache/apt/archives"
        ca=()
        [ ! -f "$root/etc/ssl/machine-ca-certificates.crt" ] || ca=(NODE_EXTRA_CA_CERTS=/etc/ssl/machine-ca-certificates.crt npm_config_cafile=/etc/ssl/machine-ca-certificates.crt)
        exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 "${ca[@]}" \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
    ' enter "$root" "$CACHE/archives" "$@" &
    child=$!
    local status=0
    wait "$child" || status=$?
    child=""
    return "$status"
}

# The packages installed in a root, one a line.
installed() {
    dpkg-query --admindir="$1/var/lib/dpkg" -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}

# Runs one of the README's commands in the build root and says how long it took.
readme_command() {
    local started=$SECONDS
    step "$* (in the clean root)"
    enter "$build_root" /bin/bash -c "cd /root/sakana && $*" || fail "$* failed in a clean Debian 12 root"
    step "$*: passed in $((SECONDS - started)) s"
}

step "checking commit $commit in a clean Debian 12 root"
build_root=$(make_root build)
installed "$build_root" >"$work/base-packages"
git clone --quiet --no-hardlinks --no-checkout "$ROOT" "$build_root/root/sakana"
git -C "$build_root/root/sakana" checkout --quiet --detach "$commit"

readme_command scripts/run.sh
for screen in menu lookup drill; do
    shot=$build_root/root/sakana/build/$screen-screenshot.png
    [ -s "$shot" ] || fail "scripts/run.sh saved no screenshot of the $screen screen"
    [ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "the $screen screenshot is not a PNG picture"
done
installed "$build_root" >"$work/run-packages"
# What only the tests, the packaging and the fuzzing need.
test_only=()
for package in "${TEST_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"; do
    case " ${RUN_PACKAGES[*]} ${SCREENSHOT_PACKAGES[*]} " in
        *" $package "*) ;;
        *) test_only+=("$package") ;;
    esac
done
extra=$(printf '%s\n' "${test_only[@]}" | sort -u | comm -12 - "$work/run-packages" | tr '\n' ' ')
[ -z "$extra" ] || fail "scripts/run.sh installed packages that only the tests need: $extra"
step "scripts/run.sh saved three screenshots and installed $(comm -13 "$work/base-packages" "$work/run-packages" | wc -l) packages, none of: ${test_only[*]}"

readme_command scripts/test.sh
installed "$build_root" >"$work/test-packages"
step "scripts/test.sh installed $(comm -13 "$work/run-packages" "$work/test-packages" | wc -l) packages more"
readme_command scripts/package.sh
deb=$(cd "$build_root/root/sakana/build" && ls sakana_*.deb)
[ "$(echo "$deb" | wc -l)" -eq 1 ] || fail "scripts/package.sh made no single package: $deb"

step "installing $deb into a second clean root, without build packages"
package_root=$(make_root package)
cp "$build_root/root/sakana/build/$deb" "$package_root/root/"
mkdir -p "$package_root/root/sakana/scripts"
cp "$ROOT/scripts/common.sh" "$ROOT/scripts/check-package.sh" "$package_root/root/sakana/scripts/"
enter "$package_root" /bin/bash -c "set -e; cd /root; apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./$deb >/tmp/install.log 2>&1 || { cat /tmp/install.log; exit 1; }
    echo \"== fresh-debian: the package and \$(dpkg-query -W -f='\${db:Status-Abbrev}\n' | grep -c '^ii') packages in all are installed\"
    sakana/scripts/check-package.sh" || fail "the package does not work on a clean Debian 12"

step "passed: the README's commands and the package work on a clean Debian 12 ($SECONDS s)"
