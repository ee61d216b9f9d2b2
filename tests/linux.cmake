# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The tests on Linux: widget tests on Qt's offscreen platform, or on a virtual
# X display where they need a real platform; the end-to-end cases against the
# built program on a virtual X display, on a Wayland desktop and through a
# screen reader's bus; the package's checks.

function(towers_platform_test name on_x)
  if(on_x)
    add_test(NAME ${name} COMMAND ${TOWERS_VIRTUAL_DISPLAY} $<TARGET_FILE:${name}>)
    set(platform QT_QPA_PLATFORM=xcb)
  else()
    add_test(NAME ${name} COMMAND ${name})
    set(platform QT_QPA_PLATFORM=offscreen)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${platform};${TOWERS_TEST_ENVIRONMENT}")
endfunction()

find_package(X11 REQUIRED)
add_executable(closewindow e2e/closewindow.cpp)
target_link_libraries(closewindow PRIVATE X11::X11)

towers_e2e_cases(cases linux)
foreach(case IN LISTS cases)
  foreach(scale 1 2)
    add_test(NAME e2e_${case}_x${scale}
      COMMAND ${TOWERS_VIRTUAL_DISPLAY} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run.sh $<TARGET_FILE:towers>
              $<TARGET_FILE:closewindow> ${case} ${scale})
    set_tests_properties(e2e_${case}_x${scale} PROPERTIES
      TIMEOUT 180 LABELS e2e ENVIRONMENT "${TOWERS_TEST_ENVIRONMENT}")
  endforeach()
endforeach()

# A Wayland desktop, as GNOME's: weston with XWayland, and Qt's Wayland
# platform installed beside its X one.
add_test(NAME e2e_wayland COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wayland.sh $<TARGET_FILE:towers> wayland)
# What a screen reader reads through AT-SPI, on a private accessibility bus.
add_test(NAME e2e_screen_reader
  COMMAND ${TOWERS_VIRTUAL_DISPLAY} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/screen-reader.sh
          ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run.sh $<TARGET_FILE:towers> none screen_reader 1)
set_tests_properties(e2e_wayland e2e_screen_reader PROPERTIES
  TIMEOUT 180 LABELS e2e ENVIRONMENT "${TOWERS_TEST_ENVIRONMENT}")

# The package and the launcher files; not in the sanitizer build, whose binary
# is not shipped. And the links between the README and docs/.
if(NOT TOWERS_SANITIZE)
  add_test(NAME docs_links COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/docs-links.py ${PROJECT_SOURCE_DIR})
  add_test(NAME package_files_validate
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/validate.sh
            ${DESKTOP_FILE} ${METAINFO})
  add_test(NAME package_deb
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/deb.sh ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(package_deb PROPERTIES TIMEOUT 300)
  add_test(NAME package_reproducible
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/reproducible.sh ${PROJECT_SOURCE_DIR})
  set_tests_properties(package_reproducible PROPERTIES TIMEOUT 900)
  # Every file of the tree says under which licence and whose it is.
  add_test(NAME licensing_reuse_lint COMMAND reuse --root ${PROJECT_SOURCE_DIR} lint)
endif()
