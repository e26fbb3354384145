# Run by `cmake --install` and by cpack: writes the menu entry for the prefix being installed to,
# so that `Exec` names the installed program and `Path` the folder that holds Data/.
# Expects SHOOTER_DESKTOP_TEMPLATE, SHOOTER_BINDIR, SHOOTER_DATADIR and SHOOTER_ENTRY_FOLDER.
cmake_path(ABSOLUTE_PATH SHOOTER_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
           OUTPUT_VARIABLE bindir)
cmake_path(ABSOLUTE_PATH SHOOTER_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
           OUTPUT_VARIABLE datadir)

# Both are string values, in which a backslash is written doubled. Exec is also a command line:
# a path with a space or another reserved character goes in double quotes, with ", `, $ and \
# escaped inside them, and a literal % is written %%.
set(exec "${bindir}/shooter")
string(REPLACE "%" "%%" exec "${exec}")
if(exec MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
  set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" SHOOTER_DESKTOP_EXEC "${exec}")
string(REPLACE "\\" "\\\\" SHOOTER_DESKTOP_PATH "${datadir}/shooter")

# Configured into a folder of this prefix's own, so that installs to different prefixes at the
# same time (as the tests do) never share a file.
string(MD5 prefix_key "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(entry "${SHOOTER_ENTRY_FOLDER}/${prefix_key}/shooter.desktop")
configure_file("${SHOOTER_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "${datadir}/applications")
