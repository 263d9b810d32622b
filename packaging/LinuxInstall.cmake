# The Linux layout: /usr/lib/babyname/ holds the program, its tools and the store; bin/ has
# links into it; the desktop entry, metainfo, icons, manual pages and the licence go where
# the desktop and Debian look for them.
set(BABYNAME_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/babyname" CACHE STRING
    "Program folder, relative to the install prefix")

install(TARGETS babyname babyname-suggest RUNTIME DESTINATION ${BABYNAME_PROGRAM_DIR})
install(FILES ${store} DESTINATION ${BABYNAME_PROGRAM_DIR}/config)
install(TARGETS lunarcal RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Relative links, so that an installation under any prefix (or DESTDIR) works.
file(RELATIVE_PATH bin_to_program /${CMAKE_INSTALL_BINDIR} /${BABYNAME_PROGRAM_DIR})
foreach(command babyname babyname-suggest)
  file(CREATE_LINK ${bin_to_program}/${command} ${CMAKE_CURRENT_BINARY_DIR}/${command} SYMBOLIC)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${command} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128)
  install(FILES ${CMAKE_SOURCE_DIR}/src/app/resources/babyname-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${app_id}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/src/app/resources/babyname.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME ${app_id}.png)

# The licence in Debian's machine-readable form, and the release history, compressed as
# Debian wants it (gzip -9n: no name or time stamp inside, so the package is reproducible).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog changelog
  COMMAND ${GZIP_PROGRAM} -9nf changelog
  DEPENDS debian/changelog
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES debian/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
