# Writes the ReaPack index for one version (cmake -P), so the index and the
# project version never disagree. Inputs: KV_NAME, KV_VERSION, KV_DESCRIPTION,
# KV_AUTHOR, KV_LICENSE, KV_URL, CHANGELOG (file), TEMPLATE (file), OUTPUT (file).
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
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
