#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures Tevrimo against GNU units on this machine and prints one table:
# one-shot and streaming conversions, desktop start-up, the desktop search service,
# and the core micro-benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --bench
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTEVRIMO_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$(nproc)" >/dev/null
B=build-release
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; true' EXIT

# A fixed list of one million values, and the same as have/want pairs for units.
python3 - "$work" <<'PY'
import random, sys
random.seed(20261208)
values = ['%.*f' % (random.randint(0, 4), random.uniform(0, 100000)) for _ in range(1000000)]
open(sys.argv[1] + '/values.txt', 'w').write('\n'.join(values) + '\n')
open(sys.argv[1] + '/pairs.txt', 'w').write(''.join('%s ft\nm\n' % v for v in values))
PY

ratio() { python3 -c "print('%.1f' % ($1 / $2))"; }

read -r floor_med _ _ < <($B/bench/cmdtime 41 -- /bin/true)
read -r t_med _ t_rss < <($B/bench/cmdtime 41 -- $B/tevrimo-cli convert length foot 1 --to meter)
read -r u_med _ u_rss < <($B/bench/cmdtime 41 -- units -t '1 ft' m)
read -r ts_med _ ts_rss < <($B/bench/cmdtime 3 --in "$work/values.txt" -- $B/tevrimo-cli convert length foot --to meter)
read -r us_med _ us_rss < <($B/bench/cmdtime 1 --in "$work/pairs.txt" -- units -t)
ts_rate=$(python3 -c "print(int(1e6 / ($ts_med / 1e6)))")
us_rate=$(python3 -c "print(int(1e6 / ($us_med / 1e6)))")

# Desktop start-up: from launch until the window is mapped, under Xvfb.
startup() {  # profile content -> "median_ms peak_rss_kb"
  local cfg="$work/cfg"
  rm -rf "$cfg"; mkdir -p "$cfg"
  [ -n "$1" ] && printf '%s' "$1" > "$cfg/tevrimo.INI"
  python3 - "$B/tevrimo" "$cfg" <<'PY'
import os, statistics, subprocess, sys, time
program, cfg = sys.argv[1], sys.argv[2]
env = dict(os.environ, XDG_CONFIG_HOME=cfg)
times, peaks = [], []
for _ in range(15):
    start = time.perf_counter()
    p = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    while time.perf_counter() - start < 10:
        r = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(p.pid), '--name', 'Tevrimo'],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if r.returncode == 0:
            mapped = time.perf_counter() - start
            break
        time.sleep(0.01)
    time.sleep(0.2)
    try:
        for line in open('/proc/%d/status' % p.pid):
            if line.startswith('VmHWM:'):
                peaks.append(int(line.split()[1]))
    except OSError:
        pass
    p.terminate(); p.wait()
    if mapped is not None:
        times.append(mapped * 1000)
print('%.1f %d' % (statistics.median(times) if times else float('nan'), max(peaks) if peaks else 0))
PY
}
Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:97
sleep 1
read -r s0_ms s0_rss < <(startup "")
read -r s12_ms s12_rss < <(startup $'[Settings]\ncurtab=12\ncurlang=2\n')

micro=$($B/bench/micro_bench --benchmark_format=csv 2>/dev/null | tail -n +2)

# The desktop search service, installed into a prefix and started by a private session
# bus that knows only that prefix: from the call that makes the bus start it to the
# answer (median of 21 starts), then calls to the running service (median of 2000).
cmake --install $B --prefix "$work/prefix" >/dev/null
cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <servicedir>$work/prefix/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
declare -A search
while read -r figure value; do search[$figure]=$value; done < <(
  LANGUAGE=en dbus-run-session --config-file="$work/bus.conf" -- $B/bench/search_bench 21 2000 2>/dev/null)

printf '\n%-44s %14s %14s %8s\n' "figure" "tevrimo" "GNU units" "ratio"
printf '%-44s %14s %14s %8s\n' "--------------------------------------------" "--------------" "--------------" "--------"
printf '%-44s %11.2f ms %11.2f ms %7sx\n' "one-shot convert, median of 41" "$(python3 -c "print($t_med/1000)")" "$(python3 -c "print($u_med/1000)")" "$(ratio "$u_med" "$t_med")"
printf '%-44s %11.2f ms\n' "  (starting /bin/true on this machine)" "$(python3 -c "print($floor_med/1000)")"
printf '%-44s %14s %14s %7sx\n' "streaming 1,000,000 values, values/s" "$ts_rate" "$us_rate" "$(ratio "$ts_rate" "$us_rate")"
printf '%-44s %11d kB %11d kB\n' "streaming peak memory" "$ts_rss" "$us_rss"
printf '%-44s %11d kB %11d kB\n' "one-shot peak memory" "$t_rss" "$u_rss"
printf '%-44s %11.1f ms\n' "desktop start-up to mapped window, empty profile" "$s0_ms"
printf '%-44s %11.1f ms\n' "desktop start-up, profile on the last tab" "$s12_ms"
printf '%-44s %11d kB\n' "desktop peak memory" "$(( s0_rss > s12_rss ? s0_rss : s12_rss ))"
printf '%-44s %11.1f ms\n' "search: bus start to first answer" "$(python3 -c "print(${search[activation]}/1000)")"
printf '%-44s %11.1f us\n' "search: shell query (GetInitialResultSet)" "${search[initial]}"
printf '%-44s %11.1f us\n' "search: shell result texts (GetResultMetas)" "${search[metas]}"
printf '%-44s %11.1f us\n' "search: runner query, 13 units (Match)" "${search[match]}"
printf '%-44s %11.1f us\n' "search: runner query that is none" "${search[none]}"
printf '%-44s %11.1f us\n' "  (a bus round trip, Peer.Ping)" "${search[ping]}"
echo
echo "micro-benchmark                               ns per call"
echo "$micro" | python3 -c '
import csv, sys
for row in csv.reader(sys.stdin):
    label = row[7] if len(row) > 7 else ""
    print("%-44s %12.1f" % (row[0] + ("  " + label if label else ""), float(row[3])))
'
