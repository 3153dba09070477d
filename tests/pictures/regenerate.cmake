# SPDX-FileCopyrightText: 2026 Heliodial developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a picture-making program into a fresh folder, then compares what it
# made with the committed pictures.
#   cmake -DMAKER=<program> -DOUTPUT=<folder> -DEXPECTED=<folder> -DCOMPARE=<program> -P regenerate.cmake
file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${MAKER} ${OUTPUT} RESULT_VARIABLE made OUTPUT_QUIET)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "${MAKER} failed: ${made}")
endif()
execute_process(COMMAND ${COMPARE} ${EXPECTED} ${OUTPUT} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
    message(FATAL_ERROR "the pictures made differ from ${EXPECTED}")
endif()
