#!/usr/bin/env bash
# Completes command lines of kavelo-config with its bash completion, as
# readline would after a Tab, and checks the words offered.
# Usage: completion.sh COMPLETION_FILE    the file, sourced after bash-completion
#        completion.sh --installed        what bash-completion loads on demand
set -uo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 COMPLETION_FILE | --installed" >&2
    exit 2
fi

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion || exit 1
if [ "$1" = --installed ]; then
    __load_completion kavelo-config || {
        echo "bash-completion loads no completion for kavelo-config" >&2
        exit 1
    }
else
    # shellcheck disable=SC1090
    source "$1" || exit 1
fi
function=$(complete -p kavelo-config 2>/dev/null | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
if [ -z "$function" ]; then
    echo "no completion function for kavelo-config" >&2
    exit 1
fi

# compopt works only while readline completes; record what it is asked.
compopt() { options+=("$*"); }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/CONFIG.TXT" "$scratch/COPY.TXT"
mkdir "$scratch/CARD"
cd "$scratch" || exit 1

# Splits the line into COMP_WORDS as readline does with the default
# COMP_WORDBREAKS: at blanks, and "=" as a word of its own.
complete_line() {
    local line=$1 word
    COMP_WORDS=()
    for word in $line; do
        while [[ $word == *=* ]]; do
            [ -n "${word%%=*}" ] && COMP_WORDS+=("${word%%=*}")
            COMP_WORDS+=("=")
            word=${word#*=}
        done
        [ -n "$word" ] && COMP_WORDS+=("$word")
    done
    # A line ending in a blank starts a new, empty word.
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    options=()
    "$function" kavelo-config "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
}

failures=0
# expect LINE WORD...: the completion of LINE offers exactly these words.
expect() {
    local line=$1
    shift
    complete_line "$line"
    local got want
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    want=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
    if [ "$got" != "$want" ]; then
        echo "'$line': offered [$got], expected [$want]" >&2
        failures=$((failures + 1))
    fi
}

# Commands and options.
expect "kavelo-config s" set show sync-clock
expect "kavelo-config c" cameras check copy
expect "kavelo-config --v" --version
expect "kavelo-config show CONFIG.TXT --" --json --help
expect "kavelo-config set CONFIG.TXT --k" --keep-clock
expect "kavelo-config copy --" --keep-clock --in-place --dry-run --all-cameras --help
expect "kavelo-config sync-clock --i" --in-place
expect "kavelo-config check CONFIG.TXT --j"
expect "kavelo-config cameras --" --json --help
# File operands: files and folders (readline adds the "/"), for every file
# operand and no other.
expect "kavelo-config show C" CARD CONFIG.TXT COPY.TXT
expect "kavelo-config copy CONFIG.TXT CO" CONFIG.TXT COPY.TXT
expect "kavelo-config copy --keep-clock CONFIG.TXT CO" CONFIG.TXT COPY.TXT
# copy takes any number of targets.
expect "kavelo-config copy CONFIG.TXT COPY.TXT C" CARD CONFIG.TXT COPY.TXT
expect "kavelo-config cameras C"
expect "kavelo-config show -- C" CARD CONFIG.TXT COPY.TXT
# Setting names: for get, and with "=" (and no space after it) for set.
expect "kavelo-config get CONFIG.TXT video1.f" \
    video1.field-of-view video1.file-format video1.frame-rate
expect "kavelo-config get CONFIG.TXT lens l" lens light-frequency
expect "kavelo-config set CONFIG.TXT wb.custom3." \
    wb.custom3.red-gain= wb.custom3.green-gain= wb.custom3.blue-gain=
[ "${options[*]-}" = "-o nospace" ] || {
    echo "set offers names with '=' but lets a space follow: [${options[*]-}]" >&2
    failures=$((failures + 1))
}
# The words of a setting's values, by name, by index, in any letter case.
expect "kavelo-config set CONFIG.TXT video1.field-of-view=" wide narrow
expect "kavelo-config set CONFIG.TXT video2.resolution=1280" 1280x720 1280x720-narrow 1280x720-wide
expect "kavelo-config set CONFIG.TXT recording-light=on tv.aspect-ratio=" 16-9 4-3
expect "kavelo-config set --raw CONFIG.TXT 10=r" rotated-180
expect "kavelo-config set CONFIG.TXT Date.Camera-Clock=o" on off
expect "kavelo-config set CONFIG.TXT wb.custom1.red-gain="
expect "kavelo-config set CONFIG.TXT nonsense="

if [ "$failures" -ne 0 ]; then
    echo "$failures completions were wrong" >&2
    exit 1
fi
echo "completion of kavelo-config: all cases passed"
