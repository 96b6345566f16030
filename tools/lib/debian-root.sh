# Kept Debian roots, made once with mmdebstrap and shared by tools/release-test
# and the Windows toolchain (tools/windows/). Sourced, not run.
#
#   make_root [--sources] RELEASE DEST [PACKAGE...]
#       makes DEST (minbase, main, with RELEASE's updates and security suites)
#       unless it is already there; a second caller waits for the first under a
#       lock. The packages are installed with it; --sources adds the deb-src
#       lines, for apt-get source.
#   remove_tree DIR
#       deletes DIR only when nothing is mounted under it in any process's view.
#
# AYAT_MIRROR and AYAT_SECURITY_MIRROR pick the archive.

ayat_mirror=${AYAT_MIRROR:-http://deb.debian.org/debian}
ayat_security=${AYAT_SECURITY_MIRROR:-http://deb.debian.org/debian-security}

# What is mounted at or under a path, in any process's view: a line per mount.
mounts_under() {
    local dir
    dir=$(realpath -m "$1")
    cat /proc/[0-9]*/mountinfo 2>/dev/null | awk -v d="$dir" '$5 == d || index($5, d "/") == 1 { print $5 }' | sort -u
}

# Deletes a folder only when nothing is mounted under it (a namespace that is
# ending is given a few seconds to go).
remove_tree() {
    local held tries=0
    while held=$(mounts_under "$1"); [ -n "$held" ] && [ $tries -lt 20 ]; do
        sleep 0.5
        tries=$((tries + 1))
    done
    if [ -n "$held" ]; then
        echo "NOT deleting $1: still mounted there:" >&2
        printf '  %s\n' $held >&2
        return 1
    fi
    rm -rf --one-file-system "$1"
}

make_root() {
    local sources=0
    if [ "$1" = --sources ]; then sources=1; shift; fi
    local release=$1 dest=$2
    shift 2
    local include=git,make,ca-certificates
    local pkg
    for pkg in "$@"; do include+=",$pkg"; done
    local tool
    for tool in mmdebstrap unshare flock; do
        command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install mmdebstrap util-linux)" >&2; return 1; }
    done
    mkdir -p "$(dirname "$dest")"
    (
        flock 9
        [ -e "$dest/etc/ayat-explorer-base" ] && exit 0
        echo "making the $release root in $dest"
        local old
        for old in "$dest" "$dest.new"; do
            if [ -e "$old" ]; then remove_tree "$old"; fi
        done
        local lines=("$ayat_mirror $release main")
        case "$release" in
            sid | unstable | experimental) ;;
            *) lines+=("$ayat_mirror $release-updates main" "$ayat_security $release-security main") ;;
        esac
        local suites=() line
        for line in "${lines[@]}"; do
            suites+=("deb $line")
            if [ "$sources" = 1 ]; then suites+=("deb-src $line"); fi
        done
        mmdebstrap --mode=root --variant=minbase --include="$include" --components=main \
            "$release" "$dest.new" "${suites[@]}"
        echo "$release root from $ayat_mirror, made $(date -u '+%F %T') UTC" >"$dest.new/etc/ayat-explorer-base"
        mv "$dest.new" "$dest"
    ) 9>"$dest.lock"
}
