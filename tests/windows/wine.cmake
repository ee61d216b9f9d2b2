# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The tests of the Windows build, under Wine: the widget tests on Qt's
# offscreen platform, the end-to-end cases against towers.exe on a virtual X
# display, the installer and the package. Every one runs in one Wine prefix
# of its own, made before the first and removed after the last of them in a
# run of ctest, and one after the other: the prefix has one desktop, with one
# window in the foreground, and a test's display going away upsets a program
# on another.
set(TOWERS_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# Wine hides the host's QT_ variables from Windows programs, and hands on
# WINEQT_ ones under their QT_ names instead. Without a Windows console, Qt's
# test logger writes to the debugger; QT_FORCE_STDERR_LOGGING keeps it on the
# standard streams. On Windows, Qt's offscreen platform takes its fonts from
# one folder (QT_QPA_FONTDIR), which wineprefix.sh fills.
set(TOWERS_TEST_ENVIRONMENT
    "WINEPREFIX=${TOWERS_WINEPREFIX}" "WINEDEBUG=-all" "WINEQT_FORCE_STDERR_LOGGING=1"
    "WINEQT_QPA_FONTDIR=Z:${TOWERS_WINEPREFIX}/offscreen-fonts"
    "TOWERS_LAUNCHER=${CMAKE_CROSSCOMPILING_EMULATOR}" "TOWERS_QPA=windows")
function(towers_under_wine)
  set_tests_properties(${ARGN} PROPERTIES ENVIRONMENT "${TOWERS_TEST_ENVIRONMENT}"
    FIXTURES_REQUIRED wineprefix RESOURCE_LOCK wine_desktop)
endfunction()

add_test(NAME wine_prefix_make
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/wineprefix.sh make ${TOWERS_WINEPREFIX})
add_test(NAME wine_prefix_remove
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/wineprefix.sh remove ${TOWERS_WINEPREFIX})
set_tests_properties(wine_prefix_make PROPERTIES FIXTURES_SETUP wineprefix TIMEOUT 300)
set_tests_properties(wine_prefix_remove PROPERTIES FIXTURES_CLEANUP wineprefix)

# Every Wine process gets an X display, the widget tests too though they draw
# offscreen: the first window of a Wine server makes the desktop that all the
# later ones join, and a desktop made without a display shows none of them.
function(towers_platform_test name on_x)
  # A static Qt links only the plugins named; the default one is Windows'.
  qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
  set_target_properties(${name} PROPERTIES
    CROSSCOMPILING_EMULATOR "${TOWERS_VIRTUAL_DISPLAY};${CMAKE_CROSSCOMPILING_EMULATOR}")
  add_test(NAME ${name} COMMAND ${name})
  towers_under_wine(${name})
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT WINEQT_QPA_PLATFORM=offscreen)
endfunction()

# The helper that closes the window runs beside the display, on the Linux
# side: the host's compiler.
set(closewindow ${CMAKE_CURRENT_BINARY_DIR}/closewindow-x11)
add_custom_command(OUTPUT ${closewindow}
  COMMAND c++ -O2 -o ${closewindow} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/closewindow.cpp -lX11
  DEPENDS e2e/closewindow.cpp VERBATIM)
add_custom_target(closewindow ALL DEPENDS ${closewindow})

towers_e2e_cases(cases windows)
foreach(case IN LISTS cases)
  foreach(scale 1 2)
    add_test(NAME e2e_${case}_x${scale}
      COMMAND ${TOWERS_VIRTUAL_DISPLAY} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run.sh $<TARGET_FILE:towers>
              ${closewindow} ${case} ${scale})
    towers_under_wine(e2e_${case}_x${scale})
    set_tests_properties(e2e_${case}_x${scale} PROPERTIES TIMEOUT 180 LABELS e2e-windows)
  endforeach()
endforeach()

# The installer and the package, alone, as they wait for every Wine process
# of the prefix to end.
add_test(NAME windows_installer
  COMMAND ${TOWERS_VIRTUAL_DISPLAY} ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer.sh
          ${PROJECT_BINARY_DIR}/towers-${PROJECT_VERSION}-setup.exe)
add_test(NAME windows_msi
  COMMAND ${TOWERS_VIRTUAL_DISPLAY} ${CMAKE_CURRENT_SOURCE_DIR}/windows/msi.sh
          ${PROJECT_BINARY_DIR}/towers-${PROJECT_VERSION}.msi
          ${PROJECT_SOURCE_DIR}/packaging/windows/msi.sh ${TOWERS_WXS} $<TARGET_FILE:towers> ${TOWERS_ICO}
          ${TOWERS_SOURCE_DATE_EPOCH})
towers_under_wine(windows_installer windows_msi)
set_tests_properties(windows_installer windows_msi PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
# Alone too, as it builds the Windows files twice with every processor.
add_test(NAME windows_reproducible
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/reproducible.sh ${PROJECT_SOURCE_DIR}
          ${CMAKE_TOOLCHAIN_FILE} "${CMAKE_PREFIX_PATH}")
set_tests_properties(windows_reproducible PROPERTIES TIMEOUT 1500 RUN_SERIAL TRUE)

# What a Windows screen reader reads of the program, and hears after a move,
# through UI Automation, read by a client of ours; and that client reading
# while the pupil drags, a demonstration runs or the window closes. Under Wine
# 10 or later, which has UI Automation's client side: in our Debian 13 root
# on Debian 12 (uia-screen-reader.sh), in a Wine prefix of the test's own.
add_executable(uia-tree windows/uia-tree.cpp windows/uiautomation-client.h)
target_link_libraries(uia-tree PRIVATE ole32 oleaut32 shell32 uuid)
add_test(NAME windows_screen_reader
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/uia-screen-reader.sh $<TARGET_FILE:towers> $<TARGET_FILE:uia-tree>
          ${closewindow} screen_reader announcements uia_while_dragging uia_during_demo uia_while_closing)
set_tests_properties(windows_screen_reader PROPERTIES TIMEOUT 900 LABELS e2e-windows)
