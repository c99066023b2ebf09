# SPDX-License-Identifier: GPL-3.0-or-later
# The packager as Debian's own tools take it: DEBFULLNAME and DEBEMAIL, where
# DEBEMAIL may also read "Name <address>". Sets `out` to "Name <address>", or
# to nothing when either is missing: no name or address is ever made up.
function(vesperon_debian_maintainer out)
  set(name "$ENV{DEBFULLNAME}")
  set(email "$ENV{DEBEMAIL}")
  if(email MATCHES "^(.*[^ ]) *<(.+)>$")
    if(NOT name)
      set(name "${CMAKE_MATCH_1}")
    endif()
    set(email "${CMAKE_MATCH_2}")
  endif()
  if(name AND email)
    set(${out} "${name} <${email}>" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()
