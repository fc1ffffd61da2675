# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs sakana like a Linux desktop program and packs it as a Debian
# package with CPack. Included once from the top-level CMakeLists.txt, after
# the target `sakana` exists:
#
#   cmake --install build --prefix P     P/bin/sakana
#                                        P/lib/<arch>/sakana/sakana_sound.so (loaded by the program)
#                                        P/share/sakana/{音,画像,説明}
#                                        P/share/applications/io.github.sakana.Sakana.desktop
#                                        P/share/icons/hicolor/*/apps/io.github.sakana.Sakana.{png,svg}
#                                        P/share/metainfo/io.github.sakana.Sakana.metainfo.xml
#                                        P/share/man/man1/sakana.1.gz
#                                        P/share/doc/sakana/{copyright,changelog.gz,README.md}
#                                        P/share/lintian/overrides/sakana
#   scripts/package.sh                   sakana_<version>_<arch>.deb (cpack -G DEB in build/)
#
# The version is the project version. Change SAKANA_RELEASE_DATE together
# with it: the metainfo release, the Debian changelog and the manual page
# carry that date.

include_guard(GLOBAL)
include(GNUInstallDirs)

set(SAKANA_APP_ID "io.github.sakana.Sakana")

# Each of these may be given with -D at configure time; otherwise the value
# here holds (plain variables, so an edit here reaches existing build trees).
if(NOT DEFINED SAKANA_RELEASE_DATE)          # YYYY-MM-DD of this version
    set(SAKANA_RELEASE_DATE "2026-12-07")
