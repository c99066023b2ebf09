# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the shipped list of places beside the built programs without ever
# overwriting a list the user changed there:
#
#   cmake -DSOURCE=data/Location.txt -DTARGET=bin/Location.txt -DSTAMP=file -P copy_location_list.cmake
#
# The copy is made when TARGET is absent, or renewed when TARGET still holds
# what the last copy put there (STAMP keeps its SHA-256). A TARGET the user
# saved or edited is left alone, and so is one of unknown origin unless it
# already equals SOURCE.
foreach(variable SOURCE TARGET STAMP)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "copy_location_list.cmake needs -D${variable}=...")
  endif()
endforeach()

file(SHA256 "${SOURCE}" source_hash)
if(EXISTS "${TARGET}")
  file(SHA256 "${TARGET}" target_hash)
  set(copied_hash "")
  if(EXISTS "${STAMP}")
    file(READ "${STAMP}" copied_hash)
    string(STRIP "${copied_hash}" copied_hash)
  endif()
  if(target_hash STREQUAL source_hash)
    file(WRITE "${STAMP}" "${source_hash}\n")
    return()
  endif()
  if(NOT target_hash STREQUAL copied_hash)
    message(STATUS "${TARGET} differs from the list the build put there: kept; the shipped list is ${SOURCE}")
    return()
  endif()
endif()

# Copied under another name first and then renamed, so that an interrupted
# copy never leaves half a list.
get_filename_component(target_folder "${TARGET}" DIRECTORY)
file(MAKE_DIRECTORY "${target_folder}")
file(COPY_FILE "${SOURCE}" "${TARGET}.new")
file(RENAME "${TARGET}.new" "${TARGET}")
file(WRITE "${STAMP}" "${source_hash}\n")
