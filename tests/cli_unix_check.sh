#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tevrimo-cli as a Unix tool: failed writes and reads, a reader that goes away, answers
# that arrive while the input is still coming, non-blocking descriptors, bounded memory
# on a line without end, and the bash completion.
set -u
cli=$1
completion=$2
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAILED: $*"; }
# status, stderr line count and stderr of a command line run by bash
probe() { err=$(bash -c "$1" 2>&1 >/dev/null); status=$?; lines=$(printf '%s' "$err" | grep -c .); }

probe "'$cli' convert length foot 1 > /dev/full"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && [[ $err == *"No space left"* ]] && ok || bad "/dev/full: $status $err"
probe "'$cli' categories >&-"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && ok || bad "closed stdout: $status $err"
probe "seq 1 2000000 | '$cli' convert length foot --to meter | head -1 >/dev/null; exit \${PIPESTATUS[1]}"
[ $status -eq 141 ] && [ -z "$err" ] && ok || bad "closed pipe: $status $err"
probe "'$cli' convert length foot < /"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && [[ $err == *"directory"* ]] && ok || bad "directory: $status $err"
probe "'$cli' convert length foot <&-"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && ok || bad "closed stdin: $status $err"

# Each answer is out before the next value comes.
# The second value is written only once the first answer has been read, so a program
# that held its answers back would hang here until the test's own time limit.
coproc live { "$cli" convert length foot --to meter; }
live_pid=$live_PID
echo 1 >&"${live[1]}"
IFS= read -r first <&"${live[0]}"
echo 2 >&"${live[1]}"
IFS= read -r second <&"${live[0]}"
exec {live[1]}>&-
wait "$live_pid"
[ "$first $second $?" = "0.3048 0.6096 0" ] && ok || bad "live streaming gave '$first' '$second'"

# Non-blocking standard input and output: a descriptor that is not ready yet (EAGAIN)
# is waited for, not a failure. Each case waits until the program sleeps, which it can
# only do on a descriptor that was not ready, and only then lets data through.
if command -v python3 >/dev/null; then
  nonblocking=$(python3 - "$cli" <<'PY'
import os, signal, subprocess, sys, tempfile, time
signal.signal(signal.SIGPIPE, signal.SIG_DFL)
cli = sys.argv[1]
convert = [cli, "convert", "length", "foot", "--to", "meter"]

def asleep_or_ended(p):
    while p.poll() is None:
        with open(f"/proc/{p.pid}/stat") as f:
            if f.read().rsplit(")", 1)[1].split()[0] == "S":
                return
        time.sleep(0.001)

def slow_input():
    # Input that comes slowly, both ends non-blocking.
    r_in, w_in = os.pipe()
    r_out, w_out = os.pipe()
    os.set_blocking(r_in, False)
    os.set_blocking(w_out, False)
    p = subprocess.Popen(convert, stdin=r_in, stdout=w_out, stderr=subprocess.PIPE)
    os.close(r_in)
    os.close(w_out)
    with os.fdopen(r_out, "rb") as out, os.fdopen(w_in, "wb", buffering=0) as into:
        into.write(b"1\n")
        got = out.readline()
        asleep_or_ended(p)  # it has found the input empty
        if p.poll() is None:
            into.write(b"2\n")
        into.close()
        got += out.read()
    return got == b"0.3048\n0.6096\n", got, p

def full_pipe():
    # Output far larger than the pipe, read only once the program waits for room.
    lines = 200000
    with tempfile.TemporaryFile() as values:
        values.write(b"1\n" * lines)
        values.seek(0)
        r_out, w_out = os.pipe()
        os.set_blocking(w_out, False)
        p = subprocess.Popen(convert, stdin=values, stdout=w_out, stderr=subprocess.PIPE)
        os.close(w_out)
        asleep_or_ended(p)
        with os.fdopen(r_out, "rb") as out:
            got = out.read()
    return got == b"0.3048\n" * lines, got[-20:], p

for name, case in [("slow input", slow_input), ("full pipe", full_pipe)]:
    same, got, p = case()
    err = p.stderr.read()
    status = p.wait()
    good = same and status == 0 and err == b""
    print(f"{name}: " + ("ok" if good else f"exit {status}, {err!r}, output ending {got[-20:]!r}"))
PY
)
  for result in "slow input" "full pipe"; do
    grep -qx "$result: ok" <<<"$nonblocking" && ok || bad "non-blocking, $result: $(grep "^$result" <<<"$nonblocking")"
  done
else
  echo "SKIPPED: non-blocking standard input and output (python3 not found)"
fi

# A line without end: one message naming it, an empty line in its place, exit 1, and
# memory bounded by a small multiple of the 1 MiB limit.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ echo 1; head -c 50000000 /dev/zero; printf '\n2\n'; } > "$work/endless"
/usr/bin/time -o "$work/rss" -f '%M' "$cli" convert length foot --to meter \
  < "$work/endless" > "$work/out" 2> "$work/err"
status=$?
[ "$(tr '\n' ' ' < "$work/out")" = "0.3048  0.6096 " ] && ok || bad "endless line: $(head -c 100 "$work/out")"
[ $status -eq 1 ] && [ "$(wc -l < "$work/err")" -eq 1 ] && grep -q 'line 2' "$work/err" && ok ||
  bad "endless line: exit $status, $(cat "$work/err")"
[ "${3:-1}" = 0 ] || [ "$(tail -1 "$work/rss")" -lt 8000 ] && ok || bad "endless line took $(tail -1 "$work/rss") kB"

# An unknown name of 128 kB, about the most one argument can hold: the one-line answer,
# without memory that grows with the name.
name=$(head -c 128000 /dev/zero | tr '\0' x)
for args in "convert length $name 1" "convert $name foot 1" "convert length foot 1 --to $name"; do
  # shellcheck disable=SC2086
  /usr/bin/time -o "$work/rss" -f '%M' "$cli" $args > /dev/null 2> "$work/err"
  status=$?
  [ $status -eq 2 ] && [ "$(wc -l < "$work/err")" -eq 1 ] && ok || bad "long name: exit $status"
  [ "${3:-1}" = 0 ] || [ "$(tail -1 "$work/rss")" -lt 8000 ] && ok ||
    bad "long name took $(tail -1 "$work/rss") kB: ${args:0:20}"
done

# Completion: commands, categories, the units of the category typed, option values.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tevrimo_cli
           printf "%s\n" "${COMPREPLY[*]}"' _ "$completion" "$cli" "$@"
}
[ "$(complete_words con)" = convert ] && ok || bad "completion of a command"
[ "$(complete_words convert le)" = length ] && ok || bad "completion of a category"
[ "$(complete_words convert length foot --to ya)" = "yard yards" ] && ok || bad "completion of --to"
[ "$(complete_words convert length fe)" = feet ] && ok || bad "completion of a unit"
[ "$(complete_words units length --format j)" = json ] && ok || bad "completion of --format"
[ "$(complete_words pumpdown --capacity 5 --la)" = --lang ] && ok || bad "completion of an option"
[ "$(complete_words replay length --lang de 5 foc)" = focus:0 ] && ok || bad "completion of a token"
[ "$(complete_words convert length foot 1 --lang fr)" = fr ] && ok || bad "completion of --lang"

echo "cli as a Unix tool: $pass passed, $fail failed"
[ $fail -eq 0 ]
