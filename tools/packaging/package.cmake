# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts beside the programs for the desktop and for
# Debian (the desktop entry, the AppStream metadata, the icons, the manual
# pages, the copyright file and the changelog), and the Debian package that
# `cpack -G DEB` builds from it. Included from the top-level CMakeLists.txt.

set(ORVANTA_PACKAGE_MAINTAINER "Orvanta developers <orvanta@orvanta.org>" CACHE STRING
    "Maintainer field of the Debian package and of its changelog: \"Name <address>\"")
set(ORVANTA_PACKAGE_RELEASE 1 CACHE STRING "Debian revision of the package (the part after the version's dash)")
set(ORVANTA_PACKAGE_VERSION "${PROJECT_VERSION}-${ORVANTA_PACKAGE_RELEASE}")

set(orvanta_app_id org.orvanta.Orvanta)
set(orvanta_packaging_dir ${PROJECT_SOURCE_DIR}/tools/packaging)
set(orvanta_generated_dir ${PROJECT_BINARY_DIR}/packaging)
set(orvanta_doc_dir share/doc/orvanta)

# Debian keeps manual pages and changelogs compressed with gzip -9, without
# the file's name and time in the header, so that a rebuild gives the same bytes.
function(orvanta_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}.tmp
    COMMAND gzip -9nf ${output}.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${output}.tmp.gz ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()

configure_file(${orvanta_packaging_dir}/changelog.in ${orvanta_generated_dir}/changelog.Debian @ONLY)
orvanta_gzip(${orvanta_generated_dir}/changelog.Debian ${orvanta_generated_dir}/changelog.Debian.gz)
set(orvanta_manual_pages orvanta orvanta-cli)
set(orvanta_compressed ${orvanta_generated_dir}/changelog.Debian.gz)
foreach(page IN LISTS orvanta_manual_pages)
  orvanta_gzip(${PROJECT_SOURCE_DIR}/resources/man/${page}.1 ${orvanta_generated_dir}/${page}.1.gz)
  list(APPEND orvanta_compressed ${orvanta_generated_dir}/${page}.1.gz)
endforeach()
add_custom_target(orvanta_package_files ALL DEPENDS ${orvanta_compressed})

install(FILES ${orvanta_packaging_dir}/copyright ${orvanta_generated_dir}/changelog.Debian.gz
        DESTINATION ${orvanta_doc_dir})
install(FILES ${orvanta_generated_dir}/orvanta-cli.1.gz DESTINATION share/man/man1)
install(FILES ${orvanta_packaging_dir}/lintian-overrides DESTINATION share/lintian/overrides RENAME orvanta)

if(ORVANTA_BUILD_DESKTOP)
  install(FILES ${orvanta_generated_dir}/orvanta.1.gz DESTINATION share/man/man1)
  install(FILES resources/${orvanta_app_id}.desktop DESTINATION share/applications)
  install(FILES resources/${orvanta_app_id}.metainfo.xml DESTINATION share/metainfo)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icons/hicolor/${size}x${size}/apps/${orvanta_app_id}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES resources/orvanta.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${orvanta_app_id}.svg)
  install(FILES resources/icons/${orvanta_app_id}-symbolic.svg DESTINATION share/icons/hicolor/symbolic/apps)
endif()

# cpack -G DEB: a Debian package installing under /usr, its programs
# stripped (the debug information stays in the build folder).
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta")
set(CPACK_PACKAGE_CONTACT "${ORVANTA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVANTA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prayer-times clock for the notification area")
file(READ ${orvanta_packaging_dir}/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ORVANTA_PACKAGE_RELEASE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# A desktop program with a command-line companion, useful on any desktop.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins Qt loads at run time, which the library scan cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
