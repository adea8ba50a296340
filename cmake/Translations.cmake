# The program's translations: translations/tremora_<language>.ts, kept up to
# date by lupdate (`cmake --build build --target update_translations`) and
# compiled by lrelease into .qm files embedded in the app library under
# :/i18n. lupdate reads the sources' tr() texts and, for the window
# descriptions, a file of their texts that extract_form_texts.py writes.

set(TREMORA_LANGUAGES pt_BR es fr de)
set(TREMORA_TS_FILES)
foreach(language IN LISTS TREMORA_LANGUAGES)
  list(APPEND TREMORA_TS_FILES ${PROJECT_SOURCE_DIR}/translations/tremora_${language}.ts)
endforeach()

function(tremora_translations target)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(extractor ${PROJECT_SOURCE_DIR}/translations/extract_form_texts.py)
  file(GLOB descriptions CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/app/forms/*.dfm
       ${PROJECT_SOURCE_DIR}/src/dialogs/forms/*.dfm)
  set(form_texts ${CMAKE_CURRENT_BINARY_DIR}/form_texts.cpp)
  # Written at configure time too, so that lupdate finds it before any build.
  execute_process(COMMAND ${Python3_EXECUTABLE} ${extractor} ${form_texts} ${descriptions}
                  COMMAND_ERROR_IS_FATAL ANY)
  add_custom_command(OUTPUT ${form_texts}
                     COMMAND ${Python3_EXECUTABLE} ${extractor} ${form_texts} ${descriptions}
                     DEPENDS ${extractor} ${descriptions} VERBATIM)
  target_sources(${target} PRIVATE ${form_texts})

  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
  qt_add_translations(${target}
    TS_FILES ${TREMORA_TS_FILES}
    SOURCES ${sources} ${form_texts}
    RESOURCE_PREFIX /i18n
    # Line numbers would change every .ts with every edit of a source.
    LUPDATE_OPTIONS -locations none -no-obsolete)
endfunction()
