# velkamire_compile_levels(SOURCE_DIR)
# Compiles every SOURCE_DIR/<name>.lvl at build time into
# ${VELKAMIRE_DATA_DIR}/Data/Levels/<name>.dat; the target `data` depends on them.
function(velkamire_compile_levels source_dir)
  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.lvl)
  set(outputs "")
  foreach(src IN LISTS sources)
    get_filename_component(name ${src} NAME_WLE)
    set(out ${VELKAMIRE_DATA_DIR}/Data/Levels/${name}.dat)
    add_custom_command(OUTPUT ${out}
      COMMAND velkamire-levelc compile ${src} ${out}
      DEPENDS ${src} velkamire-levelc
      COMMENT "Compiling level ${name}.lvl"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  string(MD5 dir_hash "${source_dir}")
  string(SUBSTRING "${dir_hash}" 0 8 dir_hash)
  add_custom_target(velkamire_levels_${dir_hash} DEPENDS ${outputs})
  add_dependencies(data velkamire_levels_${dir_hash})
endfunction()
