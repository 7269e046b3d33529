# Copies every assets/speech/<name>.txt into ${VELKAMIRE_DATA_DIR}/Data/Speech/
# at build time; the target `data` depends on the copies.
function(velkamire_copy_speech source_dir)
  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.txt)
  set(outputs "")
  foreach(src IN LISTS sources)
    get_filename_component(name ${src} NAME)
    set(out ${VELKAMIRE_DATA_DIR}/Data/Speech/${name})
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E copy ${src} ${out}
      DEPENDS ${src}
      COMMENT "Copying speech ${name}"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(velkamire_speech DEPENDS ${outputs})
  add_dependencies(data velkamire_speech)
endfunction()
