# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on its staging folder before the Debian package is made: adds
# the copyright file, changelog.Debian.gz and the lintian overrides, compresses
# the manual pages and drops the licence text that the copyright file points to
# instead.
file(GLOB_RECURSE doc_dirs LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/vesperon")
list(FILTER doc_dirs INCLUDE REGEX "/share/doc/vesperon$")
if(NOT doc_dirs)
  message(FATAL_ERROR "No share/doc/vesperon in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
list(GET doc_dirs 0 doc)
get_filename_component(share "${doc}/../.." ABSOLUTE)

file(REMOVE "${doc}/LICENSE")
file(COPY_FILE "${CPACK_VESPERON_DEBIAN_FILES}/copyright" "${doc}/copyright")
file(MAKE_DIRECTORY "${share}/lintian/overrides")
file(COPY_FILE "${CPACK_VESPERON_DEBIAN_FILES}/lintian-overrides" "${share}/lintian/overrides/vesperon")

# The date of the entry: SOURCE_DATE_EPOCH for a reproducible package, else now.
string(TIMESTAMP changed "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${doc}/changelog.Debian"
  "vesperon (${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}) unstable; urgency=medium\n"
  "\n"
  "  * Vesperon ${CPACK_PACKAGE_VERSION}, packaged with cpack.\n"
  "\n"
  " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${changed}\n")

file(GLOB man_pages "${share}/man/man*/*.[1-9]")
foreach(file IN LISTS man_pages ITEMS "${doc}/changelog.Debian")
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${file}")
  endif()
endforeach()
