# SPDX-License-Identifier: MIT
# The built pictures and the renderer that builds them.
velmora_gtest(pictures_tests assets
    SOURCES pictures_test.cpp svginliner_test.cpp
    LIBS velmora_svg2bmp
    QT)
target_compile_definitions(pictures_tests PRIVATE
    VELMORA_BUILD_DIR="${PROJECT_BINARY_DIR}"
    VELMORA_PICTURE_SOURCES="${PROJECT_SOURCE_DIR}/assets/pictures"
    VELMORA_SVG2BMP="$<TARGET_FILE:svg2bmp>")
add_dependencies(pictures_tests velmora_pictures svg2bmp)
