# The extension exports its C entry points and nothing else: no name of the
# statically linked C++ runtime or PCRE2, no C++ template instance, typeinfo
# or GNU unique object (which would also keep the library from unloading).
# Each platform's linker list is made from the one list the export checks use.
set(KV_EXPORTED_NAMES ${CMAKE_SOURCE_DIR}/cmake/exported_names.sh)
execute_process(COMMAND sh ${KV_EXPORTED_NAMES} ${CMAKE_SOURCE_DIR}/src OUTPUT_VARIABLE kv_names
                COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KV_EXPORTED_NAMES}
             ${CMAKE_SOURCE_DIR}/src/binding/python/pool_functions.hpp ${CMAKE_SOURCE_DIR}/src/binding/list_functions.hpp)
string(STRIP "${kv_names}" kv_names)
string(REPLACE "\n" ";" kv_names "${kv_names}")
if(WIN32)
  set(kv_export_file ${CMAKE_BINARY_DIR}/exports.def)
  list(JOIN kv_names "\n  " kv_lines)
  file(CONFIGURE OUTPUT ${kv_export_file} CONTENT "EXPORTS\n  ${kv_lines}\n" @ONLY)
  target_sources(reaper_KELVARO_COBALT PRIVATE ${kv_export_file})
elseif(APPLE)
  # Mach-O names carry a leading underscore.
  set(kv_export_file ${CMAKE_BINARY_DIR}/exports.list)
  list(TRANSFORM kv_names PREPEND _)
  list(JOIN kv_names "\n" kv_lines)
  file(CONFIGURE OUTPUT ${kv_export_file} CONTENT "${kv_lines}\n" @ONLY)
  target_link_options(reaper_KELVARO_COBALT PRIVATE "LINKER:-exported_symbols_list,${kv_export_file}")
else()
  set(kv_export_file ${CMAKE_BINARY_DIR}/exports.map)
  list(JOIN kv_names ";\n    " kv_lines)
  file(CONFIGURE OUTPUT ${kv_export_file} CONTENT "{\n  global:\n    ${kv_lines};\n  local: *;\n};\n" @ONLY)
  target_link_options(reaper_KELVARO_COBALT PRIVATE "LINKER:--version-script,${kv_export_file}")
endif()
set_property(TARGET reaper_KELVARO_COBALT APPEND PROPERTY LINK_DEPENDS ${kv_export_file})
