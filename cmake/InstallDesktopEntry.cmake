# Run by `cmake --install`: installs the desktop entry NARABE_DESKTOP_ENTRY into
# NARABE_ENTRY_DIR with its Exec naming the installed program, NARABE_PROGRAM under the prefix
# of this install, by its absolute path, followed by the file the desktop asks it to open.
# The entry is written below NARABE_STAGING first, so that the install lists it in its
# manifest like any other file.
set(program "${CMAKE_INSTALL_PREFIX}/${NARABE_PROGRAM}")
# A desktop entry's Exec key: "%" doubled; a path holding a blank or another
# reserved character in double quotes, with `"`, "`", "$" and "\" escaped by a backslash inside
# them; then every backslash doubled, as in any string value of the file.
string(REPLACE "%" "%%" exec "${program}")
if(exec MATCHES "[ \t\n\"'\\<>~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")

file(READ "${NARABE_DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=narabe %f\n" "\nExec=${exec} %f\n" installed "${entry}")
if(installed STREQUAL entry)
    message(FATAL_ERROR "${NARABE_DESKTOP_ENTRY} has no line Exec=narabe %f")
endif()
# Installs into other prefixes may run at the same time (the tests do): each has its own.
get_filename_component(name "${NARABE_DESKTOP_ENTRY}" NAME)
string(MD5 install_id "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(staged "${NARABE_STAGING}/${install_id}/${name}")
file(WRITE "${staged}" "${installed}")
file(INSTALL "${staged}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${NARABE_ENTRY_DIR}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(REMOVE_RECURSE "${NARABE_STAGING}/${install_id}")
