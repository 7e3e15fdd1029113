# Install-time step: writes the desktop entry with the launcher's full path, which is known
# only now (`cmake --install --prefix` may differ from the configured prefix).
# In: MIRTOTE_LAUNCHER, MIRTOTE_APPLICATIONS_DIR (relative to the prefix or absolute),
# MIRTOTE_DESKTOP_IN, MIRTOTE_DESKTOP_OUT.
cmake_path(ABSOLUTE_PATH MIRTOTE_LAUNCHER BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE launcher)
cmake_path(ABSOLUTE_PATH MIRTOTE_APPLICATIONS_DIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE applications)
# The Exec value: a path with characters outside the plain set is quoted, with ", `, $ and \
# escaped inside the quotes; then the value's own escaping doubles every backslash.
set(MIRTOTE_EXEC "${launcher}")
if(MIRTOTE_EXEC MATCHES "[^-A-Za-z0-9_./+@]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" MIRTOTE_EXEC "${MIRTOTE_EXEC}")
  set(MIRTOTE_EXEC "\"${MIRTOTE_EXEC}\"")
endif()
string(REPLACE "\\" "\\\\" MIRTOTE_EXEC "${MIRTOTE_EXEC}")
configure_file("${MIRTOTE_DESKTOP_IN}" "${MIRTOTE_DESKTOP_OUT}" @ONLY)
file(INSTALL "${MIRTOTE_DESKTOP_OUT}" DESTINATION "${applications}")
