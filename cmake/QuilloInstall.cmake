# Installation and the Debian package.
#
#   PREFIX/lib/quillo/          the program directory: quillo, Config.ini (the
#                               shipped defaults), Language/, Skins/, Html/, Icon/
#   PREFIX/bin/quillo           a link to the program
#   PREFIX/bin/quillo-site      the content-tree tool for server operators
#   PREFIX/share/applications  the desktop entry
#   PREFIX/share/metainfo      the AppStream metainfo
#   PREFIX/share/icons/hicolor the application icon, 16 to 256 pixels
#   PREFIX/share/man/man1      quillo.1.gz and quillo-site.1.gz
#   PREFIX/share/doc/quillo    copyright (from LICENSE) and changelog.Debian.gz
#
# The program directory installed holds the marker file INSTALLATION: the
# program then never writes there, even run as root, and keeps each user's
# Config.ini in $XDG_CONFIG_HOME/quillo/. A copy without the marker (the
# build tree, an unpacked folder) is portable and keeps its own Config.ini.

set(quillo_program_dir lib/quillo)
set(quillo_contact "The Quillo developers <quillo@example.com>")

install(TARGETS quillo RUNTIME DESTINATION ${quillo_program_dir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/program/ DESTINATION ${quillo_program_dir})
# The name is kInstallationMarker of src/platform/linux/config_location.hpp.
file(WRITE ${PROJECT_BINARY_DIR}/install/INSTALLATION
     "This directory belongs to an installation of Quillo: the program never\n"
     "writes here. Each user's settings live in $XDG_CONFIG_HOME/quillo/Config.ini\n"
     "(~/.config/quillo/Config.ini), created from the Config.ini beside this file.\n")
install(FILES ${PROJECT_BINARY_DIR}/install/INSTALLATION DESTINATION ${quillo_program_dir})

# bin/quillo -> ../lib/quillo/quillo; the program finds its directory
# through /proc/self/exe, which names the link's target.
set(quillo_launcher ${PROJECT_BINARY_DIR}/launcher/quillo)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/launcher)
file(CREATE_LINK ../${quillo_program_dir}/quillo ${quillo_launcher} SYMBOLIC)
install(FILES ${quillo_launcher} DESTINATION bin)

install(TARGETS quillo-site RUNTIME DESTINATION bin)

# The licence: stated once, in LICENSE, whose first line names it
# ("SPDX-License-Identifier: NAME") for the metainfo and the copyright file.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE quillo_license_text)
if(NOT quillo_license_text MATCHES "^SPDX-License-Identifier: ([^\n]+)\n\n")
    message(FATAL_ERROR "LICENSE must start with 'SPDX-License-Identifier: NAME' and a blank line")
endif()
set(QUILLO_LICENSE ${CMAKE_MATCH_1})
string(LENGTH "${CMAKE_MATCH_0}" quillo_license_head)
string(SUBSTRING "${quillo_license_text}" ${quillo_license_head} -1 quillo_license_text)
# Machine-readable copyright: the licence text as a continuation field, its
# blank lines written " .".
string(STRIP "${quillo_license_text}" quillo_license_text)
string(REGEX REPLACE "\n\n" "\n.\n" quillo_license_text "${quillo_license_text}")
string(REGEX REPLACE "\n" "\n " quillo_license_text "${quillo_license_text}")
string(TIMESTAMP quillo_year "%Y" UTC)
file(WRITE ${PROJECT_BINARY_DIR}/doc/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: Quillo\n"
     "Upstream-Contact: ${quillo_contact}\n"
     "Source: https://www.example.com/\n"
     "\n"
     "Files: *\n"
     "Copyright: ${quillo_year} The Quillo developers\n"
     "License: ${QUILLO_LICENSE}\n"
     "\n"
     "License: ${QUILLO_LICENSE}\n"
     " ${quillo_license_text}\n")
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright DESTINATION share/doc/quillo)

# changelog.Debian.gz, one entry for the version, dated by the last commit
# (the configure time outside a git checkout).
set(quillo_package_release 1)
execute_process(COMMAND git log -1 --format=%cD
                WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE quillo_changelog_date
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE quillo_git_failed)
if(quillo_git_failed OR quillo_changelog_date STREQUAL "")
    string(TIMESTAMP quillo_changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
file(WRITE ${PROJECT_BINARY_DIR}/doc/changelog.Debian
     "quillo (${PROJECT_VERSION}-${quillo_package_release}) unstable; urgency=medium\n"
     "\n"
     "  * Quillo ${PROJECT_VERSION}.\n"
     "\n"
     " -- ${quillo_contact}  ${quillo_changelog_date}\n")
find_program(QUILLO_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz
    COMMAND ${QUILLO_GZIP} -9nf ${PROJECT_BINARY_DIR}/doc/changelog.Debian
            -c > ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz
    DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog.Debian
    VERBATIM)

# Manual pages, made by help2man from each program's --help and --version.
find_program(QUILLO_HELP2MAN help2man REQUIRED)
set(quillo_manual_pages)
foreach(page IN ITEMS quillo quillo-site)
    if(page STREQUAL "quillo")
        set(summary "desktop client for the Quillo film and TV site")
        set(include ${PROJECT_SOURCE_DIR}/resources/man/quillo.h2m)
    else()
        set(summary "check and write the content tree of a Quillo content server")
        set(include ${PROJECT_SOURCE_DIR}/resources/man/quillo-site.h2m)
    endif()
    set(out ${PROJECT_BINARY_DIR}/doc/${page}.1)
    add_custom_command(OUTPUT ${out}.gz
        COMMAND ${QUILLO_HELP2MAN} --no-info --section=1 --name=${summary}
                --include=${include} --output=${out} $<TARGET_FILE:${page}>
        COMMAND ${QUILLO_GZIP} -9nf ${out}
        DEPENDS ${page} ${include}
        VERBATIM)
    list(APPEND quillo_manual_pages ${out}.gz)
endforeach()
add_custom_target(quillo_package_docs ALL
    DEPENDS ${quillo_manual_pages} ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz)
install(FILES ${quillo_manual_pages} DESTINATION share/man/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.Debian.gz DESTINATION share/doc/quillo)

# What lintian reports about the package by design, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/resources/lintian/quillo DESTINATION share/lintian/overrides)

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
set(CPACK_PACKAGE_CONTACT ${quillo_contact})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop client for the Quillo film and TV site")
# One string: a set() of several strings would make a list, whose ';'
# separators end up at the start of the description's lines. CPack puts the
# summary above it and indents it as the control file wants.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillo shows the Quillo film and TV site in its own skinned windows,\n"
    "stays in the tray and takes its switches and texts from the site's\n"
    "content server.\n"
    "\n"
    "Includes quillo-site, a tool for content-server operators.")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${quillo_package_release})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6webenginecore6-bin, qt6-qpa-plugins, xdg-utils, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