endif()
# The project has no public address yet: without one given, the package
# names none rather than one that does not exist.
if(NOT DEFINED SAKANA_HOMEPAGE)
    set(SAKANA_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
endif()
if(NOT DEFINED SAKANA_MAINTAINER)            # of the Debian package: Name <address>
    set(SAKANA_MAINTAINER "The sakana developers <sakana@users.noreply.github.com>")
endif()

set(_sakana_dist "${CMAKE_SOURCE_DIR}/dist")
set(_sakana_gen "${CMAKE_BINARY_DIR}/dist")

# --- the release date in the form the Debian changelog wants ---------------

if(NOT SAKANA_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "SAKANA_RELEASE_DATE must be YYYY-MM-DD, not '${SAKANA_RELEASE_DATE}'")
endif()
math(EXPR _year "${CMAKE_MATCH_1}")
math(EXPR _month "${CMAKE_MATCH_2}")
math(EXPR _day "${CMAKE_MATCH_3}")
if(_month LESS 1 OR _month GREATER 12 OR _day LESS 1 OR _day GREATER 31)
    message(FATAL_ERROR "SAKANA_RELEASE_DATE '${SAKANA_RELEASE_DATE}' is not a date")
endif()
# string(TIMESTAMP) writes the time SOURCE_DATE_EPOCH gives, when it is set:
# for a moment it gives midnight UTC of the release date, in days since
# 1970-01-01 counted from years that begin in March.
set(_ey ${_year})
set(_em ${_month})
if(_em LESS 3)
    math(EXPR _em "${_em} + 12")
    math(EXPR _ey "${_ey} - 1")
endif()
math(EXPR _release_epoch "(365 * ${_ey} + ${_ey} / 4 - ${_ey} / 100 + ${_ey} / 400 + (153 * (${_em} - 3) + 2) / 5 + ${_day} - 719469) * 86400")
set(_source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${_release_epoch})
string(TIMESTAMP SAKANA_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${_source_date_epoch}")

# --- generated files -------------------------------------------------------

configure_file("${_sakana_dist}/${SAKANA_APP_ID}.metainfo.xml.in"
               "${_sakana_gen}/${SAKANA_APP_ID}.metainfo.xml" @ONLY)
configure_file("${_sakana_dist}/debian/changelog.in" "${_sakana_gen}/changelog" @ONLY)
configure_file("${_sakana_dist}/sakana.1.in" "${_sakana_gen}/sakana.1" @ONLY)

# gzip -9n: best compression, no name or time stamp, so the same input
# always gives the same bytes.
find_program(SAKANA_GZIP gzip)
if(NOT SAKANA_GZIP)
    message(FATAL_ERROR "gzip is needed to compress the changelog and the manual page")
endif()
set(_sakana_gzipped)
foreach(_name changelog sakana.1)
    add_custom_command(
        OUTPUT "${_sakana_gen}/${_name}.gz"
        COMMAND "${SAKANA_GZIP}" -9n -f -k "${_sakana_gen}/${_name}"
        DEPENDS "${_sakana_gen}/${_name}"
        COMMENT "Compressing ${_name}"
        VERBATIM)
    list(APPEND _sakana_gzipped "${_sakana_gen}/${_name}.gz")
endforeach()
add_custom_target(sakana_dist_files ALL DEPENDS ${_sakana_gzipped})

# --- install rules ---------------------------------------------------------

# Directories the install creates on its way get 0755, files 0644 (the
# program 0755), whatever the umask of whoever builds.
if(NOT DEFINED CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS)
    set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE
        GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
endif()
set(_sakana_file_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(_sakana_dir_permissions ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

install(TARGETS sakana RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The program finds its sound module by the same path from its own folder.
install(TARGETS sakana_sound LIBRARY DESTINATION "${SAKANA_MODULE_INSTALL_DIR}"
        PERMISSIONS ${_sakana_file_permissions})

install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/media/"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/sakana"
        FILE_PERMISSIONS ${_sakana_file_permissions}
        DIRECTORY_PERMISSIONS ${_sakana_dir_permissions})

install(FILES "${_sakana_dist}/${SAKANA_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications"
        PERMISSIONS ${_sakana_file_permissions})

install(DIRECTORY "${_sakana_dist}/icons/hicolor"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons"
        FILE_PERMISSIONS ${_sakana_file_permissions}
        DIRECTORY_PERMISSIONS ${_sakana_dir_permissions})

install(FILES "${_sakana_gen}/${SAKANA_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo"
        PERMISSIONS ${_sakana_file_permissions})

install(FILES "${_sakana_gen}/sakana.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1"
        PERMISSIONS ${_sakana_file_permissions})

# Debian's place for the licences (the GPL-3.0 text itself is in
# /usr/share/common-licenses) and the release history.
install(FILES "${_sakana_dist}/debian/copyright" "${_sakana_gen}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}"
        PERMISSIONS ${_sakana_file_permissions})
# The guide to the program and to preparing a media folder, for a teacher
# who has only the installed package.
install(FILES "${CMAKE_SOURCE_DIR}/README.md" DESTINATION "${CMAKE_INSTALL_DOCDIR}"
        PERMISSIONS ${_sakana_file_permissions})

# Tells lintian which of its guesses do not fit this package.
install(FILES "${_sakana_dist}/debian/lintian-overrides"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides"
        RENAME sakana
        PERMISSIONS ${_sakana_file_permissions})

# --- checks of the desktop files (run with the other tests by CTest) -------

if(NOT DEFINED BUILD_TESTING OR BUILD_TESTING)
    find_program(SAKANA_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(SAKANA_APPSTREAMCLI appstreamcli)
    find_program(SAKANA_RSVG_CONVERT rsvg-convert)
    find_program(SAKANA_CONVERT convert)
    if(SAKANA_DESKTOP_FILE_VALIDATE)
        # desktop-file-validate fails on errors only; warnings fail here too.
        add_test(NAME desktop_entry_valid
                 COMMAND "${SAKANA_DESKTOP_FILE_VALIDATE}" "${_sakana_dist}/${SAKANA_APP_ID}.desktop")
        set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error:;warning:")
    else()
        message(STATUS "desktop-file-validate not found (desktop-file-utils): desktop entry not checked")
    endif()
    if(SAKANA_APPSTREAMCLI)
        add_test(NAME metainfo_valid
                 COMMAND "${SAKANA_APPSTREAMCLI}" validate --no-net
                         "${_sakana_gen}/${SAKANA_APP_ID}.metainfo.xml")
    else()
        message(STATUS "appstreamcli not found (appstream): metainfo not checked")
    endif()
    if(SAKANA_RSVG_CONVERT AND SAKANA_CONVERT)
        add_test(NAME icons_regenerate COMMAND bash "${_sakana_dist}/icons/generate.sh" --check)
    else()
        message(STATUS "rsvg-convert or convert not found (librsvg2-bin, imagemagick): icons not checked")
    endif()
endif()

# --- the Debian package ----------------------------------------------------

set(CPACK_PACKAGE_NAME "sakana")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The sakana developers")
set(CPACK_PACKAGE_CONTACT "${SAKANA_MAINTAINER}")
if(SAKANA_HOMEPAGE)
    set(CPACK_PACKAGE_HOMEPAGE_URL "${SAKANA_HOMEPAGE}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program for children about forty kinds of fish")
set(CPACK_PACKAGE_DESCRIPTION
"A desktop learning program for young children with a Japanese user
interface. From the menu a child can look fish up - click a name, see the
fish's picture and a short caption - or take the drill: forty questions,
one per fish in random order. A picture is shown, the child clicks its
name and hears and sees whether it was right. At the end comes a gold,
silver or copper medal.

The program reads its pictures, sounds and captions from
/usr/share/sakana, writes no file and keeps nothing from one run to the
next.")
set(CPACK_STRIP_FILES ON)
# Folders made on the way by the install take the builder's umask; the
# package gets 0755 folders and 0644 files (the program 0755) regardless.
set(CPACK_PRE_BUILD_SCRIPTS "${_sakana_dist}/debian/normalize-permissions.cmake")
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SAKANA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
if(SAKANA_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SAKANA_HOMEPAGE}")
endif()
# The libraries come from dpkg-shlibdeps (the sound module's libpulse0
# among them). What it cannot see: the platform plugins Qt loads at run
# time, and the Japanese serif faces of the screens with a CJK face for everything
# else.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-mincho, fonts-noto-cjk")
# Recommended, as Debian's own Qt 6 programs do, and so installed by default:
# Qt's Wayland platform plugin, without which a session with no X11 server
# (no Xwayland) has no window system for the program (which then says to
# install qt6-wayland), and Qt's translations, which put the command line's
# usage and errors into Japanese. The program runs on X11 without either.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
