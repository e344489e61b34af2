# The interface's translations: each translations/*.ts compiled into a .qm in the "translations"
# folder beside the executables, where both programs look for it, and installed beside them.
# The Japanese source texts need no file.
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(TARGET Qt6::lrelease)
  set(RIBWRIGHT_LRELEASE $<TARGET_FILE:Qt6::lrelease>)
else()
  # Debian's qt6-l10n-tools ships the tools without their CMake package.
  find_program(RIBWRIGHT_LRELEASE NAMES lrelease-qt6 lrelease
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)
endif()

set(RIBWRIGHT_TRANSLATIONS_DIR ${RIBWRIGHT_BIN_DIR}/translations)
file(GLOB RIBWRIGHT_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/*.ts)
set(RIBWRIGHT_QM_FILES)
foreach(ts IN LISTS RIBWRIGHT_TS_FILES)
  get_filename_component(stem ${ts} NAME_WE)
  set(qm ${RIBWRIGHT_TRANSLATIONS_DIR}/${stem}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${RIBWRIGHT_TRANSLATIONS_DIR}
    COMMAND ${RIBWRIGHT_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the translation ${stem}"
    VERBATIM)
  list(APPEND RIBWRIGHT_QM_FILES ${qm})
endforeach()
add_custom_target(ribwright_translations ALL DEPENDS ${RIBWRIGHT_QM_FILES})
# Whatever lays the data folder beside the programs lays their translations there too.
add_dependencies(ribwright_data ribwright_translations)
install(FILES ${RIBWRIGHT_QM_FILES} DESTINATION translations)
