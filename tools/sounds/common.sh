# Shared by generate and import-recitations: the list of sounds made from
# content/verses.json, and the one finishing step every file goes through.
# Sourced, not run.

sounds_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
verses_json=$sounds_root/content/verses.json

# Every file's format: RIFF WAVE, 16-bit signed PCM, mono, 22050 Hz.
wave_format=(-t wav -e signed-integer -b 16 -c 1 -r 22050)

# Speech is brought to this RMS level (dBFS), measured over its voiced parts
# only so that pauses do not count; no peak goes above the ceiling.
target_rms=-24
peak_ceiling=-1

need_tools() {
    local missing=()
    for t in "$@"; do command -v "$t" >/dev/null || missing+=("$t"); done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "error: missing ${missing[*]} (make tools-packages installs them)" >&2
        exit 1
    fi
}

# One line per sound, tab-separated: file name, surah, verse, surah name, English.
# The 25 recitations in the order of verses.json, then the basmala as bism.exp.
verse_list() {
    jq -r '(.verses[] | [.recitation, .surah, .ayah, .surah_name, .english]),
           (.basmala | ["bism.exp", .surah, .ayah, .surah_name, .english]) | @tsv' "$verses_json"
}

# stats_value FILE NAME: one figure of sox's stats for FILE ("RMS lev dB", "Pk lev dB").
stats_value() {
    sox "$1" -n stats 2>&1 | awk -v k="$2" 'index($0, k) == 1 { print $(NF) }'
}

# even_out IN OUT: writes IN to OUT in the program's format at the common loudness.
even_out() {
    local in=$1 out=$2 tmp voiced rms peak gain
    tmp=$(mktemp -d)
    sox -D "$in" "${wave_format[@]}" "$tmp/plain.wav"
    # The voiced parts: every stretch quieter than -45 dBFS for over 0.1 s is left out.
    sox "$tmp/plain.wav" "$tmp/voiced.wav" silence 1 0.02 -45d -1 0.1 -45d
    voiced=$tmp/voiced.wav
    [ "$(soxi -s "$voiced")" -gt 2205 ] || voiced=$tmp/plain.wav
    rms=$(stats_value "$voiced" "RMS lev dB")
    peak=$(stats_value "$tmp/plain.wav" "Pk lev dB")
    gain=$(awk -v t="$target_rms" -v r="$rms" -v p="$peak" -v c="$peak_ceiling" \
        'BEGIN { g = t - r; if (p + g > c) g = c - p; printf "%.2f", g }')
    sox -D "$tmp/plain.wav" "${wave_format[@]}" "$out" gain "$gain"
    rm -rf "$tmp"
}

# install_files FROM TO: moves the finished files into place, only once all exist.
install_files() {
    local from=$1 to=$2 f
    mkdir -p "$to"
    for f in "$from"/*.exp; do mv -f "$f" "$to/"; done
}
