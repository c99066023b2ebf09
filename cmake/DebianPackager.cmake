# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packages. A Debian package names a real packager:
# the one cmake found, else DEBFULLNAME and DEBEMAIL now; none is made up.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
  include(${CMAKE_CURRENT_LIST_DIR}/DebianMaintainer.cmake)
  vesperon_debian_maintainer(CPACK_DEBIAN_PACKAGE_MAINTAINER)
  if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
    message(FATAL_ERROR
      "The Debian package needs its packager's name and e-mail address, and Vesperon makes none up: "
      "set DEBFULLNAME and DEBEMAIL (as for dch) and run cpack again.")
  endif()
endif()
