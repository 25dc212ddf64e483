# What `cmake --install` puts where: the program in bin, its data (content sets, sounds, pages,
# the compiled English texts, the licences About shows) in share/tavrin (found from the
# program, see src/app/data_location.h), and what a desktop needs to show it: the desktop
# entry, the metainfo, the icons and the manual page.
install(TARGETS tavrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrin)
install(FILES ${tavrin_qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrin/translations)
install(FILES ${TAVRIN_SHOWN_LICENCES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrin/licenses)
install(FILES dist/${TAVRIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The metainfo names a home page and screenshots only when the build was given their addresses:
# a software centre shows nothing rather than a dead link.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/dist/${TAVRIN_APP_ID}.metainfo.xml)
file(READ ${PROJECT_SOURCE_DIR}/dist/${TAVRIN_APP_ID}.metainfo.xml metainfo)
if(NOT TAVRIN_HOME_PAGE STREQUAL "")
    string(REPLACE "  </provides>\n" "  </provides>\n  <url type=\"homepage\">${TAVRIN_HOME_PAGE}</url>\n"
           metainfo "${metainfo}")
endif()
if(NOT TAVRIN_SCREENSHOTS_URL STREQUAL "")
    string(REGEX REPLACE "/$" "" shots "${TAVRIN_SCREENSHOTS_URL}")
    string(REPLACE "  <releases>" "  <screenshots>
    <screenshot type=\"default\">
      <caption>The board, the score and the die during a game</caption>
      <image>${shots}/playing-in-play.png</image>
    </screenshot>
    <screenshot>
      <caption>The quiz</caption>
      <image>${shots}/quiz.png</image>
    </screenshot>
    <screenshot>
      <caption>The target game</caption>
      <image>${shots}/target-game-in-play.png</image>
    </screenshot>
  </screenshots>

  <releases>" metainfo "${metainfo}")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/install/${TAVRIN_APP_ID}.metainfo.xml "${metainfo}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/install/${TAVRIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY dist/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and changelogs are installed compressed, without a time stamp in the gzip
# header, so that two builds give the same files.
function(tavrin_gzip source name)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/install/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${name}")
    add_custom_target(tavrin_gzip_${name} ALL DEPENDS ${copy}.gz)
endfunction()

tavrin_gzip(${PROJECT_SOURCE_DIR}/docs/tavrin.6 tavrin.6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/install/tavrin.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The licences, in the form Debian reads: the file list of .reuse/dep5 followed by each
# licence, by reference to the system's copy where Debian has one.
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/tavrin)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/.reuse/dep5 ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt)
file(READ ${PROJECT_SOURCE_DIR}/.reuse/dep5 copyright)
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt cc_by_sa)
string(REGEX REPLACE "\n$" "" cc_by_sa "${cc_by_sa}")
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" cc_by_sa "${cc_by_sa}") # twice: runs of empty lines
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" cc_by_sa "${cc_by_sa}")
string(REPLACE "\n" "\n " cc_by_sa "${cc_by_sa}")
string(APPEND copyright "
License: GPL-3.0-or-later
 This program is free software: you can redistribute it and/or modify it under the terms of
 the GNU General Public License as published by the Free Software Foundation, either
 version 3 of the License, or (at your option) any later version.
 .
 On Debian systems, the complete text of the GNU General Public License version 3 can be
 found in /usr/share/common-licenses/GPL-3.

License: CC0-1.0
 On Debian systems, the complete text of the CC0 1.0 Universal licence can be found in
 /usr/share/common-licenses/CC0-1.0.

License: CC-BY-SA-4.0
 ${cc_by_sa}
")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/install/copyright "${copyright}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/install/copyright DESTINATION ${doc_dir})

# The entries are signed by the build's maintainer (CMakeLists.txt: TAVRIN_MAINTAINER).
configure_file(dist/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/install/changelog.in @ONLY)
tavrin_gzip(${CMAKE_CURRENT_BINARY_DIR}/install/changelog.in changelog)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/install/changelog.gz DESTINATION ${doc_dir})

# Where each fact of the content sets comes from: beside the pages, whose section for teachers
# links to it (the help window shows it), and with the documentation.
install(FILES data/pages/SOURCES.md DESTINATION ${doc_dir})
