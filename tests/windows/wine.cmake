# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every Windows test runs in one Wine prefix of its own, made before the first
# and removed after the last of them in a run of ctest.
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
set(TOWERS_TEST_FIXTURES wineprefix)
# One after the other: the prefix has one desktop, with one window in the
# foreground, and a test's display going away upsets a program on another.
set(TOWERS_TEST_LOCK wine_desktop)

# Every Wine process gets an X display, the widget tests too though they draw
# offscreen: the first window of a Wine server makes the desktop that all the
# later ones join, and a desktop made without a display shows none of them.
set(TOWERS_WINE_ON_A_DISPLAY
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten local -noreset" ${CMAKE_CROSSCOMPILING_EMULATOR})

add_test(NAME wine_prefix_make
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/wineprefix.sh make ${TOWERS_WINEPREFIX})
add_test(NAME wine_prefix_remove
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/wineprefix.sh remove ${TOWERS_WINEPREFIX})
set_tests_properties(wine_prefix_make PROPERTIES FIXTURES_SETUP wineprefix TIMEOUT 300)
set_tests_properties(wine_prefix_remove PROPERTIES FIXTURES_CLEANUP wineprefix)
