# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs chmcmd on PROJECT_FILE, writing the help file into OUTPUT_DIR. chmcmd reports a
# link to a missing page or picture only as a warning; here it fails the build.
execute_process(
    COMMAND ${CHMCMD} --verbosity 1 ${PROJECT_FILE}
    WORKING_DIRECTORY ${OUTPUT_DIR}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error" OR errors MATCHES "Warning|Error")
    message(FATAL_ERROR "chmcmd could not compile ${PROJECT_FILE} cleanly:\n${output}${errors}")
endif()
