# SPDX-License-Identifier: MIT
# Installs the bus service file. The bus starts the service by its absolute path, known
# only when installing: the prefix of `cmake --install --prefix`, or the package's.
# In: LIBEXECDIR and DATADIR as configured, BUS_NAME, TEMPLATE, OUTPUT.
foreach(dir LIBEXECDIR DATADIR)
  if(NOT IS_ABSOLUTE "${${dir}}")
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
  endif()
endforeach()
set(SERVICE_PROGRAM "${LIBEXECDIR}/tevrimo-search")
# The bus splits the Exec line as a shell would: quote a path with blanks and the like.
if(SERVICE_PROGRAM MATCHES "[^A-Za-z0-9/._+@%=:,-]")
  string(REPLACE "'" "'\\''" SERVICE_PROGRAM "${SERVICE_PROGRAM}")
  set(SERVICE_PROGRAM "'${SERVICE_PROGRAM}'")
endif()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
file(INSTALL DESTINATION "${DATADIR}/dbus-1/services" TYPE FILE FILES "${OUTPUT}")
