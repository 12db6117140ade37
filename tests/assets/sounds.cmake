# SPDX-License-Identifier: MIT
# The built music and sound effects: their names, format, length, level,
# silent edges and seamless loop, and the synthesiser that makes them.
velmora_gtest(sounds_tests assets
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/sounds_test.cpp
    LIBS velmora_media PkgConfig::SDL2_MIXER Qt6::Core
)
# The tests read the files where the game reads them and run the tool the
# build runs, so both must be built first.
add_dependencies(sounds_tests velmora_sounds wavsynth)
target_compile_definitions(sounds_tests PRIVATE
    VELMORA_BUILD_DIR="${PROJECT_BINARY_DIR}"
    VELMORA_SOUND_SOURCES="${PROJECT_SOURCE_DIR}/assets/sounds"
    VELMORA_WAVSYNTH="$<TARGET_FILE:wavsynth>"
)
