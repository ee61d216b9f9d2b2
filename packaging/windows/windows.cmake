# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program on Windows: one self-contained towers.exe with its icon and
# version information, the installer for a teacher beside it, and the Windows
# Installer package for an IT department.
set(windows ${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows)

set(TOWERS_ICO ${windows}/towers.ico)
configure_file(${windows}/towers.rc.in ${CMAKE_CURRENT_BINARY_DIR}/towers.rc @ONLY)
configure_file(${windows}/product.nsh.in ${CMAKE_CURRENT_BINARY_DIR}/product.nsh @ONLY)
set(TOWERS_WXS ${CMAKE_CURRENT_BINARY_DIR}/towers.wxs)
configure_file(${windows}/towers.wxs.in ${TOWERS_WXS} @ONLY)
target_sources(towers PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/towers.rc)
# Nothing to strip for a teacher's USB stick; the tests keep their symbols.
# No link time in the file: two builds of one commit give the same bytes.
target_link_options(towers PRIVATE -s -Wl,--no-insert-timestamp)

find_program(MAKENSIS makensis REQUIRED)
set(setup ${CMAKE_CURRENT_BINARY_DIR}/towers-${PROJECT_VERSION}-setup.exe)
add_custom_command(OUTPUT ${setup}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPRODUCT=${CMAKE_CURRENT_BINARY_DIR}/product.nsh
          -DEXE=$<TARGET_FILE:towers>
          -DICON=${TOWERS_ICO} -DOUTFILE=${setup} ${windows}/towers.nsi
  DEPENDS towers ${windows}/towers.nsi ${CMAKE_CURRENT_BINARY_DIR}/product.nsh ${TOWERS_ICO} VERBATIM)
add_custom_target(installer ALL DEPENDS ${setup})

set(msi ${CMAKE_CURRENT_BINARY_DIR}/towers-${PROJECT_VERSION}.msi)
add_custom_command(OUTPUT ${msi}
  COMMAND ${CMAKE_COMMAND} -E env TOWERS_PUBLISHER=${TOWERS_PUBLISHER} TOWERS_APP_ID=${TOWERS_APP_ID}
          ${windows}/msi.sh ${TOWERS_WXS} ${PROJECT_VERSION} $<TARGET_FILE:towers> ${TOWERS_ICO}
          ${TOWERS_SOURCE_DATE_EPOCH} ${msi}
  DEPENDS towers ${windows}/msi.sh ${TOWERS_WXS} ${TOWERS_ICO} VERBATIM)
add_custom_target(msi ALL DEPENDS ${msi})
