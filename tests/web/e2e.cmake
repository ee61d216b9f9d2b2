# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The end-to-end cases against the page, in Chromium on a virtual X display,
# at a device pixel ratio of 1 and of 2. Left out: window_manager_hints, as a
# browser tab has no window manager to give hints to, and close_during_drag
# and close_during_demo, as closing a tab ends no process with a status.
set(web_cases startup drags off_peg_drops step_back start_over disk_counts demo whole_game keyboard
  text_drag)
foreach(case IN LISTS web_cases)
  foreach(scale 1 2)
    add_test(NAME e2e_web_${case}_x${scale}
      COMMAND xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96 -nolisten local -noreset"
              ${CMAKE_CURRENT_SOURCE_DIR}/e2e/web.sh ${PROJECT_BINARY_DIR}/site ${case} ${scale})
    set_tests_properties(e2e_web_${case}_x${scale} PROPERTIES TIMEOUT 180 LABELS e2e-web)
  endforeach()
endforeach()

# The page on touch screens, in headless Chromium driven through its DevTools
# protocol, as a phone's or a tablet's browser shows it: the window whole and
# as large as fits, a finger's drags and taps.
add_test(NAME e2e_web_touch COMMAND ${NODE} ${CMAKE_CURRENT_SOURCE_DIR}/web/touch.mjs ${PROJECT_BINARY_DIR}/site)
set_tests_properties(e2e_web_touch PROPERTIES TIMEOUT 300 LABELS e2e-web)

# Installable, offline after the first visit, and replaced whole by a newer
# version; and the one-file page opened as a file.
add_test(NAME e2e_web_offline
  COMMAND ${NODE} ${CMAKE_CURRENT_SOURCE_DIR}/web/offline.mjs ${PROJECT_BINARY_DIR}/site
          ${PROJECT_SOURCE_DIR}/packaging/web/site.py)
add_test(NAME e2e_web_one_file COMMAND ${NODE} ${CMAKE_CURRENT_SOURCE_DIR}/web/onefile.mjs ${PROJECT_BINARY_DIR}/towers.html)
set_tests_properties(e2e_web_offline e2e_web_one_file PROPERTIES TIMEOUT 300 LABELS e2e-web)
