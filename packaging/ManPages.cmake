# The manual pages of the three commands, compressed where the system reads them compressed.
set(man_pages babyname.1 babyname-suggest.1 lunarcal.1)
if(WIN32)
  return()
endif()
find_program(GZIP_PROGRAM gzip)
set(installed)
foreach(page IN LISTS man_pages)
  if(GZIP_PROGRAM)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/man/${page} man/${page}
      COMMAND ${GZIP_PROGRAM} -9nf man/${page}
      DEPENDS man/${page}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      VERBATIM)
    list(APPEND installed ${out})
  else()
    list(APPEND installed ${CMAKE_CURRENT_SOURCE_DIR}/man/${page})
  endif()
endforeach()
add_custom_target(man_pages ALL DEPENDS ${installed})
install(FILES ${installed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
