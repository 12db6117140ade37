# SPDX-License-Identifier: MIT
# Included before any library is defined when VELMORA_BUILD_FUZZ is on: every
# library the fuzz targets link is built with libFuzzer's coverage and with
# AddressSanitizer and UndefinedBehaviorSanitizer, so that a bad read in the
# game's own code stops the run at the input that caused it.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELMORA_BUILD_FUZZ needs clang (libFuzzer), for example "
                        "-DCMAKE_CXX_COMPILER=clang++-14; this is ${CMAKE_CXX_COMPILER_ID}")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
