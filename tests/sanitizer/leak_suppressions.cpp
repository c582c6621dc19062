// SPDX-License-Identifier: GPL-3.0-or-later
// Leak reports the sanitizer build does not treat as faults.
//
// Libraries of the desktop keep process-wide caches that they never free
// (the D-Bus library's connection and type tables, the sound server client's
// context), and which of them get loaded depends on what else the machine
// has installed (a GTK 3 theme pulls in more). Their leaks are not ours and
// differ from machine to machine, so they are suppressed by library name.
// A frame of a library named here anywhere in a leak's stack hides it, so
// only libraries that never call back into Orvanta's code belong here: the
// event loop's libraries (Qt, GLib) stay out, and every leak of Orvanta's
// own code stays fatal.
//
// Linked into every program of the sanitizer build, so that tests, the
// programs they start and the fuzz targets all apply the same list.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libpulse.so\n"
           "leak:libpulsecommon\n";
}
