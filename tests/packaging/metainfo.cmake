# SPDX-FileCopyrightText: 2026 Heliodial developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the AppStream description the way the strictest validator run
# does, and fails on any issue it reports, pedantic hints included: the
# validator's exit code only counts errors and warnings.
#   cmake -DAPPSTREAMCLI=<program> -DMETAINFO=<file> -DSCREENSHOTS=<folder> -P metainfo.cmake
#
# One hint is accepted: the component ID has capital letters. The ID is the
# desktop entry's name, which the program also gives Qt as its desktop file
# name, and an AppStream ID must not change once it has been published.
cmake_minimum_required(VERSION 3.25)
set(accepted cid-contains-uppercase-letter)

execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net --explain ${METAINFO}
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejected ${METAINFO} (exit code ${result})")
endif()

# Issue lines read "<severity letter>: <component>:<line>: <tag> <hint>".
string(REGEX MATCHALL "(^|\n)[EWIP]: [^\n]*" issues "${report}")
set(unaccepted 0)
foreach(issue IN LISTS issues)
    string(STRIP "${issue}" issue)
    if(NOT issue MATCHES "^[EWIP]: [^ ]+ ([a-z0-9-]+)")
        message(SEND_ERROR "cannot read the validator's line: ${issue}")
        math(EXPR unaccepted "${unaccepted} + 1")
        continue()
    endif()
    if(NOT CMAKE_MATCH_1 IN_LIST accepted)
        message(SEND_ERROR "issue: ${issue}")
        math(EXPR unaccepted "${unaccepted} + 1")
    endif()
endforeach()
# Should the validator's format change, the summary line still tells.
if(NOT report MATCHES "Validation was successful")
    message(SEND_ERROR "the validator did not report success")
    math(EXPR unaccepted "${unaccepted} + 1")
endif()

# Every screenshot is one of the committed pictures, at its real size.
file(READ ${METAINFO} metainfo)
string(REGEX MATCHALL "<image[^>]*>[^<]*</image>" images "${metainfo}")
if(NOT images)
    message(SEND_ERROR "no screenshots in ${METAINFO}")
    math(EXPR unaccepted "${unaccepted} + 1")
endif()
foreach(image IN LISTS images)
    if(NOT image MATCHES "width=\"([0-9]+)\" height=\"([0-9]+)\">https://heliodial\\.org/screenshots/([a-z0-9-]+\\.png)<")
        message(SEND_ERROR "a screenshot's image is not described as expected: ${image}")
        math(EXPR unaccepted "${unaccepted} + 1")
        continue()
    endif()
    set(width ${CMAKE_MATCH_1})
    set(height ${CMAKE_MATCH_2})
    set(picture ${SCREENSHOTS}/${CMAKE_MATCH_3})
    if(NOT EXISTS ${picture})
        message(SEND_ERROR "${image} names no committed picture: ${picture}")
        math(EXPR unaccepted "${unaccepted} + 1")
        continue()
    endif()
    # A PNG's width and height are the big-endian words at bytes 16 to 23.
    file(READ ${picture} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 hexwidth)
    string(SUBSTRING "${header}" 8 8 hexheight)
    math(EXPR realwidth "0x${hexwidth}")
    math(EXPR realheight "0x${hexheight}")
    if(NOT width EQUAL realwidth OR NOT height EQUAL realheight)
        message(SEND_ERROR "${picture} is ${realwidth}x${realheight}, described as ${width}x${height}")
        math(EXPR unaccepted "${unaccepted} + 1")
    endif()
endforeach()

if(unaccepted)
    message(FATAL_ERROR "${unaccepted} problem(s) with ${METAINFO}")
endif()
