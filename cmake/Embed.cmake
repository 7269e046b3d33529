# velkamire_embed(OUT_VAR MANIFEST TAG)
# Generates a C++ source holding every file the manifest lists, so that the
# executable can find them by star names. Manifest lines: "name.type path",
# path relative to the manifest's folder or to the build tree ("@build/...").
function(velkamire_embed out_var manifest tag)
  set(out ${CMAKE_BINARY_DIR}/generated/embedded_${tag}.cpp)
  set(deps ${manifest})
  file(STRINGS ${manifest} lines)
  get_filename_component(base ${manifest} DIRECTORY)
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ #][^ ]*) +(.+)$")
      set(path ${CMAKE_MATCH_2})
      if(path MATCHES "^@build/(.*)$")
        list(APPEND deps ${CMAKE_BINARY_DIR}/${CMAKE_MATCH_1})
      else()
        list(APPEND deps ${base}/${path})
      endif()
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DOUT=${out} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedGenerate.cmake
    DEPENDS ${deps} ${CMAKE_SOURCE_DIR}/cmake/EmbedGenerate.cmake
    COMMENT "Embedding resources of ${manifest}")
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()
