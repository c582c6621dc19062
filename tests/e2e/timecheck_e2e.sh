#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orvanta-cli timecheck against a real RFC 868 server: xinetd's built-in
# "time" service on UDP, bound to 127.0.0.1 port 37, from a configuration
# this test writes and runs in the foreground. With the command's clock
# 37 s ahead (faketime), the drift is +37 s; with no server listening the
# command says so on stderr and exits 3.
# Usage: timecheck_e2e.sh orvanta-cli. Exit 77: skipped (needs root for
# port 37, xinetd and faketime).
set -u
cli=$1
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "port 37 needs root"
command -v xinetd >/dev/null || skip "xinetd is not installed (tools/dev/install-deps.sh installs it)"
command -v faketime >/dev/null || skip "faketime is not installed"
"$cli" --help | grep -q timecheck || skip "this orvanta-cli was built without the desktop (Qt) parts"

work=$(mktemp -d)
cat >"$work/xinetd.conf" <<CONF
defaults
{
}
service time
{
    type        = INTERNAL
    id          = time-dgram
    socket_type = dgram
    protocol    = udp
    user        = root
    wait        = yes
    bind        = 127.0.0.1
    disable     = no
}
CONF
xinetd -dontfork -f "$work/xinetd.conf" -pidfile "$work/xinetd.pid" 2>"$work/xinetd.log" &
xinetd_pid=$!
trap 'kill $xinetd_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
sleep 0.5
kill -0 "$xinetd_pid" 2>/dev/null || { cat "$work/xinetd.log"; skip "xinetd did not start (port 37 taken?)"; }

printf '[Time Servers]\nHostTimeout=2000\nHost0=127.0.0.1\n' >"$work/orvanta.ini"
line=$(FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '+37s' "$cli" timecheck --ini "$work/orvanta.ini") \
  || fail "timecheck failed against xinetd"
drift=$(echo "$line" | sed -n 's/^127.0.0.1 127.0.0.1 drift=\([+-][0-9]*\) s$/\1/p')
[ -n "$drift" ] || fail "unexpected line: $line"
[ "$drift" -ge 36 ] && [ "$drift" -le 38 ] || fail "drift $drift, not +37"
echo "ok: xinetd's time service gives $line"

printf '[Time Servers]\nHostTimeout=300\nHost0=127.0.0.1:9\n' >"$work/silent.ini"
"$cli" timecheck --ini "$work/silent.ini" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 3 ] || fail "no answer gave status $status"
[ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "no answer: $(cat "$work/out" "$work/err")"
echo "ok: no answer: $(cat "$work/err")"
