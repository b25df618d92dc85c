# teaser_embed_files(TARGET target NAMESPACE ns FILES name=path ...)
# Turns each file into a `std::span<const std::uint8_t> ns::name()` compiled
# into target, so the bytes are carried inside the program.
set(TEASER_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedFile.cmake")

function(teaser_embed_files)
  cmake_parse_arguments(ARG "" "TARGET;NAMESPACE" "FILES" ${ARGN})
  foreach(entry IN LISTS ARG_FILES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 file)
    get_filename_component(file "${file}" ABSOLUTE)
    string(MAKE_C_IDENTIFIER "${ARG_NAMESPACE}_${name}" stem)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded/${stem}.cpp")
    add_custom_command(
      OUTPUT "${out}"
      COMMAND "${CMAKE_COMMAND}" -DINPUT=${file} -DOUTPUT=${out}
              -DNAME=${name} -DNAMESPACE=${ARG_NAMESPACE} -P "${TEASER_EMBED_SCRIPT}"
      DEPENDS "${file}" "${TEASER_EMBED_SCRIPT}"
      COMMENT "Embedding ${file}")
    target_sources(${ARG_TARGET} PRIVATE "${out}")
  endforeach()
endfunction()
