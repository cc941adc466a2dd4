# The Windows test build's libraries, static from the third-party prefix, under
# the names a Linux build gets from pkg-config. Lua's objects were compiled to
# export its C API from the program that links it, as a Lua host does.
find_path(LUA_INCLUDE_DIRS lua.h PATH_SUFFIXES lua5.3 REQUIRED)
find_library(LUA53_STATIC liblua5.3.a REQUIRED)
find_library(SNDFILE_STATIC libsndfile.a REQUIRED)
find_library(EBUR128_STATIC libebur128.a REQUIRED)
find_path(KV_THIRD_PARTY_INCLUDE sndfile.h REQUIRED)
add_library(PkgConfig::LUA INTERFACE IMPORTED)
target_include_directories(PkgConfig::LUA INTERFACE ${LUA_INCLUDE_DIRS})
target_link_libraries(PkgConfig::LUA INTERFACE ${LUA53_STATIC})
add_library(PkgConfig::SNDFILE INTERFACE IMPORTED)
target_include_directories(PkgConfig::SNDFILE INTERFACE ${KV_THIRD_PARTY_INCLUDE})
target_link_libraries(PkgConfig::SNDFILE INTERFACE ${SNDFILE_STATIC})
add_library(PkgConfig::EBUR128 INTERFACE IMPORTED)
target_include_directories(PkgConfig::EBUR128 INTERFACE ${KV_THIRD_PARTY_INCLUDE})
target_link_libraries(PkgConfig::EBUR128 INTERFACE ${EBUR128_STATIC})
# The suites need no mingw DLL beside them under Wine.
add_link_options(-static)
