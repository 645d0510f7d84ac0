# SPDX-License-Identifier: MIT
# The two documents a Debian package carries in /usr/share/doc/PACKAGE, made from the
# upstream files: `copyright` (machine-readable, from LICENSE) and `changelog` (Debian's
# format, from CHANGELOG). Only the CPack package installs them; distributions write
# their own.

# Writes `text` to `file` only when it differs, so that what depends on it is not made
# again after every configure.
function(tevrimo_write_if_changed file text)
  file(WRITE "${file}.new" "${text}")
  configure_file("${file}.new" "${file}" COPYONLY)
  file(REMOVE "${file}.new")
endfunction()

# The day of the week of a date, as a Debian changelog writes it ("Tue").
function(tevrimo_weekday year month day out)
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  if(month LESS 3)
    math(EXPR year "${year} - 1")
  endif()
  math(EXPR dow "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
  set(names Sun Mon Tue Wed Thu Fri Sat)
  list(GET names ${dow} name)
  set(${out} ${name} PARENT_SCOPE)
endfunction()

# The Debian changelog of `package` made from the upstream change log `source`: a
# release is a line "VERSION (YYYY-MM-DD)", its items lines starting with "- ", their
# continuations lines indented by two blanks. The newest release must be `version`.
function(tevrimo_debian_changelog source package version maintainer out_file)
  file(READ "${source}" text)
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(out "")
  set(trailer "")
  set(first "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([0-9][0-9A-Za-z.+~-]*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
      set(release ${CMAKE_MATCH_1})
      set(year ${CMAKE_MATCH_2})
      set(month ${CMAKE_MATCH_3})
      set(day_text ${CMAKE_MATCH_4})
      # Without leading zeros, which math() would not take.
      string(REGEX REPLACE "^0" "" month "${month}")
      string(REGEX REPLACE "^0" "" day "${day_text}")
      if(first STREQUAL "")
        set(first ${release})
      endif()
      if(month LESS 1 OR month GREATER 12 OR day LESS 1 OR day GREATER 31)
        message(FATAL_ERROR "${source}: bad date in '${line}'")
      endif()
      tevrimo_weekday(${year} ${month} ${day} weekday)
      math(EXPR index "${month} - 1")
      list(GET months ${index} month_name)
      string(APPEND out "${trailer}${package} (${release}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${weekday}, ${day_text} ${month_name} ${year} 12:00:00 +0000\n\n")
    elseif(first STREQUAL "" OR line MATCHES "^-*$")
      # The title and the words before the first release; underlines and blank lines.
    elseif(line MATCHES "^- (.*)$")
      string(APPEND out "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.*)$")
      string(APPEND out "    ${CMAKE_MATCH_1}\n")
    else()
      message(FATAL_ERROR "${source}: not an item of a release: '${line}'")
    endif()
  endforeach()
  if(NOT first STREQUAL version)
    message(FATAL_ERROR "${source}: the newest release is '${first}', the project's version ${version}")
  endif()
  string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
  tevrimo_write_if_changed("${out_file}" "${out}${trailer}")
endfunction()

# The machine-readable copyright file, with the licence text of `licence_file` as the
# Expat licence.
function(tevrimo_debian_copyright licence_file name contact source out_file)
  file(READ "${licence_file}" licence_text)
  string(REGEX REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
  string(REGEX REPLACE "\n([^\n])" "\n \\1" licence_text "${licence_text}")
  string(CONCAT text
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: ${name}\n"
    "Upstream-Contact: ${contact}\n"
    "Source: ${source}\n\n"
    "Files: *\n"
    "Copyright: 2026 The Tevrimo developers\n"
    "License: Expat\n ${licence_text}")
  tevrimo_write_if_changed("${out_file}" "${text}")
endfunction()
