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
qt_add_resources(towerscore fonts PREFIX /fonts BASE ${font_dir} FILES ${TOWERS_SERIF_FONT}
  OPTIONS --format-version 1 --no-compress)

# Of Qt's plugins only the web platform: the program reads no images but its
# icon, which is built in as bare pixels.
qt_import_plugins(towers EXCLUDE_BY_TYPE imageformats)

# The page loads the program itself (page.js); Qt's own page is not used.
# towers_add_page(PROGRAM SITE) gathers a program's page in the folder SITE,
# named after the program (the benchmark's baseline has one too).
function(towers_add_page program site)
  file(READ ${web}/index.html page)
  string(REPLACE "towers" "${program}" page "${page}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${program}-index.html "${page}")
  set(program_dir $<TARGET_FILE_DIR:${program}>)
  add_custom_command(OUTPUT ${site}/${program}.wasm
    COMMAND ${CMAKE_COMMAND} -E make_directory ${site}
    COMMAND ${CMAKE_COMMAND} -E copy ${web}/page.js
            ${program_dir}/${program}.js ${program_dir}/${program}.wasm
            ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qtloader.js ${site}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/${program}-index.html
            ${site}/index.html
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/bg.informatika.towers.svg
            ${site}/${program}.svg
    DEPENDS ${program} ${web}/index.html ${web}/page.js
            ${PROJECT_SOURCE_DIR}/packaging/bg.informatika.towers.svg
    VERBATIM)
  add_custom_target(${program}_page ALL DEPENDS ${site}/${program}.wasm)
endfunction()

towers_add_page(towers ${CMAKE_CURRENT_BINARY_DIR}/site)
