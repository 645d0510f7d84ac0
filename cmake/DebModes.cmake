# SPDX-License-Identifier: MIT
# Run by CPack after it has made the packages (CPACK_POST_BUILD_SCRIPTS). The members of
# a .deb, an ar archive, carry the mode of the files CPack wrote for them, which the
# umask decides (0664 under umask 002): each is set to 0644, as dpkg-deb writes them, so
# that the package is the same under any umask.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  file(READ "${deb}" magic LIMIT 8)
  if(NOT magic STREQUAL "!<arch>\n")
    message(FATAL_ERROR "${deb} is not an ar archive")
  endif()
  file(SIZE "${deb}" size)
  set(mode_file "${deb}.mode")
  file(WRITE "${mode_file}" "100644  ")
  set(offset 8)
  while(offset LESS size)
    # A member's header: name (16), time (12), owner (6), group (6), mode (8), size (10),
    # end (2); then its data, padded to an even length.
    file(READ "${deb}" header OFFSET ${offset} LIMIT 60)
    string(SUBSTRING "${header}" 48 10 member_size)
    string(STRIP "${member_size}" member_size)
    if(NOT member_size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: no ar member at ${offset}")
    endif()
    math(EXPR mode_at "${offset} + 40")
    execute_process(COMMAND dd "of=${deb}" bs=1 seek=${mode_at} conv=notrunc status=none
                    INPUT_FILE "${mode_file}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "cannot set the mode of a member of ${deb}")
    endif()
    math(EXPR offset "${offset} + 60 + ${member_size} + ${member_size} % 2")
  endwhile()
  file(REMOVE "${mode_file}")
endforeach()
