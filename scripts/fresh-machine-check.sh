#!/usr/bin/env bash
# fresh-machine-check.sh [repository [ref]]
#
# Checks that ./run.sh and ./test.sh work on a fresh Debian 12: builds a
# minimal system (debootstrap --variant=minbase bookworm) in a chroot, clones
# the repository's committed state into it (default: the repository this
# script lives in, at HEAD), runs ./run.sh and then ./test.sh there as the
# README says, and reports test.sh's closing line and its failures. Run it
# after changing what the scripts install. Takes 10-15 minutes or more, and
# some 6 GB of disk; needs root and Debian's package archive.
#
# The chroot, its mounts and its processes are removed at the end, also when
# the check fails or is interrupted.
#
# Settings (environment):
#   KV_FRESH_DIR     where the chroot folder is made (default /var/tmp)
#   KV_FRESH_MIRROR  Debian mirror (default http://deb.debian.org/debian)
#   KV_FRESH_CACHE   a folder that keeps the downloaded packages between
#                    checks, to save the downloads (the system installed is
#                    the same); default: none, everything is downloaded
#   KV_FRESH_KEEP=1  leave the chroot folder (unmounted) for inspection
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repository="$(cd "${1:-$here/..}" && pwd)"
ref="${2:-HEAD}"
mirror="${KV_FRESH_MIRROR:-http://deb.debian.org/debian}"
security_mirror="${mirror%/debian}/debian-security"
cache="${KV_FRESH_CACHE:-}"

if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root (debootstrap, chroot and mount need it): sudo $0 $*" >&2
    exit 2
fi
commit="$(git -C "$repository" rev-parse --verify "$ref^{commit}")"
if [ -n "$(git -C "$repository" status --porcelain --untracked-files=no 2>/dev/null)" ]; then
    echo "Note: $repository has uncommitted changes; only commit $commit is checked."
fi
if ! command -v debootstrap >/dev/null; then
    echo "Installing debootstrap"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi

parent="${KV_FRESH_DIR:-/var/tmp}"
mkdir -p "$parent"
free_kb="$(df -Pk "$parent" | awk 'NR == 2 { print $4 }')"
if [ "$free_kb" -lt $((8 * 1024 * 1024)) ]; then
    echo "Less than 8 GB free in $parent." >&2
    exit 2
fi
work="$(realpath "$(mktemp -d "$parent/kolvane-fresh.XXXXXX")")"
root="$work/root"
mkdir "$root"

# Processes whose root directory is the chroot: the build, the tests, Xvfb,
# the wineserver, and any service a package started.
chroot_pids() {
    local link pid
    for link in /proc/[0-9]*/root; do
        pid="${link#/proc/}"; pid="${pid%/root}"
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && echo "$pid"
    done
    return 0
}

# Mount points under the chroot, deepest first.
chroot_mounts() {
    awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/self/mounts |
        sort -r
}

# The step running now (debootstrap, ./run.sh, ./test.sh), in a process group
# of its own: the check waits for it in the background, so that a signal
# reaches the trap at once, and the cleanup ends the whole group.
step=""
follower="" # the tail that shows the step's log
run_step() {
    local log="$1"; shift
    setsid "$@" </dev/null >"$log" 2>&1 &
    step=$!
    local status=0
    wait "$step" || status=$?
    step=""
    return "$status"
}

