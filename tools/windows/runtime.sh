# What the Windows program needs beside its .exe, in one place: sourced in the
# toolchain root (with $qt and $sdl2 from toolchain.env) by build-program and
# package.
#
#   shipped_runtime   the files the zip and the installer carry, as paths
#                     relative to the program's folder: the Qt, SDL2 and MinGW
#                     runtime DLLs, the windows platform plugin and the gif, ico
#                     and jpeg image plugins (Qt finds platforms/ and
#                     imageformats/ beside the .exe)
#   test_runtime      what only the tests need besides: QtTest and the
#                     offscreen and minimal platforms
#   lay_runtime DIR   copies both into DIR (only what changed)
#   runtime_source F  where the file F of either list comes from

shipped_runtime=(
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll SDL2.dll
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
    platforms/qwindows.dll
    imageformats/qgif.dll imageformats/qico.dll imageformats/qjpeg.dll
)
test_runtime=(Qt6Test.dll platforms/qoffscreen.dll platforms/qminimal.dll)

runtime_source() {
    case "$1" in
        SDL2.dll) echo "$sdl2/bin/SDL2.dll" ;;
        lib*.dll) x86_64-w64-mingw32-g++-posix -print-file-name="$1" ;;
        */*) echo "$qt/plugins/$1" ;;
        *) echo "$qt/bin/$1" ;;
    esac
}

lay_runtime() {
    local dir=$1 f from
    for f in "${shipped_runtime[@]}" "${test_runtime[@]}"; do
        from=$(runtime_source "$f")
        [ -f "$from" ] || { echo "runtime: $from is missing" >&2; return 1; }
        mkdir -p "$dir/$(dirname "$f")"
        cmp -s "$from" "$dir/$f" || cp "$from" "$dir/$f"
    done
}
