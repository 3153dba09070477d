# SPDX-FileCopyrightText: 2026 Heliodial developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the manual page as man and groff do and fails on any warning they
# give, or on a page they cannot format at all. man runs as the Debian
# package checks run it: in a bare UTF-8 environment, with the warnings man
# pages most often trip over; groff adds every other warning it knows, and
# mandoc, where it is installed, the structure neither checks (blocks closed
# that were never opened, empty paragraphs and links).
#   cmake -DMAN=<program> -DGROFF=<program> [-DMANDOC=<program>] -DPAGE=<file>
#         [-DSECTIONS=<list>] -P manpage.cmake
set(problems 0)

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=MANOPT --unset=GROFF_TMAC_PATH
        LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
        ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
    RESULT_VARIABLE result OUTPUT_VARIABLE formatted ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR NOT formatted OR warnings)
    message(SEND_ERROR "man (exit code ${result}) on ${PAGE}:\n${warnings}")
    math(EXPR problems "${problems} + 1")
endif()

execute_process(COMMAND ${GROFF} -man -ww -z ${PAGE}
    RESULT_VARIABLE result ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR warnings)
    message(SEND_ERROR "groff (exit code ${result}) on ${PAGE}:\n${warnings}")
    math(EXPR problems "${problems} + 1")
endif()

if(MANDOC)
    execute_process(COMMAND ${MANDOC} -Tlint -Wwarning ${PAGE}
        RESULT_VARIABLE result OUTPUT_VARIABLE warnings ERROR_VARIABLE warnings)
    if(NOT result EQUAL 0 OR warnings)
        message(SEND_ERROR "mandoc (exit code ${result}) on ${PAGE}:\n${warnings}")
        math(EXPR problems "${problems} + 1")
    endif()
endif()

# The sections a reader looks for.
if(NOT SECTIONS)
    set(SECTIONS NAME SYNOPSIS DESCRIPTION FILES ENVIRONMENT "EXIT STATUS" "SEE ALSO")
endif()
file(READ ${PAGE} page)
foreach(section ${SECTIONS})
    if(NOT page MATCHES "\n\\.SH \"?${section}\"?\n")
        message(SEND_ERROR "${PAGE} has no ${section} section")
        math(EXPR problems "${problems} + 1")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${problems} problem(s) with ${PAGE}")
endif()
