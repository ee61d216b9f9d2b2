# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by cpack after it made the .deb. CPack copies the builder's umask into
# the modes of the archive's three members; ar's deterministic mode writes
# them again as root's 0644, time 0, as dpkg-deb itself would, so that the
# package's bytes do not depend on who built it.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(work ${deb}.members)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work})
  execute_process(COMMAND ar x ${deb} WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${deb})
  execute_process(COMMAND ar rcSD ${deb} debian-binary control.tar.gz data.tar.gz
                  WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${work})
endforeach()
