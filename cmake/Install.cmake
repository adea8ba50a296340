# What `cmake --install` puts in place, and the Debian package (CPack) made
# of the same files.

set(TREMORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tremora)
# The program finds the example lab next to its installed data, or in the
# source tree when it runs from its build tree.
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/app/commands/startup.cpp TARGET_DIRECTORY tremora_app PROPERTIES
  COMPILE_DEFINITIONS "TREMORA_VERSION=\"${PROJECT_VERSION}\";TREMORA_DATA_DIR=\"${TREMORA_DATA_DIR}\";TREMORA_SOURCE_LAB=\"${PROJECT_SOURCE_DIR}/examples/lab\"")

if(NOT TREMORA_SANITIZER)
  install(TARGETS tremora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES examples/lab/config.ini examples/lab/default.jpg DESTINATION ${TREMORA_DATA_DIR}/example-lab)
install(FILES data/org.tremora.Tremora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.tremora.Tremora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/org.tremora.Tremora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Manual pages are installed compressed; -n keeps the file the same from
# build to build.
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/tremora.1.gz
                   COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/data/tremora.1 > tremora.1.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/data/tremora.1 VERBATIM)
add_custom_target(manual ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/tremora.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tremora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The translated pages give the summary and point to the English one for
# every option; `man` picks them by the desktop's language.
foreach(language IN LISTS TREMORA_LANGUAGES)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${language}/tremora.1.gz)
  add_custom_command(OUTPUT ${page}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man/${language}
                     COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/data/man/tremora.${language}.1 > ${page}
                     DEPENDS ${PROJECT_SOURCE_DIR}/data/man/tremora.${language}.1 VERBATIM)
  add_custom_target(manual_${language} ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
endforeach()

# cpack installs only the program's files, without building the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tremora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tremora developers <tremora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Epicenter finding experiment for a geophysics teaching lab")
set(CPACK_PACKAGE_DESCRIPTION "Students place three sensor stations on a map, strike the ground and record the pulse through the sound card's stereo input; the program reads the arrival times on an oscilloscope-style display and finds the epicenter by trilateration.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Optional at run time: arecord names the capture devices; Qt's own
# translations put its standard dialogs' buttons in the windows' language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "alsa-utils, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
