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

# How each surah name is said: ARPAbet phonemes (the recogniser's and festival's
# alphabet), syllables apart by " . ", the stressed vowel marked 1, every other 0.
# Every voice speaks the names from these spellings, and the clarity measure
# takes them as the right pronunciation.
surah_phonemes() {
    case "$1" in
        Al-Fatihah) echo "AE0 L . F AA1 . T IH0 . HH AH0" ;;
        Al-An\'am)  echo "AE0 L . AH0 N . AA1 M" ;;
        Yunus)      echo "Y UW1 . N AH0 S" ;;
        Hud)        echo "HH UW1 D" ;;
        Al-Hijr)    echo "AE0 L . HH IH1 JH . ER0" ;;
        An-Nahl)    echo "AE0 N . N AA1 L" ;;
        Al-Kahf)    echo "AE0 L . K AA1 F" ;;
        Maryam)     echo "M AA1 R . Y AH0 M" ;;
        Al-Anbya)   echo "AE0 L . AE0 N . B IY0 . Y AA1" ;;
        Al-Hajj)    echo "AE0 L . HH AE1 JH" ;;
        An-Nur)     echo "AE0 N . N UW1 R" ;;
        Al-Furqan)  echo "AE0 L . F UH0 R . K AA1 N" ;;
        An-Naml)    echo "AE0 N . N AE1 M L" ;;
        As-Sajdah)  echo "AE0 S . S AA1 JH . D AH0" ;;
        Ya-Sin)     echo "Y AA1 . S IY1 N" ;;
        Ar-Rahman)  echo "AA0 R . R AA0 . M AA1 N" ;;
        Al-Mulk)    echo "AE0 L . M UH1 L K" ;;
        At-Tin)     echo "AE0 T . T IY1 N" ;;
        Al-Fil)     echo "AE0 L . F IY1 L" ;;
        *) echo "error: no pronunciation for the surah name $1" >&2; return 1 ;;
    esac
}

# name_word NAME: the surah name as one plain lower-case word ("Al-An'am" -> "alanam").
name_word() {
    local w=${1,,}
    echo "${w//[^a-z]/}"
}

# number_words N: a verse number (1 to 999) in words, as it is spoken.
number_words() {
    awk -v n="$1" 'BEGIN {
        split("one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen", small)
        split("x twenty thirty forty fifty sixty seventy eighty ninety", tens)
        h = int(n / 100); r = n % 100; out = ""
        if (h) out = small[h] " hundred" (r ? " and " : "")
        if (r >= 20) out = out tens[int(r / 10)] (r % 10 ? " " small[r % 10] : "")
        else if (r) out = out small[r]
        print out
    }'
}

# phonemes_for ALPHABET NAME: the name's spelling for one synthesiser or for the
# recogniser. "espeak": espeak-ng's [[...]] phoneme input; "festival": a lexicon
# entry; "sphinx": a line of the recogniser's dictionary.
phonemes_for() {
    local spelling
    spelling=$(surah_phonemes "$2") || return 1
    awk -v how="$1" -v word="$(name_word "$2")" -v s="$spelling" 'BEGIN {
        split("AA:A: AE:a AH:@ AO:O: AW:aU AY:aI EH:E ER:3 EY:eI IH:I IY:i OW:oU OY:OI UH:U UW:u: " \
              "B:b CH:tS D:d DH:D F:f G:g HH:h JH:dZ K:k L:l M:m N:n NG:N P:p R:r S:s SH:S " \
              "T:t TH:T V:v W:w Y:j Z:z ZH:Z", pairs, " ")
        for (i in pairs) { split(pairs[i], kv, ":"); es[kv[1]] = substr(pairs[i], length(kv[1]) + 2) }
        es["AH1"] = "V"; es["ER1"] = "3:"; es["IY1"] = "i:"
        n = split(s, syl, / \. /); out = ""
        for (i = 1; i <= n; i++) {
            m = split(syl[i], ph, " "); stress = (syl[i] ~ /1/); part = ""
            for (j = 1; j <= m; j++) {
                p = ph[j]; bare = p; gsub(/[0-9]/, "", bare)
                if (how == "espeak") part = part ((p in es) ? es[p] : es[bare])
                else if (how == "festival") part = part (j > 1 ? " " : "") tolower(bare)
                else part = part " " bare
            }
            if (how == "espeak") out = out (stress ? "\x27" : "") part
            else if (how == "festival") out = out " ((" part ") " stress ")"
            else out = out part
        }
        if (how == "espeak") print "[[" out "]]"
        else if (how == "festival") print "(lex.add.entry (quote (\"" word "\" nil (" substr(out, 2) "))))"
        else print word out
    }'
}
