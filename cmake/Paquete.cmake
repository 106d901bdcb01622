# The release zip (cpack, ZIP): Rebanex.exe, trocear.exe and the user guide LEEME.txt, all
# in the zip's top folder, ready to copy into Mensatel's folder.

# The guide's source is UTF-8 with LF; the user opens it in Notepad: Windows-1252 with CR LF.
set(leeme ${CMAKE_CURRENT_BINARY_DIR}/LEEME.txt)
configure_file(${PROJECT_SOURCE_DIR}/docs/LEEME.txt.in ${CMAKE_CURRENT_BINARY_DIR}/LEEME.utf8.txt
               @ONLY)
add_custom_command(OUTPUT ${leeme}
                   COMMAND sh -c "sed 's/$/\\r/' \"$0\" | iconv -f UTF-8 -t CP1252 > \"$1\""
                           ${CMAKE_CURRENT_BINARY_DIR}/LEEME.utf8.txt ${leeme}
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/LEEME.utf8.txt VERBATIM)
add_custom_target(leeme ALL DEPENDS ${leeme})

install(TARGETS Rebanex trocear RUNTIME DESTINATION .)
install(FILES ${leeme} DESTINATION .)

# Packing builds only what goes into the zip, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Rebanex)
set(CPACK_PACKAGE_VENDOR Quelvo)
set(CPACK_PACKAGE_FILE_NAME Rebanex-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Without their symbols the .exe files are less than half the size.
set(CPACK_STRIP_FILES ON)
include(CPack)