cleanup() {
    local status=$?
    set +e
    trap - EXIT INT TERM HUP
    [ -n "$follower" ] && kill "$follower" 2>/dev/null
    if [ -n "$step" ]; then
        kill -TERM -- "-$step" 2>/dev/null
        for _ in $(seq 10); do
            kill -0 -- "-$step" 2>/dev/null || break
            sleep 0.5
        done
        kill -KILL -- "-$step" 2>/dev/null
    fi
    local pids
    pids="$(chroot_pids)"
    if [ -n "$pids" ]; then
        kill -TERM $pids 2>/dev/null
        sleep 2
        pids="$(chroot_pids)"
        [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
        sleep 0.5
    fi
    local mount_point
    for mount_point in $(chroot_mounts); do
        umount "$mount_point" 2>/dev/null || umount -l "$mount_point"
    done
    if [ -n "$(chroot_mounts)" ]; then
        echo "Still mounted under $root; left $work in place:" >&2
        chroot_mounts >&2
    elif [ "${KV_FRESH_KEEP:-0}" = 1 ]; then
        echo "The chroot is kept in $root"
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

started=$SECONDS
stage() { printf '== [%3d min] %s\n' $(((SECONDS - started) / 60)) "$*"; }

stage "Debian 12 minbase in $root"
debootstrap_args=(--variant=minbase)
if [ -n "$cache" ]; then
    mkdir -p "$cache/debootstrap" "$cache/apt"
    debootstrap_args+=(--cache-dir="$(cd "$cache/debootstrap" && pwd)")
fi
if ! run_step "$work/debootstrap.log" debootstrap "${debootstrap_args[@]}" bookworm "$root" "$mirror"; then
    tail -20 "$work/debootstrap.log" >&2
    echo "debootstrap failed" >&2
    exit 1
fi

# What a freshly installed Debian 12 has: the updates and security archives,
# name resolution.
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security_mirror bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The kernel file systems Wine and Xvfb use. /dev is a folder of its own
# (not the host's /dev bound in), so that nothing of the host can be removed
# with the chroot.
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount -t tmpfs -o mode=755,size=16m dev "$root/dev"
while read -r name major minor; do
    mknod -m 666 "$root/dev/$name" c "$major" "$minor"
done <<'EOF'
null 1 3
zero 1 5
full 1 7
random 1 8
urandom 1 9
tty 5 0
EOF
mkdir "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts"
ln -s pts/ptmx "$root/dev/ptmx"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin"
ln -s /proc/self/fd/1 "$root/dev/stdout"
ln -s /proc/self/fd/2 "$root/dev/stderr"
mount -t tmpfs -o mode=1777 tmp "$root/tmp"
if [ -n "$cache" ]; then
    mount --bind "$(cd "$cache/apt" && pwd)" "$root/var/cache/apt/archives"
fi

stage "Cloning $repository at $commit"
git clone --quiet --no-checkout "$repository" "$root/root/kolvane"
git -C "$root/root/kolvane" -c advice.detachedHead=false checkout --quiet "$commit"

# Runs a command in the fresh system as root, with a login's plain
# environment and no display, in the clone; its output goes to the log and
# the terminal.
in_chroot() {
    local log="$1"; shift
    : >"$log"
    tail -n +1 -f "$log" &
    follower=$!
    local status=0
    run_step "$log" chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c 'cd /root/kolvane && exec "$@"' _ "$@" || status=$?
    sleep 1 # for the last lines
    kill "$follower" 2>/dev/null
    wait "$follower" 2>/dev/null
    follower=""
    return "$status"
}

stage "./run.sh"
run_status=0
in_chroot "$work/run.log" ./run.sh || run_status=$?
if [ "$run_status" -eq 0 ] && [ ! -f "$root/root/kolvane/build/screenshot.png" ]; then
    echo "./run.sh left no screenshot" >&2
    run_status=1
fi

stage "./test.sh"
test_status=0
in_chroot "$work/test.log" ./test.sh || test_status=$?

stage "Done"
echo "Fresh Debian 12 (minbase), commit $commit:"
if [ "$run_status" -eq 0 ]; then
    echo "./run.sh: ok, screenshot taken"
else
    echo "./run.sh: failed (status $run_status)"
fi
grep -E '^(FAILED|missing|unreadable report)' "$work/test.log" || true
closing="$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$work/test.log" | tail -1)"
echo "./test.sh: ${closing:-no closing line (status $test_status)}"
[ "$run_status" -eq 0 ] && [ "$test_status" -eq 0 ] && [ -n "$closing" ]
