# Writes the ReaPack index for one version (cmake -P), so the index and the
# project version never disagree. Inputs: KV_NAME, KV_VERSION, KV_DESCRIPTION,
# KV_PLATFORMS, KV_AUTHOR, KV_LICENSE, KV_REPOSITORY, KV_URL, CHANGELOG (file),
# TEMPLATE (file), RELEASE (folder of the release files), OUTPUT (file).
file(READ "${CHANGELOG}" changes)
string(REPLACE "." "\\." version_pattern "${KV_VERSION}")
if(NOT changes MATCHES "\n## ${version_pattern} \\(([0-9]+-[0-9]+-[0-9]+)\\)\n+(.*)")
  message(FATAL_ERROR "${CHANGELOG} has no section \"## ${KV_VERSION} (<date>)\"")
endif()
set(KV_TIME "${CMAKE_MATCH_1}T00:00:00Z")
set(KV_CHANGELOG "${CMAKE_MATCH_2}")
# The section ends where the next release begins.
string(FIND "${KV_CHANGELOG}" "\n## " next)
if(next GREATER -1)
  string(SUBSTRING "${KV_CHANGELOG}" 0 ${next} KV_CHANGELOG)
endif()
string(STRIP "${KV_CHANGELOG}" KV_CHANGELOG)
if(KV_CHANGELOG STREQUAL "" OR KV_CHANGELOG MATCHES "]]>")
  message(FATAL_ERROR "the changes of ${KV_VERSION} are empty or hold \"]]>\"")
endif()

# source PLATFORM INSTALLED RELEASED: a source line for the released file,
# which ReaPack installs as INSTALLED (under UserPlugins) and checks against
# its SHA-256 in multihash form (0x12 SHA-256, 0x20 bytes).
set(KV_SOURCES "")
function(source platform installed released)
  if(NOT EXISTS "${RELEASE}/${released}")
    message(FATAL_ERROR "the release has no ${released} in ${RELEASE}")
  endif()
  file(SHA256 "${RELEASE}/${released}" sha256)
  string(APPEND KV_SOURCES "\n        <source platform=\"${platform}\" file=\"${installed}\" hash=\"1220${sha256}\">"
         "${KV_URL}/${released}</source>")
  set(KV_SOURCES "${KV_SOURCES}" PARENT_SCOPE)
endfunction()

# Each platform ReaPack knows with the library's file for it. The files
# without a platform go with each of these, so that where there is no
# library nothing installs.
set(platforms linux64 linux-x86_64.so linux32 linux-i686.so linux-aarch64 linux-aarch64.so
              linux-armv7l linux-armv7l.so win64 windows-x86_64.dll win32 windows-x86.dll
              darwin64 macos-x86_64.dylib darwin-arm64 macos-arm64.dylib)
# The Lua module's file, the Python ReaScript wrapper with its type stub, and the kv_cobalt
# package, released as kv_cobalt-NAME and installed as kv_cobalt/NAME where
# a Python ReaScript that puts UserPlugins on its path imports it.
set(shared ${KV_NAME}.lua ${KV_NAME}.lua ${KV_NAME}_python.py ${KV_NAME}_python.py ${KV_NAME}_python.pyi
           ${KV_NAME}_python.pyi)
file(GLOB package RELATIVE "${RELEASE}" "${RELEASE}/kv_cobalt-*")
list(FILTER package EXCLUDE REGEX "\\.sha256$")
if(NOT package)
  message(FATAL_ERROR "the release has no kv_cobalt files in ${RELEASE}")
endif()
list(SORT package)
foreach(released IN LISTS package)
  string(REPLACE "kv_cobalt-" "kv_cobalt/" installed "${released}")
  list(APPEND shared ${installed} ${released})
endforeach()
while(platforms)
  list(POP_FRONT platforms platform library)
  string(REGEX MATCH "\\.[a-z]+$" suffix "${library}")
  source(${platform} ${KV_NAME}${suffix} ${KV_NAME}-${library})
  set(files ${shared})
  while(files)
    list(POP_FRONT files installed released)
    source(${platform} ${installed} ${released})
  endwhile()
endwhile()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
