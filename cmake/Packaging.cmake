# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the release build folder writes
# vesperon_<version>_<arch>.deb with the files of `cmake --install`, plus what
# Debian asks of a package (cmake/DebianFiles.cmake).
set(CPACK_PACKAGE_NAME vesperon)
set(CPACK_PACKAGE_VENDOR "Vesperon Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop almanac of the Moon and the Sun")
set(CPACK_PACKAGE_DESCRIPTION
    "Vesperon shows, for one place and one date, moon rise, transit and set,\n"
    "sunrise and sunset, twilight, the Moon's phase as a drawn disc and the\n"
    "next principal phases. A second window tabulates a whole month, which can\n"
    "be copied as text or printed.\n"
    "\n"
    "vesperon-cli prints the same numbers for scripts.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of this version (1.0.0-1): the package is a
# packaging of the release, with its own changelog.Debian.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
if(VESPERON_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VESPERON_HOMEPAGE})
endif()
# The Qt libraries come from dpkg-shlibdeps (libqt6gui6 carries the X11
# platform plugin); the Liberation faces stand in for Arial and Courier, Local
# Time reads the system's time zone database, and Wayland sessions want Qt's
# Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, tzdata")
# Qt's own buttons and dialogs in the language the program speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

# The packager: DEBFULLNAME and DEBEMAIL when cmake runs, or else when cpack
# runs. The project names no person and has no address of its own, so without
# them the package is refused when it is made (cmake/DebianPackager.cmake);
# the build itself does not need them.
include(${CMAKE_CURRENT_LIST_DIR}/DebianMaintainer.cmake)
vesperon_debian_maintainer(CPACK_DEBIAN_PACKAGE_MAINTAINER)
if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
  unset(CPACK_DEBIAN_PACKAGE_MAINTAINER)
  message(STATUS "DEBFULLNAME and DEBEMAIL are not both set: cpack will need them to make the Debian package")
endif()

# Files only the package holds: changelog.Debian.gz, the copyright file, the
# lintian overrides and compressed manual pages, made in cpack's staging folder.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/DebianPackager.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianFiles.cmake)
set(CPACK_VESPERON_DEBIAN_FILES ${PROJECT_SOURCE_DIR}/desktop/debian)

# The installed programs resolve every symbol at start (BIND_NOW), so the
# relocation table can be made read-only.
foreach(program vesperon vesperon-cli)
  target_link_options(${program} PRIVATE LINKER:-z,now)
endforeach()

include(CPack)
