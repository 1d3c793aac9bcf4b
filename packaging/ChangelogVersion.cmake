# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails unless the changelog's top entry is "bellmora (VERSION)".
file(STRINGS ${CHANGELOG} top LIMIT_COUNT 1)
if(NOT top MATCHES "^bellmora \\(([^)]*)\\) ")
    message(FATAL_ERROR "The changelog does not begin with an entry: ${top}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "The changelog's top entry is ${CMAKE_MATCH_1}; the program is ${VERSION}")
endif()
