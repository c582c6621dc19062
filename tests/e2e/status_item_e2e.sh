#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real orvanta on a StatusNotifierItem desktop: a private session bus
# (dbus-run-session) with a StatusNotifierWatcher and its host
# (desktop_bus_doubles.py), under Xvfb without an XEmbed tray, the icon
# theme holding the program's icons as installed, its clock started ten
# seconds before the Öğle ezan of 1 January 2014 at İstanbul (UTC+2). The
# item registers with the title "Orvanta" and the theme icon's name; its
# ToolTip follows the tip; the ezan box comes at 12:15 and holds nothing
# back: within 5 s the ToolTip moves on, at 12:16 it names the next time,
# and the item's menu (com.canonical.dbusmenu) answers and acts while the
# box, "Hesap Parametreleri" and two file dialogs are open, each window's
# own entry greyed while it is.
# Usage: status_item_e2e.sh PATH/TO/orvanta. Exit 77 (skipped) without the tools.
set -u
. "$(dirname "$0")/private_bus.sh"
orvanta=$1
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"
require_tools Xvfb xdotool
require_libfaketime
require_bus_doubles

start_xvfb
"$doubles" watcher >"$work/items" 2>"$work/watcher.log" &
pids+=($!)
wait_for 50 gdbus introspect --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
  || { cat "$work/watcher.log"; fail "the StatusNotifierWatcher did not come"; }
make_istanbul_folder <<'INI'
Ezan/Salâ=Evet
iletiler=2
INI

# The icons where an installed copy has them: share/icons/hicolor.
XDG_DATA_DIRS=$here/../../resources:${XDG_DATA_DIRS:-/usr/local/share:/usr/share} \
  LD_PRELOAD=$libfaketime FAKETIME='@2014-01-01 12:14:50' FAKETIME_DONT_FAKE_MONOTONIC=1 "$orvanta" >"$work/log" 2>&1 &
pids+=($!)

wait_for 200 test -s "$work/items" || { cat "$work/log"; fail "no item registered with the watcher"; }
item=$(head -n 1 "$work/items")
property() { "$doubles" property "$item" "$1"; }
tip_says() { [ "$(property ToolTip)" = "$1" ]; }
tip_names_next_time() { property ToolTip | grep -v '^ÖĞLE' | grep -q 'vaktine kalan süre'; }
# menu_entry LABEL [SUBMENU]: the entry's line, "label<TAB>enabled".
menu_entry() { "$doubles" menu "$item" ${2:+"$2"} | awk -F '\t' -v label="$1" '$1 == label'; }
entry_is() { [ "$(menu_entry "$1" ${3:+"$3"})" = "$1	$2" ]; }
click() { "$doubles" click "$item" "$1" || fail "the menu did not take the click on '$1'"; }
window_shows() { xdotool search --onlyvisible --name "$1"; }

[ "$(property Title)" = Orvanta ] || fail "the item's title is '$(property Title)'"
[ "$(property IconName)" = org.orvanta.Orvanta ] || fail "the item's IconName is '$(property IconName)'"
wait_for 50 tip_says 'ÖĞLE vaktine kalan süre =  0:01' || fail "the item's ToolTip is '$(property ToolTip)'"
echo "ok: the item '$item' is titled Orvanta, named its theme icon, and its ToolTip counts down"

wait_for 200 window_shows '^Orvanta$' || fail "no ezan box at 12:15"
echo "ok: the ezan box is on screen at 12:15"
wait_for 50 tip_says 'ÖĞLE vaktine kalan süre =  0:00' || fail "the ToolTip stayed at '$(property ToolTip)' behind the box"
echo "ok: within 5 s the ToolTip moved on while the box waits: $(property ToolTip)"

entry_is 'Hesap Parametreleri' true || fail "the menu did not answer while the ezan box was open"
click 'Hesap Parametreleri'
wait_for 50 window_shows '^Hesap Parametreleri$' || fail "Hesap Parametreleri did not open from the item's menu"
wait_for 20 entry_is 'Hesap Parametreleri' false \
  || fail "the menu did not answer, or left its entry on, while Hesap Parametreleri was open"
echo "ok: the item's menu answers and acts while the ezan box is open, and while Hesap Parametreleri is"

# The file dialogs, each a window modal to nothing.
escape() { xdotool windowfocus --sync "$(window_shows "$1" | head -n 1)" key Escape; }
click 'Ezan Dosyası Seç/ÖĞLE'
wait_for 50 window_shows 'ÖĞLE ezanı dosyasını seçiniz' || fail "the file dialog did not open from the item's menu"
entry_is ÖĞLE false 'Ezan Dosyası Seç' || fail "the menu did not answer, or left its entry on, while a file dialog was open"
click 'Yardım/MP3 » WAV Çevirici'
wait_for 50 window_shows 'Dönüştürülecek MP3 dosyasını seçiniz' || fail "the converter did not open beside a file dialog"
entry_is 'MP3 » WAV Çevirici' false Yardım || fail "the menu did not answer, or left its entry on, while the converter was open"
# The first one closed, its answer comes while the later one is still open.
escape 'ÖĞLE ezanı dosyasını seçiniz'
wait_for 50 entry_is ÖĞLE true 'Ezan Dosyası Seç' || fail "the entry stayed greyed while another dialog was open"
entry_is 'MP3 » WAV Çevirici' false Yardım || fail "the converter's entry came back before it closed"
escape 'Dönüştürülecek MP3 dosyasını seçiniz'
wait_for 50 entry_is 'MP3 » WAV Çevirici' true Yardım || fail "the converter's entry stayed greyed after it was cancelled"
echo "ok: the menu answers while two file dialogs it opened are open, each entry greyed until its own dialog closes"

wait_for 700 tip_names_next_time || fail "the ToolTip did not count past Öğle at 12:16: '$(property ToolTip)'"
window_shows '^Orvanta$' >/dev/null || fail "the ezan box did not stay while unanswered"
echo "ok: at 12:16 the ToolTip names the next time, the box still unanswered: $(property ToolTip)"
echo "1 passed, 0 failed"
