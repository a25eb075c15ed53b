# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the chart tool's manual page.
#   TOOL   the built tessaline-chart     PAGE   the roff source     GROFF  groff, if found
#   README the project's README
# Every long option that "tessaline-chart --help" lists must have an entry in OPTIONS, the exit statuses
# must be those of the README's list, and groff must format the page without warnings.
execute_process(COMMAND "${TOOL}" --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} --help failed")
endif()
file(READ "${PAGE}" page)
# An option has an entry when it is named in the term line after a .TP.
string(REGEX MATCHALL "\\.TP\n[^\n]*" terms "${page}")
string(REPLACE "\\-" "-" terms "${terms}")
string(APPEND terms ";")
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${help}")
list(REMOVE_DUPLICATES options)
set(undocumented "")
foreach(option IN LISTS options)
    if(NOT terms MATCHES "[ \n]${option}[ \";]")
        string(APPEND undocumented " ${option}")
    endif()
endforeach()
if(undocumented)
    message(FATAL_ERROR "Options without an entry in the manual page:${undocumented}")
endif()

if(GROFF)
    execute_process(COMMAND "${GROFF}" -man -Tutf8 -ww -z "${PAGE}" ERROR_VARIABLE warnings RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR warnings)
        message(FATAL_ERROR "groff reports:\n${warnings}")
    endif()
endif()
# The statuses under EXIT STATUS (".TP" then ".B N") against the README's "Exit codes: 0 ..., 1 ..." list.
string(REGEX MATCH "\\.SH EXIT STATUS\n.*" exit_section "${page}")
string(REGEX REPLACE "\n\\.SH [^\n]*\n.*" "" exit_section "${exit_section}")
string(REGEX MATCHALL "\\.TP\n\\.B [0-9]+" page_statuses "${exit_section}")
string(REGEX REPLACE "\\.TP\n\\.B " "" page_statuses "${page_statuses}")
file(READ "${README}" readme)
string(REGEX MATCH "- Exit codes:[^\n]*(\n  [^\n]*)*" readme_codes "${readme}")
string(REGEX MATCHALL "(: |, )[0-9]+ " readme_statuses "${readme_codes}")
string(REGEX REPLACE "(: |, )([0-9]+) " "\\2" readme_statuses "${readme_statuses}")
if(NOT page_statuses STREQUAL readme_statuses OR NOT page_statuses)
    message(FATAL_ERROR "Exit statuses differ: the manual page lists '${page_statuses}', the README '${readme_statuses}'")
endif()

list(LENGTH options count)
message(STATUS "The manual page documents all ${count} options")
