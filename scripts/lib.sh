# Helpers shared by the scripts in this folder; sourced, never run.
# shellcheck shell=bash

# shellcheck disable=SC2034 # used by the scripts that source this file
REBANEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck disable=SC2034
REBANEX_JOBS=${REBANEX_JOBS:-2}

say() {
    if [[ -t 1 ]]; then printf '\n\033[1m== %s\033[0m\n' "$*"; else printf '\n== %s\n' "$*"; fi
}
warn() { printf 'warning: %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Starts a private Xvfb on the first free display and exports DISPLAY.
# Sets XVFB_PID; xvfb_stop undoes it. Fails when Xvfb does not come up within 15 s.
xvfb_start() {
    local log=${1:-/dev/null} numfile i
    command -v Xvfb >/dev/null || { warn "Xvfb is not installed (scripts/deps)"; return 1; }
    numfile=$(mktemp)
    # -displayfd: Xvfb picks a free display and writes its number once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$numfile" >"$log" 2>&1 </dev/null &
    XVFB_PID=$!
    for ((i = 0; i < 150; i++)); do
        # Complete once the line ends in a newline.
        if [[ -s $numfile && -z $(tail -c1 "$numfile") ]]; then
            DISPLAY=":$(<"$numfile")"
            export DISPLAY
            rm -f "$numfile"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numfile"
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    warn "Xvfb did not start (see $log)"
    return 1
}

xvfb_stop() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
        unset DISPLAY
    fi
}

# The environment every Wine call of this project uses, for the prefix in $1.
wine_env() {
    export WINEPREFIX=$1
    export WINEARCH=win64
    # Debian's wine wrapper stays quiet about the missing 32-bit loader only with -all.
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko installer dialog when the prefix is made, no menu entries in $HOME.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if [[ -z ${HOME:-} || ! -d ${HOME:-} || ! -w ${HOME:-} ]]; then
        # CI may run without HOME; Wine needs one for its shell folders.
        export HOME="$1.home"
        mkdir -p "$HOME"
    fi
}
