# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the release build folder writes
# vesperon_<version>_<arch>.deb with the files of `cmake --install`.
set(CPACK_PACKAGE_NAME vesperon)
set(CPACK_PACKAGE_VENDOR "Vesperon Software")
set(CPACK_PACKAGE_CONTACT "Vesperon Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop almanac of the Moon and the Sun")
set(CPACK_PACKAGE_DESCRIPTION
    "Vesperon shows, for one place and one date, moon rise, transit and set, sunrise and sunset, twilight, "
    "the Moon's phase as a drawn disc and the next principal phases. A second window tabulates a whole month, "
    "which can be copied as text or printed. vesperon-cli prints the same numbers for scripts.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
if(VESPERON_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VESPERON_HOMEPAGE})
endif()
# The Qt libraries come from dpkg-shlibdeps; the window also needs Qt's X11
# and Wayland plugins, which the libraries only recommend, and the Liberation
# faces that stand in for Arial and Courier.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")

include(CPack)
