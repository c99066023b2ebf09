# SPDX-License-Identifier: GPL-3.0-or-later
# The build step that puts the shipped list of places beside the programs,
# run as the build runs it, in a temporary folder: it copies a missing list,
# renews its own unchanged copy, and never overwrites a list the user changed.
#
#   cmake -DSCRIPT=data/copy_location_list.cmake -DWORK=folder -P location_list_copy_test.cmake

set(source "${WORK}/source/Location.txt")
set(target "${WORK}/bin/Location.txt")
set(stamp "${WORK}/Location.txt.copied")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/source")

# The build step; with a file size limit in bytes, the step may fail.
function(build_step)
  set(limit "")
  if(ARGC GREATER 0)
    set(limit prlimit --fsize=${ARGV0})
  endif()
  execute_process(COMMAND ${limit} "${CMAKE_COMMAND}" -DSOURCE=${source} -DTARGET=${target} -DSTAMP=${stamp}
                          -P "${SCRIPT}"
                  RESULT_VARIABLE result ERROR_QUIET)
  if(NOT result EQUAL 0 AND ARGC EQUAL 0)
    message(FATAL_ERROR "the build step failed: ${result}")
  endif()
endfunction()

function(expect_target text why)
  file(READ "${target}" actual)
  if(NOT actual STREQUAL text)
    message(FATAL_ERROR "${why}: bin/Location.txt holds \"${actual}\", not \"${text}\"")
  endif()
endfunction()

file(WRITE "${source}" "shipped 1\n")
build_step()
expect_target("shipped 1\n" "a missing list is copied")

file(WRITE "${source}" "shipped 2\n")
build_step()
expect_target("shipped 2\n" "the build's own unchanged copy follows a newer shipped list")

# A full disk: the old copy stays whole.
string(REPEAT "a long shipped list\n" 100 long_list)
file(WRITE "${source}" "${long_list}")
build_step(1000)
expect_target("shipped 2\n" "a copy that does not fit leaves the old one whole")

file(WRITE "${target}" "the user's places\n")
file(WRITE "${source}" "shipped 3\n")
build_step()
expect_target("the user's places\n" "a list the user saved is kept when the shipped list is newer")
build_step()
expect_target("the user's places\n" "and at every later build")

# A list of unknown origin (no record of a copy) is kept too.
file(REMOVE "${stamp}")
build_step()
expect_target("the user's places\n" "a list the build did not put there is kept")

# Once the user removes it, the shipped list comes back.
file(REMOVE "${target}")
build_step()
expect_target("shipped 3\n" "a removed list is copied again")
file(REMOVE_RECURSE "${WORK}")
