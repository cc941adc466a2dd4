# Where the headless host's programs find the extension, their C library for
# Python and the Python modules. A build for the release archive names them
# relative to the programs' own folder, so the unpacked archive runs wherever
# it lies; any other build names the files it built.
option(KV_HOST_ARCHIVE "Build the host's programs for the release archive: files found beside the programs; no tests, benchmarks or documents" OFF)
if(KV_HOST_ARCHIVE)
  set(KVHOST_EXTENSION_FILE extension/$<TARGET_FILE_NAME:reaper_KELVARO_COBALT>)
  set(KVHOST_C_LIBRARY_FILE $<TARGET_FILE_NAME:kvhost_c>)
  set(KVHOST_PYTHON_FOLDER python)
else()
  set(KVHOST_EXTENSION_FILE $<TARGET_FILE:reaper_KELVARO_COBALT>)
  set(KVHOST_C_LIBRARY_FILE $<TARGET_FILE:kvhost_c>)
  set(KVHOST_PYTHON_FOLDER ${CMAKE_SOURCE_DIR}/host/python)
endif()


# kvhost_archive_programs(TARGET...): the archive's programs and C library,
# linked against Zig's old glibc, take the extension's mend of its stat
# functions. The C library carries its Lua (built position-independent) and
# C++ runtime, which stay its own, as Debian's Lua does in a process that
# loads it privately: it exports its kvhost_ functions alone.
function(kvhost_archive_programs)
  foreach(target ${ARGN})
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src/utility/old_glibc_stat.cpp)
  endforeach()
  set(exports ${CMAKE_BINARY_DIR}/kvhost_c.map)
  file(WRITE ${exports} "{\n  global:\n    kvhost_*;\n  local: *;\n};\n")
  target_link_options(kvhost_c PRIVATE "LINKER:--version-script,${exports}")
endfunction()
