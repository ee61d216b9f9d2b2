# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program in a web page: its font built in, as a browser shows it none of
# the system's, and the page's files gathered in site/, ready for any server.
set(web ${CMAKE_CURRENT_SOURCE_DIR}/packaging/web)

# Liberation 2 is in liberation2/ on Debian 12 and in liberation/ on Debian 13.
find_file(TOWERS_SERIF_FONT LiberationSerif-Regular.ttf REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation)
cmake_path(GET TOWERS_SERIF_FONT PARENT_PATH font_dir)
qt_add_resources(towersui fonts PREFIX /fonts BASE ${font_dir} FILES ${TOWERS_SERIF_FONT}
  OPTIONS --format-version 1 --no-compress)

# Of Qt's plugins only the web platform: the program reads no images but its
# icon, which is built in as bare pixels.
qt_import_plugins(towers EXCLUDE_BY_TYPE imageformats)

# The page loads the program itself (page.js); Qt's own page is not used.
# towers_add_page(PROGRAM SITE [ONE_FILE]) gathers a program's page in the
# folder SITE, named after the program (the benchmark's baseline has one too),
# the worker that retires it in SITE/../retire, and, given ONE_FILE, the whole
# page in that one HTML file (site.py).
find_program(PYTHON3 python3 REQUIRED)

# The oldest browsers a school still has: Chrome 109 and Firefox ESR 115, the
# last on Windows 7 and 8.1, and Safari 15.6, where iPads stop that cannot
# take iPadOS 16. emscripten writes Safari's version as MMmmpp.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${web}/oldest-browsers.json)
file(READ ${web}/oldest-browsers.json oldest)
string(JSON TOWERS_OLDEST_CHROME GET "${oldest}" chrome)
string(JSON TOWERS_OLDEST_FIREFOX GET "${oldest}" firefox)
string(JSON safari GET "${oldest}" safari)
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)$" safari "${safari}")
math(EXPR TOWERS_OLDEST_SAFARI "${CMAKE_MATCH_1} * 10000 + ${CMAKE_MATCH_2} * 100")
function(towers_add_page program site)
  # The page runs under a strict security policy, which allows compiling
  # WebAssembly but no JavaScript made at run time, as emscripten's bindings
  # otherwise make for speed.
  target_link_options(${program} PRIVATE -sDYNAMIC_EXECUTION=0)
  # emscripten's own output runs in the oldest browsers the page must run in,
  # as the page's own scripts are checked to (tests/web/compat.sh).
  target_link_options(${program} PRIVATE -sMIN_CHROME_VERSION=${TOWERS_OLDEST_CHROME}
    -sMIN_FIREFOX_VERSION=${TOWERS_OLDEST_FIREFOX} -sMIN_SAFARI_VERSION=${TOWERS_OLDEST_SAFARI})
  set(page_sources ${web}/site.py ${web}/index.html ${web}/page.js ${web}/page.css ${web}/sw.js
    ${web}/sw-retire.js ${web}/manifest.webmanifest ${PROJECT_SOURCE_DIR}/packaging/icon.svg
    ${PROJECT_SOURCE_DIR}/packaging/icons/192.png ${PROJECT_SOURCE_DIR}/packaging/icons/512.png)
  cmake_path(GET site PARENT_PATH folder)
  set(one_file)
  if(ARGN)
    set(one_file --one-file ${ARGN})
  endif()
  add_custom_command(OUTPUT ${site}/index.html ${folder}/retire/sw.js ${ARGN}
    COMMAND ${PYTHON3} ${web}/site.py --design-facts ${TOWERS_DESIGN_FACTS} --title ${TOWERS_WINDOW_TITLE}
            --name ${TOWERS_DISPLAY_NAME} --summary ${TOWERS_SUMMARY} --retire ${folder}/retire ${one_file}
            $<TARGET_FILE_DIR:${program}>/${program}.js
            ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qtloader.js ${site}
    DEPENDS ${program} ${page_sources} designfacts ${TOWERS_DESIGN_FACTS}
    VERBATIM)
  add_custom_target(${program}_page ALL DEPENDS ${site}/index.html ${ARGN})
endfunction()

# Qt writes a page of its own beside a program, named after it, each time
# CMake configures. The program is linked into a folder of its own, so that
# Qt's page never replaces the one-file page, which a build would then take
# for up to date.
set_target_properties(towers PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/program)
towers_add_page(towers ${CMAKE_CURRENT_BINARY_DIR}/site ${CMAKE_CURRENT_BINARY_DIR}/towers.html)
