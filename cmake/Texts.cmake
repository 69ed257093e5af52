# The string table: resources/texts.tsv (one row per text id, one column per
# language) is turned into a C++ table at build time by a small host tool.
add_executable(ordalis_textgen tools/textgen/textgen.cpp)
set(ORDALIS_TEXTS_TSV ${CMAKE_SOURCE_DIR}/resources/texts.tsv)
set(ORDALIS_TEXTS_CPP ${CMAKE_BINARY_DIR}/generated/texts_table.cpp)
add_custom_command(
  OUTPUT ${ORDALIS_TEXTS_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ordalis_textgen ${ORDALIS_TEXTS_TSV} ${ORDALIS_TEXTS_CPP}
  DEPENDS ordalis_textgen ${ORDALIS_TEXTS_TSV}
  COMMENT "Generating the string table from texts.tsv"
  VERBATIM)
if(ORDALIS_FUZZ OR ORDALIS_SANITIZE)
  # the generator runs at build time; keep it free of sanitizer runtime noise
  target_compile_options(ordalis_textgen PRIVATE -fno-sanitize=all)
  target_link_options(ordalis_textgen PRIVATE -fno-sanitize=all)
endif()
