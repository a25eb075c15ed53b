# SPDX-License-Identifier: GPL-3.0-or-later
# The outputs the chart tool's manual page shows in its examples, each the built tool's own output: a block
# between the lines '.\" output NAME' and '.\" end of output' is what NAME's command prints, in roff.
#   TOOL the built tessaline-chart   PAGE packaging/tessaline-chart.1.in
#   MODE check (a test: the page must show what the tool prints now) or update (rewrite the page's blocks):
#   cmake -DTOOL=build/release/cli/tessaline-chart -DPAGE=packaging/tessaline-chart.1.in -DMODE=update \
#         -P packaging/ManExamples.cmake
# NAME, then how many lines of the output (0: all) or a regular expression a shown line matches, then the
# options, all apart by "|".
set(birth "--name|ASHA RAO|--date|1975-06-15|--time|10:30")
set(examples "one-chart-json|10|${birth}|--zone|34|--lon|77E12|--lat|28N36|--json" "zones-ist|IST|--zones"
             "places|0|--places|springfield illinois" "place-json|24|${birth}|--place|New Delhi|--json"
             "progressions-csv|4|${birth}|--zone|34|--lon|77E12|--lat|28N36|--progressions|--csv"
             "transits-yours|in your|${birth}|--zone|34|--lon|77E12|--lat|28N36|--transits|2026-12-09 20:00")

function(roff_lines text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    # The characters beyond ASCII the examples hold, as groff names them.
    foreach(pair "°|\\(de" "·|\\[u00B7]" "→|\\[u2192]" "′|\\[u2032]" "−|\\[u2212]" "‘|\\[u2018]" "’|\\[u2019]")
        string(REPLACE "|" ";" pair "${pair}")
        list(GET pair 0 character)
        list(GET pair 1 name)
        string(REPLACE "${character}" "${name}" text "${text}")
    endforeach()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${PAGE}" page)
set(rewritten "${page}")
set(stale "")
foreach(example IN LISTS examples)
    string(REPLACE "|" ";" parts "${example}")
    list(POP_FRONT parts name shown)
    string(REPLACE "|" ";" options "${example}")
    list(REMOVE_AT options 0 1)
    execute_process(COMMAND "${TOOL}" ${options} OUTPUT_VARIABLE output RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "tessaline-chart ${options} failed (${result})")
    endif()
    string(REGEX REPLACE "\n$" "" output "${output}")
    if(output MATCHES ";")
        message(FATAL_ERROR "tessaline-chart ${options} prints a ';', which this script cannot show")
    endif()
    string(REPLACE "\n" ";" lines "${output}")
    set(kept "")
    set(count 0)
    foreach(line IN LISTS lines)
        if(shown MATCHES "^[0-9]+$")
            if(shown EQUAL 0 OR count LESS shown)
                list(APPEND kept "${line}")
            endif()
        elseif(line MATCHES "${shown}")
            list(APPEND kept "${line}")
        endif()
        math(EXPR count "${count} + 1")
    endforeach()
    string(REPLACE ";" "\n" kept "${kept}")
    roff_lines("${kept}" block)
    set(begin ".\\\" output ${name}\n")
    set(end ".\\\" end of output\n")
    string(FIND "${rewritten}" "${begin}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "The manual page has no block '.\\\" output ${name}'")
    endif()
    string(LENGTH "${begin}" begin_length)
    math(EXPR from "${at} + ${begin_length}")
    string(SUBSTRING "${rewritten}" ${from} -1 rest)
    string(FIND "${rest}" "${end}" to)
    string(SUBSTRING "${rest}" 0 ${to} current)
    string(SUBSTRING "${rest}" ${to} -1 after)
    string(SUBSTRING "${rewritten}" 0 ${from} before)
    if(NOT current STREQUAL "${block}\n")
        list(APPEND stale ${name})
    endif()
    set(rewritten "${before}${block}\n${after}")
endforeach()

if(MODE STREQUAL "update")
    if(NOT rewritten STREQUAL page)
        file(WRITE "${PAGE}" "${rewritten}")
    endif()
elseif(stale)
    message(FATAL_ERROR "The manual page's examples no longer show what the tool prints (${stale}): rewrite them with\n"
                        "  cmake -DTOOL=${TOOL} -DPAGE=<source>/packaging/tessaline-chart.1.in -DMODE=update "
                        "-P <source>/packaging/ManExamples.cmake")
endif()
