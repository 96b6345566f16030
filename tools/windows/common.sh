# Where the Windows toolchain lives; sourced by the scripts in tools/windows/.
#
# The toolchain root is a kept Debian 13 root with root.packages installed,
# named by a hash of that list; the cross-built Qt and SDL2 are kept in
# $windows_cache/<source package>-<version>-<hash of their build recipe>/.
ayat_cache=${AYAT_CACHE:-/var/cache/ayat-explorer}
windows_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
windows_cache=$ayat_cache/windows
toolchain_release=trixie
toolchain_root=$ayat_cache/roots/$toolchain_release-windows-$(grep -v '^#' "$windows_dir/root.packages" | sha256sum | cut -c1-12)
