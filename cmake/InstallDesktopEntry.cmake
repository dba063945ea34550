# Run by `cmake --install`: installs the desktop entry NARABE_DESKTOP_ENTRY into
# NARABE_ENTRY_DIR with its Exec naming the installed program, NARABE_PROGRAM under the prefix
# of this install, by its absolute path. The entry is written to NARABE_STAGING first, so that
# the install lists it in its manifest like any other file.
set(program "${CMAKE_INSTALL_PREFIX}/${NARABE_PROGRAM}")
# The Desktop Entry Specification's Exec: "%" doubled; a path holding a blank or another
# reserved character in double quotes, with `"`, "`", "$" and "\" escaped by a backslash inside
# them; then every backslash doubled, as in any string value of the file.
string(REPLACE "%" "%%" exec "${program}")
if(exec MATCHES "[ \t\n\"'\\<>~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")

file(READ "${NARABE_DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=narabe\n" "\nExec=${exec}\n" installed "${entry}")
if(installed STREQUAL entry)
    message(FATAL_ERROR "${NARABE_DESKTOP_ENTRY} has no line Exec=narabe")
endif()
get_filename_component(name "${NARABE_DESKTOP_ENTRY}" NAME)
file(WRITE "${NARABE_STAGING}/${name}" "${installed}")
file(INSTALL "${NARABE_STAGING}/${name}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${NARABE_ENTRY_DIR}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
