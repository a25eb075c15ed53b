# Checks the chart tool's manual page.
#   TOOL   the built tessaline-chart     PAGE   the roff source     GROFF  groff, if found
# Every long option that "tessaline-chart --help" lists must have an entry in OPTIONS, and groff must format
# the page without warnings.
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
list(LENGTH options count)
message(STATUS "The manual page documents all ${count} options")
