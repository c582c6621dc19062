#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder with cpack and checks it
# with lintian: no error and no warning (informational tags are allowed).
# Usage: lintian_test.sh BUILD-FOLDER. Exit 77 (skipped) without lintian.
set -u
build=$1
command -v lintian >/dev/null || { echo "SKIPPED: lintian is not installed (Debian package lintian)"; exit 77; }
command -v dpkg-shlibdeps >/dev/null || { echo "SKIPPED: dpkg-shlibdeps is not installed (Debian package dpkg-dev)"; exit 77; }
out="$build/lintian-package"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out.log" 2>&1 || {
  cat "$out.log"; echo "FAILED: cpack did not build the package"; exit 1; }
deb=$(ls "$out"/orvanta_*.deb)
lintian --fail-on error,warning --display-info "$deb" || { echo "FAILED: lintian on $deb"; exit 1; }
echo "ok: lintian finds no error and no warning in $(basename "$deb")"
