#!/usr/bin/env bash
# Runs the benchmarks side by side with their peers and prints ratios (medians of
# several runs). Usage: bench/run.sh [BUILD_DIR] [RUNS]
# Needs the build (make build) and, for the peak-memory and Wine figures, the packages
# time and wine. Nothing here is a test: the machine is shared and noisy.
set -euo pipefail
BUILD=${1:-build}
RUNS=${2:-7}
KREG=$BUILD/kreg
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# run_ms CMD...: runs the command once, prints its wall time in microseconds.
run_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}

# median: the median of the microsecond figures on standard input, in ms.
median() {
    sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

# median_ms CMD...: runs the command RUNS times, prints the median wall time in ms.
median_ms() {
    for _ in $(seq "$RUNS"); do
        run_ms "$@"
    done | median
}

peak_kb() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

echo "== store on a 64 MB system.reg"
mkdir -p "$WORK/big"
"$BUILD/bench/make_big_hive" "$WORK/big/system.reg" 64
size_kb=$(( $(stat -c %s "$WORK/big/system.reg") / 1024 ))
q=$(median_ms "$KREG" --prefix "$WORK/big" query 'HKLM\Software\Korrelin' /v Nice)
g=$(median_ms grep -c Nice "$WORK/big/system.reg")
echo "kreg query /v: ${q} ms   grep -c: ${g} ms   ratio $(ratio "$q" "$g") (goal <= 2)"
if [ -x /usr/bin/time ]; then
    m=$(peak_kb "$KREG" --prefix "$WORK/big" query 'HKLM\Software\Korrelin' /v Nice)
    echo "kreg query peak memory: ${m} KB for a ${size_kb} KB file, ratio $(ratio "$m" "$size_kb") (goal <= 2)"
fi
# Each run writes new data: setting a value to what it holds already changes nothing and
# writes nothing, which would measure no commit at all.
a=$(median_ms sh -c "\"\$0\" --prefix \"\$1\" add 'HKLM\\Software\\Korrelin' /v Bench /d \$(date +%s%N) /f" \
    "$KREG" "$WORK/big")
r=$(median_ms "$BUILD/bench/raw_commit" "$WORK/big/system.reg" "$WORK/big/copy.reg")
echo "kreg add: ${a} ms   raw write+fsync+rename: ${r} ms   ratio $(ratio "$a" "$r") (goal <= 1.5)"

if command -v wine >/dev/null; then
    echo "== against Wine's reg on a fresh prefix"
    export WINEPREFIX="$WORK/wine" WINEDEBUG=-all DISPLAY=
    wine reg query 'HKCU\Control Panel\Desktop' >/dev/null 2>&1 || true
    wineserver -w
    w=$(median_ms sh -c 'wine reg query "HKCU\Control Panel\Desktop" /v MenuShowDelay; wineserver -w')
    k=$(median_ms "$KREG" query 'HKCU\Control Panel\Desktop' /v MenuShowDelay)
    echo "wine reg query: ${w} ms   kreg query: ${k} ms   kreg is $(ratio "$w" "$k")x faster (goal >= 100)"
    unset WINEPREFIX
fi

if [ -x "$BUILD/korrelin" ] && [ -x "$BUILD/bench/empty_window" ]; then
    echo "== program start-up (offscreen)"
    export QT_QPA_PLATFORM=offscreen
    # A store that already holds the settings, as on every start but the first. The two
    # programs take turns, so that a slower stretch of a shared machine hits both.
    "$BUILD/korrelin" --prefix "$WORK/p" --play bench/idle.scn >/dev/null 2>&1 || true
    for _ in $(seq "$RUNS"); do
        run_ms "$BUILD/korrelin" --prefix "$WORK/p" --play bench/idle.scn >>"$WORK/start"
        run_ms "$BUILD/bench/empty_window" >>"$WORK/empty"
    done
    s=$(median <"$WORK/start")
    e=$(median <"$WORK/empty")
    echo "korrelin to idle: ${s} ms   empty Qt window: ${e} ms   ratio $(ratio "$s" "$e") (goal <= 1.3)"
    f=$(median_ms sh -c "rm -rf '$WORK/f'; '$BUILD/korrelin' --prefix '$WORK/f' --play bench/idle.scn")
    echo "first start on an empty store (writes its settings): ${f} ms"
    if [ -x /usr/bin/time ]; then
        mk=$(peak_kb "$BUILD/korrelin" --prefix "$WORK/p" --play bench/idle.scn)
        me=$(peak_kb "$BUILD/bench/empty_window")
        echo "peak memory: korrelin ${mk} KB, empty window ${me} KB, difference $(( (mk - me) / 1024 )) MB (goal <= 15)"
    fi
fi
