# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Two builds of one commit, in any two folders, give the same bytes: no build
# path in the binaries, and every file time in the package that of the commit.

add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                    -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)

# A packager's own SOURCE_DATE_EPOCH wins; else the last commit's time, from
# git in a clone, or as git archive wrote it into a source tarball.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TOWERS_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE TOWERS_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET RESULT_VARIABLE git_failed)
  if(git_failed OR NOT TOWERS_SOURCE_DATE_EPOCH)
    file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/commit-time TOWERS_SOURCE_DATE_EPOCH
         REGEX "^[0-9]+$")
  endif()
endif()

# CPack stamps the archives' members with SOURCE_DATE_EPOCH when it is set in
# its own environment, which this file, read by cpack, sets.
if(TOWERS_SOURCE_DATE_EPOCH)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake
       CONTENT "set(ENV{SOURCE_DATE_EPOCH} @TOWERS_SOURCE_DATE_EPOCH@)\n" @ONLY)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake)
else()
  message(WARNING "No commit time found: the package will carry the build's file times")
endif()

# Folders made by the install, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
