# The verses that the sections show and request come from content/verses.json:
# at build time generate_verses.cmake turns it into a header of the section
# tables. A malformed file or a verse without its picture key, recitation or
# English text stops the build with a message naming what is wrong, and so does
# a table row that names a picture key the file does not hold.
set(AYAT_VERSES_JSON ${PROJECT_SOURCE_DIR}/content/verses.json)
set(AYAT_VERSES_HEADER ${CMAKE_BINARY_DIR}/generated/sections/tables/verses.h)
add_custom_command(OUTPUT ${AYAT_VERSES_HEADER}
  COMMAND ${CMAKE_COMMAND} -DJSON=${AYAT_VERSES_JSON} -DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/verses.h.in
          -DOUTPUT=${AYAT_VERSES_HEADER} -P ${CMAKE_CURRENT_LIST_DIR}/generate_verses.cmake
  DEPENDS ${AYAT_VERSES_JSON} ${CMAKE_CURRENT_LIST_DIR}/verses.h.in ${CMAKE_CURRENT_LIST_DIR}/generate_verses.cmake
  COMMENT "Generating the verse table from content/verses.json"
  VERBATIM)
set_source_files_properties(${AYAT_VERSES_HEADER} PROPERTIES SKIP_AUTOGEN ON)
target_sources(ayat_tables PRIVATE ${AYAT_VERSES_HEADER})
target_include_directories(ayat_tables PRIVATE ${CMAKE_BINARY_DIR}/generated)
