# SPDX-FileCopyrightText: 2026 The Tallisk developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# cmake -DPROGRAM=path/to/tallisk -P NoTestHook.cmake
# Fails when the shipped window program could change what it does for a test: when it carries
# the name of a test variable (TALLISK_TEST_..., in any case), or imports one of Qt's functions
# that read the environment (the program itself needs none; Qt reads its own variables inside
# its libraries, not through these imports).
if(NOT EXISTS "${PROGRAM}")
    message(FATAL_ERROR "no program at '${PROGRAM}'")
endif()

file(STRINGS "${PROGRAM}" hook_names REGEX "[Tt][Aa][Ll][Ll][Ii][Ss][Kk]_[Tt][Ee][Ss][Tt]")
file(STRINGS "${PROGRAM}" environment_readers
    REGEX "qEnvironmentVariable|qgetenv|qputenv|QProcessEnvironment")

if(hook_names OR environment_readers)
    list(JOIN hook_names "\n  " hook_text)
    list(JOIN environment_readers "\n  " reader_text)
    message(FATAL_ERROR "${PROGRAM} has a test hook:\n  ${hook_text}\n  ${reader_text}")
endif()
message(STATUS "${PROGRAM}: no test hook")
