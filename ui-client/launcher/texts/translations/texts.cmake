# Compiles translations/<code>.ts with lrelease and embeds the 21 .qm files as
# the resource tree "texts" (qInitResources_texts / qCleanupResources_texts),
# each at ":/<code>.qm". Regenerate the .ts files with scripts/gen-translations.py.
set(TEXTS_LANGUAGES chs cht csy dan enu fre ger hun ita jpn krn nld nor plk ptb ptg rus spn sve tha trk)
# The East Asian files are stored as they are, the others zlib-compressed.
# rcc ignores a per-file compress-algo="none", so a threshold no file can
# reach (a saving above 100%) keeps them uncompressed; threshold 0 makes the
# others compressed whatever they save.
set(TEXTS_UNCOMPRESSED chs cht jpn krn)

set(TEXTS_TS_FILES)
set(TEXTS_QRC_FILES)
foreach(code IN LISTS TEXTS_LANGUAGES)
  list(APPEND TEXTS_TS_FILES ${CMAKE_CURRENT_LIST_DIR}/${code}.ts)
  if(code IN_LIST TEXTS_UNCOMPRESSED)
    string(APPEND TEXTS_QRC_FILES "    <file threshold=\"100\">${code}.qm</file>\n")
  else()
    string(APPEND TEXTS_QRC_FILES "    <file compress-algo=\"zlib\" threshold=\"0\">${code}.qm</file>\n")
  endif()
endforeach()

# -silent: the counts of unfinished texts would read like broken translations.
qt5_add_translation(TEXTS_QM_FILES ${TEXTS_TS_FILES} OPTIONS -silent)
configure_file(${CMAKE_CURRENT_LIST_DIR}/texts.qrc.in ${CMAKE_CURRENT_BINARY_DIR}/texts.qrc @ONLY)
qt5_add_resources(TEXTS_RCC_SOURCES ${CMAKE_CURRENT_BINARY_DIR}/texts.qrc OPTIONS --format-version 2)

# Linked whole so that the resource's static initialiser is never dropped.
add_library(launcher_texts_qrc STATIC ${TEXTS_RCC_SOURCES})
target_link_libraries(launcher_texts_qrc PRIVATE Qt5::Core)
set_target_properties(launcher_texts_qrc PROPERTIES AUTOMOC OFF)
