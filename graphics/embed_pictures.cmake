# SPDX-License-Identifier: GPL-3.0-or-later
# Writes OUTPUT, a C++ source holding the bytes of MOON and EARTH (the
# picture resources "_MOON_" and "_EARTH_") behind moonResource() and
# earthResource(). Run at build time: cmake -DMOON=... -DEARTH=... -DOUTPUT=... -P embed_pictures.cmake
function(bytes_of file result)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," list "${hex}")
  set(${result} "${list}" PARENT_SCOPE)
endfunction()
bytes_of("${MOON}" moon)
bytes_of("${EARTH}" earth)
file(WRITE "${OUTPUT}.new"
"// Generated from resources/moon.dib and resources/earth.dib by graphics/embed_pictures.cmake.
#include \"graphics/dib.h\"

namespace orvanta::graphics {
namespace {
const std::uint8_t kMoon[] = {${moon}};
const std::uint8_t kEarth[] = {${earth}};
}  // namespace
std::span<const std::uint8_t> moonResource() { return kMoon; }
std::span<const std::uint8_t> earthResource() { return kEarth; }
}  // namespace orvanta::graphics
")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
