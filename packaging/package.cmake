# The Debian package, built by `cpack -G DEB` in the build folder. It holds
# the default install layout under /usr, the layout of Debian's own games.
# With VELMORA_FLAT_INSTALL, `cpack -G TGZ` makes instead a tarball of one
# folder that plays wherever it is unpacked.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <velmora@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vampire courts a maiden in a small gothic game")
set(CPACK_PACKAGE_DESCRIPTION
    "You are a vampire courting a maiden: bite her, whisper words of love, or\n"
    "simply behave, and read her mood from her face before you act. Thirty-one\n"
    "nights, three difficulties, five endings. The game speaks Japanese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/velmora/velmora)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
if(VELMORA_FLAT_INSTALL)
    set(CPACK_GENERATOR TGZ)
else()
    set(CPACK_GENERATOR DEB)
    # Whatever prefix the build was configured for, the package's files live
    # where Debian's do. CPack stages them through DESTDIR, so the desktop
    # entry, written at install time, names this prefix.
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what the executable links; what it only loads at run
# time is named by hand: the display plug-ins beyond X11 and the Japanese font
# every text of the game is set in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")

include(CPack)
