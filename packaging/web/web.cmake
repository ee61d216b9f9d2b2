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
set(site ${CMAKE_CURRENT_BINARY_DIR}/site)
set(program_dir $<TARGET_FILE_DIR:towers>)
set(site_files ${site}/index.html ${site}/page.js ${site}/towers.svg
               ${site}/qtloader.js ${site}/towers.js ${site}/towers.wasm)
add_custom_command(OUTPUT ${site_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${site}
  COMMAND ${CMAKE_COMMAND} -E copy ${web}/index.html ${web}/page.js
          ${program_dir}/towers.js ${program_dir}/towers.wasm
          ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qtloader.js ${site}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/packaging/bg.informatika.towers.svg
          ${site}/towers.svg
  DEPENDS towers ${web}/index.html ${web}/page.js
          ${CMAKE_CURRENT_SOURCE_DIR}/packaging/bg.informatika.towers.svg
  VERBATIM)
add_custom_target(site ALL DEPENDS ${site_files})
