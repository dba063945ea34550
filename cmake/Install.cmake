# What `cmake --install` puts under the prefix, and the Debian package that `cpack` makes
# from the same rules (in the release build: cd build/release && cpack).
set(NARABE_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(NARABE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/narabe)

# The programs (the game, its Gomocup engine and the match tool) go under bin; Debian keeps
# games in /usr/games, so the package takes them from there (the game's data folder is
# ../share/narabe1 from either). Everything else is in the default component, which both the
# install and the package take.
set(NARABE_PROGRAMS narabe narabe-brain narabe-match)
install(TARGETS ${NARABE_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(TARGETS ${NARABE_PROGRAMS} RUNTIME DESTINATION games COMPONENT debian_program
        EXCLUDE_FROM_ALL)
# The desktop entry. Debian puts /usr/games on its users' PATH, so the package's entry names
# the program `narabe`, as the entry in packaging/ does. The bin folder of another prefix may
# not be on the desktop session's PATH (~/.local/bin is not, by default): an install names the
# program by its absolute path, written when it installs, so that any --prefix gets its own.
set(desktop_entry ${NARABE_PACKAGING}/${NARABE_APP_ID}.desktop)
install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT debian_program EXCLUDE_FROM_ALL)
install(CODE "set(NARABE_DESKTOP_ENTRY [[${desktop_entry}]])
              set(NARABE_ENTRY_DIR [[${CMAKE_INSTALL_DATADIR}/applications]])
              set(NARABE_PROGRAM [[${CMAKE_INSTALL_BINDIR}/narabe]])
              set(NARABE_STAGING [[${CMAKE_BINARY_DIR}/packaging/installed]])
              include([[${PROJECT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake]])"
        COMPONENT program)

# The file type of the game's records, named by the desktop entry; the desktop's MIME
# database is updated from it by the package's trigger or by update-mime-database.
install(FILES ${NARABE_PACKAGING}/${NARABE_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${NARABE_APP_ID}.xml)

# The sound module, in a folder of the game's own that the program finds from its own folder.
install(TARGETS narabe_sound_module LIBRARY DESTINATION ${NARABE_INSTALL_MODULEDIR})
install(FILES ${NARABE_ASSETS} DESTINATION ${NARABE_INSTALL_DATADIR})
install(DIRECTORY ${NARABE_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The project's home page, where it has one on the web: the package's Homepage, the licence's
# Source and the AppStream metadata take nothing else.
set(packed ${CMAKE_BINARY_DIR}/packaging)
if(NARABE_HOME_PAGE MATCHES "^https?://")
    set(web_home_page ${NARABE_HOME_PAGE})
endif()
file(READ ${NARABE_PACKAGING}/${NARABE_APP_ID}.metainfo.xml metainfo)
if(DEFINED web_home_page)
    string(REPLACE "&" "&amp;" address "${web_home_page}")
    string(REPLACE "<" "&lt;" address "${address}")
    string(REPLACE "</launchable>\n" "</launchable>\n  <url type=\"homepage\">${address}</url>\n"
           metainfo "${metainfo}")
endif()
file(WRITE ${packed}/${NARABE_APP_ID}.metainfo.xml "${metainfo}")
install(FILES ${packed}/${NARABE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages and the change log, compressed without a time stamp, so that the same
# sources give the same bytes.
find_program(GZIP gzip REQUIRED)
set(NARABE_MANUAL_PAGES narabe.6 narabe-brain.6 narabe-match.6)
foreach(name ${NARABE_MANUAL_PAGES} changelog)
    add_custom_command(OUTPUT ${packed}/${name}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${packed}
                       COMMAND ${GZIP} -9nc ${NARABE_PACKAGING}/${name} > ${packed}/${name}.gz
                       DEPENDS ${NARABE_PACKAGING}/${name}
                       COMMENT "Compressing ${name}")
endforeach()
list(TRANSFORM NARABE_MANUAL_PAGES PREPEND ${packed}/ OUTPUT_VARIABLE packed_pages)
list(TRANSFORM packed_pages APPEND .gz)
add_custom_target(narabe_packed_docs ALL DEPENDS ${packed_pages} ${packed}/changelog.gz)
install(FILES ${packed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packed}/changelog.gz DESTINATION ${NARABE_DOCDIR})

# The licence, in the machine-readable form Debian reads from share/doc/PACKAGE/copyright.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "\n$" "" licence "${licence}")
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REGEX REPLACE "\n" "\n " licence "${licence}")
set(source "")
if(DEFINED web_home_page)
    set(source "Source: ${web_home_page}\n")
endif()
file(WRITE ${packed}/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: NarabeI\n"
     "${source}\n"
     "Files: *\n"
     "Copyright: 2026 The NarabeI developers\n"
     "License: Expat\n"
     " ${licence}\n")
install(FILES ${packed}/copyright DESTINATION ${NARABE_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL Unspecified debian_program)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PACKAGE_NAME narabe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The NarabeI developers <narabe1@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(DEFINED web_home_page)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${web_home_page})
endif()
# The libraries' packages come from dpkg-shlibdeps; the window's serif face is a font, and
# Qt's own texts in the window's language are Qt's translations. 解説 opens the help page
# with xdg-open, which finds the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "five in a row on a 19 x 19 board, in Japanese or English
NarabeI is a desktop game of five in a row. Black and white place stones
in turn; exactly five in a row wins, six or more wins nothing, and a move
that makes two threes or two fours at once is refused unless it makes five.
Two people can share one mouse, or one person can play the computer.
The window speaks Japanese or English, as the desktop's language chooses.
The package also holds the computer as a Gomocup engine, narabe-brain, and
narabe-match, which plays two such engines against each other.")
include(CPack)
