# dsp_init_tables_add(<target> [OUTPUT_DIR <dir>])
#
# Generates the eight table files into <dir> (default: a folder named
# <target>_dsp_tables in the current binary directory), reruns the generator
# only when it changes, makes <target> depend on the files and puts <dir> on
# its include path, so that its sources can #include "dsp_init_tpb0.inc".
function(dsp_init_tables_add target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT_DIR" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "dsp_init_tables_add: unexpected arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  set(dir "${arg_OUTPUT_DIR}")
  if(NOT dir)
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_dsp_tables")
  endif()
  cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")

  # Inside this project the generator is its own target; an installed
  # package brings it as an imported one.
  if(TARGET dsp_init_tables::dsp_init_tables)
    set(generator dsp_init_tables::dsp_init_tables)
  else()
    set(generator dsp_init_tables)
  endif()

  set(outputs "")
  foreach(name IN ITEMS tpb tpbp tpmb tpmbp)
    list(APPEND outputs "${dir}/dsp_init_${name}0.inc" "${dir}/${name}0.dmp")
  endforeach()

  file(MAKE_DIRECTORY "${dir}")
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${generator}
    WORKING_DIRECTORY "${dir}"
    DEPENDS ${generator} $<TARGET_FILE:${generator}>
    COMMENT "Generating the DSP tables in ${dir}"
    VERBATIM)
  add_custom_target(${target}_dsp_tables DEPENDS ${outputs})
  add_dependencies(${target} ${target}_dsp_tables)
  target_include_directories(${target} PRIVATE "${dir}")
endfunction()
