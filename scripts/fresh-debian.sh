#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one of the project's commands, as root, in a fresh minimal Debian system built for the run, and passes
# its exit status on. Run it as root; it installs mmdebstrap when it is missing.
#
#   scripts/fresh-debian.sh 12|13|testing COMMAND [ARG...]
#   scripts/fresh-debian.sh 13 ./scripts/test.sh
#   scripts/fresh-debian.sh 12 ./scripts/package.sh     the .deb lands in dist/debian-12/
#
# The system is what a new user starts from: Debian's minimal set plus git, ca-certificates and sudo, built
# by mmdebstrap from this machine's own apt sources (the same archives, with the release's suites) and apt
# settings. It gets a copy of the files git knows of (tracked, or new and not ignored) as they are in the
# work tree, in /root/brindlow, where COMMAND runs. If COMMAND leaves a dist/ folder there, it is copied back
# here to dist/debian-RELEASE/ (replacing an older one).
#
# The system is built in a tmpfs, and the command runs in mmdebstrap's customize hook, where mmdebstrap has
# mounted /proc, /sys, /dev/pts and /dev/shm (the last one covered by the system's own tmpfs) and unmounts
# them afterwards. All of that happens in a mount, PID and IPC namespace of the run's own: none of its mounts
# is ever seen outside it, and the system, its mounts and every process the command left behind are gone
# when it ends, also on a failure or Ctrl+C. The work folder here (the project's copy, the apt sources) is
# then deleted, but only when nothing is mounted below it and no process runs in it.
set -euo pipefail

# The hook's half: copies the project into the system at $1, runs the command there and notes its status.
if [ "${1:-}" = --in-system ]; then
    root=$2
    work=$BRINDLOW_FRESH_WORK
    echo "== the system is ready after $(($(date +%s) - BRINDLOW_FRESH_START)) s"
    mkdir "$root/root/brindlow"
    tar -xf "$work/project.tar" -C "$root/root/brindlow"
    # Qt and the X server share memory through /dev/shm: the system gets one of its own, not this machine's.
    mount -t tmpfs -o nosuid,nodev,mode=1777 fresh-shm "$root/dev/shm"
    mapfile -d '' command <"$work/command"
    # A login's environment, not this machine's, and a git repository as a clone would have. The system becomes
    # the root by pivot_root in a mount namespace of the command's own, not by chroot, and gets a /proc of its
    # own that it may write to (mmdebstrap's is read-only): a process in a chroot may not make user
    # namespaces, and the Orca test runs in one.
    # shellcheck disable=SC2016 # the inner shell's "$@"
    in_system=(unshare --mount --propagation private -- sh -c 'cd "$1" && mkdir -p .host && pivot_root . .host &&
        cd / && umount -l /.host && rmdir /.host && mount -t proc proc /proc && shift && exec "$@"' sh "$root"
        env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
        LANG=C.UTF-8 TERM="${TERM:-dumb}" bash -c 'cd /root/brindlow && "$@"' bash)
    "${in_system[@]}" sh -c 'git init -q && git add -A &&
        git -c user.name=Brindlow -c user.email=brindlow@localhost commit -q -m "Work tree as it was"'
    echo "== $(printf '%q ' "${command[@]}")"
    status=0
    "${in_system[@]}" "${command[@]}" || status=$?
    if [ -d "$root/root/brindlow/dist" ]; then
        cp -r "$root/root/brindlow/dist" "$work/dist"
    fi
    echo "$status" >"$work/status"
    umount "$root/dev/shm"
    exit 0
fi

usage() {
    echo "usage: $0 12|13|testing COMMAND [ARG...]  (runs COMMAND in a fresh Debian 12, 13 or testing)" >&2
    exit 2
}
[ $# -ge 2 ] || usage
release=$1
case $release in
12) suite=bookworm ;;
13) suite=trixie ;;
testing) suite=testing ;;
*) usage ;;
esac
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-debian.sh: run it as root (mmdebstrap mounts file systems and changes root)." >&2
    exit 1
fi
self=$(realpath "$0")
cd "$(dirname "$0")/.."
. scripts/packages.sh
# mmdebstrap builds the system; unshare (util-linux) gives the run its namespaces.
ensure_packages mmdebstrap util-linux
start=$(date +%s)

