# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Where the program lands on a Linux desktop, and its Debian package.

set(APP_ID ${TOWERS_APP_ID})
set(packaging ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

install(TARGETS towers RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The compiler's name and version, which a packaged binary need not carry.
install(CODE "execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/towers\")")
set(DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/${APP_ID}.desktop)
configure_file(${packaging}/towers.desktop.in ${DESKTOP_FILE} @ONLY)
install(FILES ${DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# AppStream 1.0 names the developer in <developer> and calls the older
# <developer_name> deprecated; Debian 12's AppStream 0.16 knows only the older
# one. The metainfo takes the form that the AppStream beside the build knows,
# and the older one where there is none to ask, as every version reads it.
find_program(APPSTREAMCLI appstreamcli)
set(TOWERS_METAINFO_DEVELOPER "<developer_name>${TOWERS_PUBLISHER}</developer_name>")
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
  string(REGEX MATCH "[0-9]+\\.[0-9.]+" appstream_version "${appstream_version}")
  if(appstream_version VERSION_GREATER_EQUAL 1.0)
    set(TOWERS_METAINFO_DEVELOPER
        "<developer id=\"bg.informatika\">\n    <name>${TOWERS_PUBLISHER}</name>\n  </developer>")
  endif()
endif()
set(METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${APP_ID}.metainfo.xml)
configure_file(${packaging}/towers.metainfo.xml.in ${METAINFO} @ONLY)
install(FILES ${METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 48 128)
  install(FILES ${packaging}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${APP_ID}.png)
endforeach()
install(FILES ${packaging}/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${APP_ID}.svg)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/docs/screenshot.png ${packaging}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian wants the changelog and the manual pages compressed at the highest
# level, and -n keeps the time and the build path out of the gzip header.
function(towers_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
  list(APPEND towers_gzipped ${output})
  set(towers_gzipped ${towers_gzipped} PARENT_SCOPE)
endfunction()
set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/gzipped)
file(MAKE_DIRECTORY ${gzipped}/bg)
towers_gzip(${packaging}/changelog ${gzipped}/changelog.gz)
# The manual pages name the product as the build does: its window's title
# (with troff's minus for a hyphen), its files and its version.
string(REPLACE "-" "\\-" TOWERS_MAN_WINDOW_TITLE "${TOWERS_WINDOW_TITLE}")
foreach(page towers.1 towers.bg.1)
  configure_file(${packaging}/man/${page}.in ${CMAKE_CURRENT_BINARY_DIR}/man/${page} @ONLY)
endforeach()
towers_gzip(${CMAKE_CURRENT_BINARY_DIR}/man/towers.1 ${gzipped}/towers.1.gz)
towers_gzip(${CMAKE_CURRENT_BINARY_DIR}/man/towers.bg.1 ${gzipped}/bg/towers.1.gz)
add_custom_target(gzipped ALL DEPENDS ${towers_gzipped})
install(FILES ${gzipped}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${gzipped}/towers.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gzipped}/bg/towers.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)

set(CMAKE_SKIP_INSTALL_RPATH ON) # no libraries of our own to find

# Whoever builds the package for a school or a distribution signs it; the
# default names the project, at a reserved domain that reaches nobody.
set(TOWERS_MAINTAINER "Towers project <towers@packager.invalid>" CACHE STRING
    "Maintainer field of the Debian package: a name and a mail address")

set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME towers)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TOWERS_MAINTAINER})
# The summary is the Description's first line, which must not begin with the
# package's name.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-peg disk puzzle for the informatics lesson on backtracking")
set(CPACK_PACKAGE_DESCRIPTION
    "A teaching program in Bulgarian: the pupil moves a stack of disks from the left\n\
peg to the right one with the mouse, steps back through the moves, and watches\n\
a timed demonstration of the optimal solution.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binary links: no window opens without Qt's platform
# plugins, and the texts need a Times New Roman stand-in that covers Cyrillic.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_POST_BUILD_SCRIPTS ${packaging}/deb-members.cmake)
include(CPack)
