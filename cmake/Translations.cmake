# French and Italian texts of the program: Qt Linguist files in translations/, compiled to .qm
# files at build time and embedded in a target as resources under ":/palvane/lang/".
#
#   cmake --build build --target update_translations
# re-reads every source that holds texts and adds new texts to the .ts files (marked unfinished
# until translated); the build refuses .ts files that still hold unfinished texts.

set(PALVANE_TS_FILES
  ${CMAKE_SOURCE_DIR}/translations/palvane_fr.ts
  ${CMAKE_SOURCE_DIR}/translations/palvane_it.ts)

function(palvane_add_translations target)
  # Every library that shows texts; the command-line front end speaks English only.
  set(text_sources)
  foreach(dir ui data render reports app)
    file(GLOB dir_sources CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/src/${dir}/*.h)
    list(APPEND text_sources ${dir_sources})
  endforeach()
  list(FILTER text_sources EXCLUDE REGEX "/src/app/cli\\.cpp$")

  qt_add_lupdate(${target}
    TS_FILES ${PALVANE_TS_FILES}
    SOURCES ${text_sources}
    OPTIONS -locations none -no-obsolete)

  qt_add_lrelease(${target}
    TS_FILES ${PALVANE_TS_FILES}
    OPTIONS -silent
    QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} palvane_translations
    PREFIX /palvane/lang
    BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${qm_files})

  # Qt's own French and Italian texts (standard buttons such as Yes, No, Cancel) travel with the
  # program when the build machine has them (Debian: qt6-translations-l10n).
  set(qt_translations_dir ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS})
  set(qt_qm_files)
  foreach(locale fr it)
    if(EXISTS ${qt_translations_dir}/qtbase_${locale}.qm)
      list(APPEND qt_qm_files ${qt_translations_dir}/qtbase_${locale}.qm)
    endif()
  endforeach()
  if(qt_qm_files)
    qt_add_resources(${target} palvane_qt_translations
      PREFIX /palvane/lang
      BASE ${qt_translations_dir}
      FILES ${qt_qm_files})
  else()
    message(STATUS "Qt's own French/Italian texts not found in ${qt_translations_dir}")
  endif()

  # Every text translated: a new text left unfinished stops the build with its count.
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/translations_checked.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DTS_FILES=${PALVANE_TS_FILES}" -DSTAMP=${stamp}
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckTranslations.cmake
    DEPENDS ${PALVANE_TS_FILES} ${CMAKE_SOURCE_DIR}/cmake/CheckTranslations.cmake
    VERBATIM)
  add_custom_target(${target}_translations_check DEPENDS ${stamp})
  add_dependencies(${target} ${target}_translations_check)
endfunction()
