# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts that run the real orvanta on a private
# X server: skip/fail/wait_for, a work folder removed at exit with every
# process started, Xvfb (1024 x 768), a tray host (trayer), and a program
# folder holding the given settings file.

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
require_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (tools/dev/install-deps.sh installs it)"
  done
}

work=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# Polls a command for up to $1 tenths of a second.
wait_for() {
  local tenths=$1; shift
  for ((i = 0; i < tenths; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# libfaketime, preloaded into orvanta itself (the faketime command would
# stand between the test and the program's signals), in $libfaketime.
require_libfaketime() {
  libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
  [ -n "$libfaketime" ] || skip "libfaketime is not installed (Debian package faketime)"
}

# The desktop services' stand-ins (desktop_bus_doubles.py) as $doubles.
require_bus_doubles() {
  /usr/bin/python3 -c 'import gi; gi.require_version("Gio", "2.0")' 2>/dev/null \
    || skip "python3-gi is not installed (tools/dev/install-deps.sh installs it)"
  doubles=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/desktop_bus_doubles.py
}

start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  pids+=($!)
  wait_for 100 test -s "$work/display" || skip "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
}

start_tray_host() {
  trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 24 >/dev/null 2>&1 &
  tray_pid=$!
  pids+=("$tray_pid")
}
icon_docked() { xwininfo -tree -name panel | grep -q '("orvanta" "Orvanta")'; }

# Starts the tray host and waits until it can take the icon: trayer maps its
# window a moment before it owns the tray selection, and a program started
# in between finds no tray (and rightly shows the strip).
start_tray_host_and_settle() {
  start_tray_host
  wait_for 100 xwininfo -root -tree -name panel || skip "trayer did not start"
  sleep 1
}

# The program folder with the settings file read from standard input.
make_program_folder() {
  mkdir -p "$work/home" "$work/run"
  chmod 700 "$work/run"
  cat >"$work/home/orvanta.ini"
  export ORVANTA_HOME=$work/home XDG_RUNTIME_DIR=$work/run TZ=Europe/Istanbul
}

# A program folder for İstanbul (UTC+2 on 1 January 2014, Öğle at 12:15)
# whose "Seçenekler" lines are read from standard input.
make_istanbul_folder() {
  # Fed by a process substitution: make_program_folder's exports stay here.
  make_program_folder < <(
    printf '[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=120\nŞehir Adı=İstanbul\nÜlke Adı=Türkiye\n'
    printf '[Seçenekler]\n'
    cat)
}

# Xvfb, the tray host and the İstanbul program folder.
start_istanbul_session() {
  start_xvfb
  start_tray_host_and_settle
  make_istanbul_folder
}

# A PulseAudio server of the test's own with a null sink, so that nothing
# reaches the speakers of a desktop this runs on; the program folder's
# runtime folder holds its socket.
start_null_sink() {
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --log-target=stderr \
    --load='module-null-sink sink_name=nul' --load=module-native-protocol-unix 2>"$work/pulse.log" &
  pids+=($!)
  wait_for 50 pactl info || skip "PulseAudio did not start"
}
# A stream that sounds; a stopped one stays behind corked.
playing() { pactl list sink-inputs | grep -q 'Corked: no'; }

# A 30-second ezan as FILE, so that there is one to stop.
write_long_ezan() {
  /usr/bin/python3 - "$1" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1); out.setsampwidth(2); out.setframerate(22050)
    out.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(i * 0.1))) for i in range(22050 * 30)))
PY
}

# Keeps a picture of the screen as $SCREENSHOTS/NAME.xwd when asked for.
screenshot() { [ -n "${SCREENSHOTS:-}" ] && sleep 0.5 && xwd -root -silent -out "$SCREENSHOTS/$1.xwd"; return 0; }