work=$(mktemp -d "${TMPDIR:-/var/tmp}/brindlow-fresh.XXXXXX")
chmod 755 "$work" # apt's sandbox user reads the system's files during the build
# Deletes the work folder, unless a mount or a process is still inside it.
# shellcheck disable=SC2317 # called by the EXIT trap
cleanup() {
    local mounts processes pid
    mounts=$(awk -v w="$work" '$5 == w || index($5, w "/") == 1 { printf "%s ", $5 }' /proc/self/mountinfo)
    mounts=${mounts% }
    processes=$(for pid in /proc/[0-9]*; do
        case $(readlink "$pid/root" 2>/dev/null) in "$work"/*) printf '%s ' "${pid#/proc/}" ;; esac
    done)
    processes=${processes% }
    if [ -n "$mounts" ] || [ -n "$processes" ]; then
        echo "fresh-debian.sh: $work is left in place: mounted there: ${mounts:-nothing};" \
            "processes running there: ${processes:-none}" >&2
        exit 1 # whatever the command's status was
    fi
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# This machine's Debian archives, from its own apt sources, with RELEASE's suites in place of its own: X,
# X-updates and X-security become SUITE, SUITE-updates and SUITE-security, each on the archive that had it.
# The system's debian-archive-keyring checks them later; while it is built, this machine's copy of the same
# keyring does, so it must know RELEASE's keys (apt says NO_PUBKEY otherwise: upgrade it).
host=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
# shellcheck disable=SC2016 # apt's own $(...) fields
apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' |
    sort -u | awk -v host="$host" -v suite="$suite" '
        $2 !~ "^" host "(-updates|-security)?$" { next }
        !($1 in suites) { uris[++n] = $1 }
        { s = suite substr($2, length(host) + 1)
          if (index(suites[$1] " ", " " s " ") == 0) suites[$1] = suites[$1] " " s
          if (index(components[$1] " ", " " $3 " ") == 0) components[$1] = components[$1] " " $3 }
        END { for (i = 1; i <= n; i++)
                  printf "Types: deb\nURIs: %s\nSuites:%s\nComponents:%s\n" \
                         "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n\n",
                         uris[i], suites[uris[i]], components[uris[i]] }' >"$work/debian.sources"
if [ ! -s "$work/debian.sources" ]; then
    echo "fresh-debian.sh: no Debian archive for $host in this machine's apt sources" >&2
    exit 1
fi

# This machine's own apt settings (those no package installed, such as a proxy or Check-Valid-Until), so
# that apt works in the system as it does here; packages bring their own settings along.
apt_settings=()
for file in /etc/apt/apt.conf /etc/apt/apt.conf.d/*; do
    case $file in *~ | *.bak | *.disabled | *.dpkg-* | *.ucf-* | *.save | *.orig | *.distUpgrade) continue ;; esac
    [ -f "$file" ] && ! dpkg-query -S "$file" >/dev/null 2>&1 && apt_settings+=(--aptopt="$file")
done

# The project as package.sh copies it, and the command to run.
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
        [ -e "$file" ] && printf '%s\0' "$file"
    done |
    tar --null --files-from=- -cf "$work/project.tar"
printf '%s\0' "$@" >"$work/command"

# The system lives for one run, in a tmpfs mounted in the run's namespace: without the documentation and the
# manual pages (but with the copyright files), and without dpkg's syncs.
mkdir "$work/root"
built=0
# shellcheck disable=SC2016 # "$0" and "$@" are the inner sh's
BRINDLOW_FRESH_WORK=$work BRINDLOW_FRESH_START=$start \
    unshare --mount --propagation private --pid --ipc --fork --kill-child -- \
    sh -c 'mount -t tmpfs -o mode=755 fresh-root "$0" && exec "$@"' "$work/root" \
    mmdebstrap --mode=root --variant=minbase --include=git,ca-certificates,sudo "${apt_settings[@]}" \
    --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-include=/usr/share/doc/*/copyright' \
    --dpkgopt='path-exclude=/usr/share/man/*' --dpkgopt='path-exclude=/usr/share/info/*' \
    --dpkgopt=force-unsafe-io \
    --customize-hook="$(printf '%q' "$self") --in-system \"\$1\"" \
    "$suite" "$work/root" "$work/debian.sources" || built=$?

if [ ! -f "$work/status" ]; then
    echo "fresh-debian.sh: the command did not run to its end in a fresh Debian $release (mmdebstrap: status $built)" >&2
    exit $((built ? built : 1))
fi
status=$(cat "$work/status")
if [ -d "$work/dist" ]; then
    rm -rf "dist/debian-$release"
    mkdir -p dist
    mv "$work/dist" "dist/debian-$release"
    chown -R --reference=. "dist/debian-$release"
    echo "== dist/ copied to dist/debian-$release/"
fi
echo "== Debian $release: $(printf '%q ' "$@")ended with status $status, $(($(date +%s) - start)) s in all"
exit "$status"
