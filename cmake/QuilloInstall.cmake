# Installation and the Debian package.
#
#   PREFIX/lib/quillo/          the program directory: quillo, Config.ini (the
#                               shipped defaults), Language/, Skins/, Html/, Icon/
#   PREFIX/bin/quillo           a link to the program
#   PREFIX/bin/quillo-site      the content-tree tool for server operators
#   PREFIX/share/applications  the desktop entry
#   PREFIX/share/metainfo      the AppStream metainfo
#   PREFIX/share/icons/hicolor the application icon, 16 to 256 pixels
#
# An installed program directory is not writable for users, so the program
# keeps each user's Config.ini in $XDG_CONFIG_HOME/quillo/.

set(quillo_program_dir lib/quillo)

install(TARGETS quillo RUNTIME DESTINATION ${quillo_program_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/program/ DESTINATION ${quillo_program_dir})

# bin/quillo -> ../lib/quillo/quillo; the program finds its directory
# through /proc/self/exe, which names the link's target.
set(quillo_launcher ${PROJECT_BINARY_DIR}/launcher/quillo)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/launcher)
file(CREATE_LINK ../${quillo_program_dir}/quillo ${quillo_launcher} SYMBOLIC)
install(FILES ${quillo_launcher} DESTINATION bin)

install(TARGETS quillo-site RUNTIME DESTINATION bin)

set(quillo_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
install(FILES ${quillo_desktop_dir}/${QUILLO_APP_ID}.desktop DESTINATION share/applications)
configure_file(${quillo_desktop_dir}/${QUILLO_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/desktop/${QUILLO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/desktop/${QUILLO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${quillo_desktop_dir}/icons/hicolor DESTINATION share/icons)

# `make package` (cpack) builds the .deb. Library dependencies come from
# dpkg-shlibdeps; the packages the program needs at run time without linking
# them are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quillo developers")
set(CPACK_PACKAGE_CONTACT "The Quillo developers <quillo@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop client for the Quillo film and TV site")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillo shows the Quillo film and TV site in its own skinned windows,\n"
    "stays in the tray and takes its switches and texts from the site's\n"
    "content server. Includes quillo-site, a tool for content-server operators.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6webenginecore6-bin, qt6-qpa-plugins, xdg-utils, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
