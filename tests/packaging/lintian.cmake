# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from the built tree, as `cpack -G DEB` does, into
# a folder of its own, and checks it the way a distribution checks a package:
# lintian must report no error and no warning. Beyond them it fails on the
# hardening tags, which lintian only reports as information (a package built
# without the release preset's hardening flags), and on overrides that no
# longer match anything. It also checks what lintian cannot see from the
# package alone: every override says why, and the changelog's newest entry is
# the project's version.
# Without lintian it says so and skips; the other checks still run.
#   cmake -DCPACK=<program> -DCPACK_CONFIG=<CPackConfig.cmake> -DWORKDIR=<folder>
#         -DVERSION=<version> -DCHANGELOG=<file> -DOVERRIDES=<file> -P lintian.cmake
cmake_minimum_required(VERSION 3.25)
set(problems 0)

# The changelog's newest entry reads "heliodial (<version>) <distribution>; ...".
file(STRINGS ${CHANGELOG} heading LIMIT_COUNT 1)
if(NOT heading MATCHES "^heliodial \\(([^)]+)\\) ")
    message(SEND_ERROR "cannot read the newest entry of ${CHANGELOG}: ${heading}")
    math(EXPR problems "${problems} + 1")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(SEND_ERROR "${CHANGELOG}'s newest entry is version ${CMAKE_MATCH_1}, "
                       "the project's version is ${VERSION}: add an entry")
    math(EXPR problems "${problems} + 1")
endif()

# An override is allowed only under a comment saying why: every group of
# override lines comes straight after a comment.
file(STRINGS ${OVERRIDES} lines)
set(explained FALSE)
foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#")
        set(explained TRUE)
    elseif(line MATCHES "^[ \t]*$")
        set(explained FALSE)
    elseif(NOT explained)
        message(SEND_ERROR "${OVERRIDES}: an override without a comment saying why: ${line}")
        math(EXPR problems "${problems} + 1")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${problems} problem(s) with the package's files")
endif()

find_program(LINTIAN lintian)
if(NOT LINTIAN)
    # The test's SKIP_REGULAR_EXPRESSION.
    message("lintian is not installed: the package is not checked")
    return()
endif()

file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${CPACK_CONFIG} -B ${WORKDIR}
    WORKING_DIRECTORY ${WORKDIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages ${WORKDIR}/*.deb)
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack (exit code ${result}) made ${count} package(s):\n${output}")
endif()

# Information tags shown too, for the ones that fail below; no configuration
# file, so that a user's settings change nothing.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
        ${LINTIAN} --no-cfg --fail-on error,warning --display-info
        ${packages}
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE errors)
message("lintian ${packages}:\n${report}${errors}")
if(NOT result EQUAL 0)
    message(SEND_ERROR "lintian failed (exit code ${result})")
    math(EXPR problems "${problems} + 1")
endif()
# Tag lines read "<severity letter>: <package>[ <type>]: <tag> [<context>]".
string(REGEX MATCHALL "(^|\n)[EWIPXO]: [^\n]*" tags "${report}")
foreach(tag IN LISTS tags)
    string(STRIP "${tag}" tag)
    if(tag MATCHES "^[EW]: "
       OR tag MATCHES "^[A-Z]: [^:]+: (hardening-[a-z-]+|unused-override|mismatched-override)( |$)")
        message(SEND_ERROR "${tag}")
        math(EXPR problems "${problems} + 1")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${problems} problem(s) with ${packages}")
endif()
file(REMOVE_RECURSE ${WORKDIR})
