# The programs' texts in other languages: <DIR>/<NAME>_<language>.ts, written
# with Qt's linguist tools and embedded in the target as
# ":/i18n/<NAME>_<language>.qm", which platform::installTranslations loads.
# `cmake --build build --target update_translations` brings every .ts file up
# to date with the code (lupdate); a test fails while one lacks a text of the
# code or holds an unfinished translation.
#   tw_add_translations(target NAME name DIR dir SOURCES dir...)
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

function(tw_add_translations target)
  cmake_parse_arguments(ARG "" "NAME;DIR" "SOURCES" ${ARGN})
  file(GLOB ts_files CONFIGURE_DEPENDS "${ARG_DIR}/${ARG_NAME}_*.ts")
  if(NOT ts_files)
    return()
  endif()
  # No line numbers and no obsolete texts: a .ts changes only when a text does.
  qt_add_translations(${target} TS_FILES ${ts_files} RESOURCE_PREFIX /i18n
                      LUPDATE_OPTIONS -locations none -no-obsolete)
  add_test(NAME translations_${ARG_NAME}
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/translations/check.sh
                   $<TARGET_FILE:Qt6::lupdate> $<TARGET_FILE:Qt6::lrelease> "${ARG_SOURCES}" ${ts_files})
endfunction()
