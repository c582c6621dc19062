# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced first by the end-to-end scripts that need a session bus of their
# own: runs the script again under dbus-run-session, so that nothing it
# starts or asks for touches the bus of a desktop this runs on.
if [ -z "${ORVANTA_E2E_ON_PRIVATE_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIPPED: dbus-run-session is not installed"; exit 77; }
  ORVANTA_E2E_ON_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
