# SPDX-License-Identifier: MIT
# The install layout, Debian's for games: the executable in the games folder
# and its pictures and sounds in VELMORA_DATADIR, which the game has written
# into it. That folder is absolute, so the data always lands where the game
# looks, whatever prefix an install is given later. The build folder itself
# is the other layout: the executable with its files beside it, to play in
# place.

# The 23 files the build puts beside the executable, as the asset folders
# name them.
get_property(velmora_picture_files DIRECTORY ${PROJECT_SOURCE_DIR}/assets/pictures PROPERTY velmora_picture_outputs)
get_directory_property(velmora_sound_files DIRECTORY ${PROJECT_SOURCE_DIR}/assets/sounds DEFINITION velmora_sound_files)
set(velmora_asset_files ${velmora_picture_files} ${velmora_sound_files})

set(VELMORA_INSTALL_GAMESDIR games)
install(TARGETS velmora RUNTIME DESTINATION ${VELMORA_INSTALL_GAMESDIR})
install(FILES ${velmora_asset_files} DESTINATION ${VELMORA_DATADIR})
# Pictures whose words are drawn in another language, each in its
# language's folder.
get_property(velmora_language_pictures DIRECTORY ${PROJECT_SOURCE_DIR}/assets/pictures
             PROPERTY velmora_language_picture_outputs)
foreach(picture IN LISTS velmora_language_pictures)
    cmake_path(GET picture PARENT_PATH folder)
    cmake_path(GET folder FILENAME language)
    install(FILES ${picture} DESTINATION ${VELMORA_DATADIR}/${language})
endforeach()

# The desktop runs the game by its absolute path, since the games folder is
# not on every user's PATH. The prefix is only known for sure when installing
# (a package build installs under another one), so the entry is written then.
install(CODE "set(VELMORA_APP_ID ${VELMORA_APP_ID})
    set(desktopTemplate \"${CMAKE_CURRENT_SOURCE_DIR}/${VELMORA_APP_ID}.desktop.in\")
    set(desktopEntry \"${CMAKE_CURRENT_BINARY_DIR}/${VELMORA_APP_ID}.desktop\")
    set(launcher \"${VELMORA_INSTALL_GAMESDIR}/velmora\")
    set(applicationsDir \"${CMAKE_INSTALL_DATADIR}/applications\")")
install(CODE [[
    set(VELMORA_LAUNCHER "${CMAKE_INSTALL_PREFIX}/${launcher}")
    configure_file("${desktopTemplate}" "${desktopEntry}" @ONLY)
    file(INSTALL "${desktopEntry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${applicationsDir}")
]])
install(FILES ${VELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(velmora.6.in velmora.6 @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velmora.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The manual in Japanese, where man -L ja looks.
configure_file(velmora.ja.6.in velmora.ja.6 @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velmora.ja.6 RENAME velmora.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man6)

# The window's own icon, under the application's id in the icon theme.
get_directory_property(icon_sizes DIRECTORY ${PROJECT_SOURCE_DIR}/screen/icon DEFINITION VELMORA_ICON_SIZES)
set(icon_build_dir ${PROJECT_BINARY_DIR}/screen/icon)
foreach(size IN LISTS icon_sizes)
    install(FILES ${icon_build_dir}/${size}.png RENAME ${VELMORA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${icon_build_dir}/velmora.svg RENAME ${VELMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
