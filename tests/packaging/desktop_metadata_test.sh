#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metadata pass their validators, and
# the metadata names the entry by its file name and shows only screenshots
# that the repository holds (resources/screenshots).
# Usage: desktop_metadata_test.sh RESOURCES. Exit 77 (skipped) without the validators.
set -u
resources=$1
id=org.orvanta.Orvanta
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (tools/dev/install-deps.sh installs it)"; exit 77; }
done
failed=0
desktop-file-validate "$resources/$id.desktop" || { echo "FAILED: desktop-file-validate"; failed=1; }
appstreamcli validate --no-net "$resources/$id.metainfo.xml" || { echo "FAILED: appstreamcli validate"; failed=1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$resources/$id.metainfo.xml" ||
  { echo "FAILED: the metadata does not launch $id.desktop"; failed=1; }
for image in $(grep -o '<image>[^<]*</image>' "$resources/$id.metainfo.xml" | sed 's|</image>||; s|.*/||'); do
  [ -s "$resources/screenshots/$image" ] || { echo "FAILED: resources/screenshots/$image is missing"; failed=1; }
done
exit "$failed"
