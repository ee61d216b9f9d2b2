# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The end-to-end cases of cases.sh, which every platform runs at scale 1 and
# 2, each against a freshly started program; and what each platform leaves out.
set(TOWERS_E2E_CASES startup window_manager_hints drags off_peg_drops step_back start_over disk_counts demo
  whole_game keyboard text_drag close_during_drag close_during_demo)

# A browser tab has no window manager to give hints to, and closing a tab
# ends no process with a status. Only a page can be reloaded with its server
# gone, or be uploaded in the wrong order (web.sh has those cases).
set(TOWERS_E2E_CASES_NOT_ON_THE_WEB window_manager_hints close_during_drag close_during_demo)
set(TOWERS_E2E_CASES_ONLY_ON_THE_WEB offline_reload healing_upload framed)

# The cases a platform runs.
function(towers_e2e_cases out platform)
  set(cases ${TOWERS_E2E_CASES})
  if(platform STREQUAL "web")
    list(REMOVE_ITEM cases ${TOWERS_E2E_CASES_NOT_ON_THE_WEB})
    list(APPEND cases ${TOWERS_E2E_CASES_ONLY_ON_THE_WEB})
  endif()
  set(${out} ${cases} PARENT_SCOPE)
endfunction()
