# Cross-compiles for Linux with Debian's cross compiler, whose tools
# KV_CROSS_PREFIX names; the target's libraries are Debian's packages of its
# architecture installed beside the machine's (multiarch).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${KV_CROSS_PREFIX}-gcc)
# The fuzz targets' project chooses clang (with CMAKE_CXX_COMPILER_TARGET).
if(NOT CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER ${KV_CROSS_PREFIX}-g++)
endif()
# Libraries, CMake packages and pkg-config files are searched in the target's
# folders (/usr/lib/aarch64-linux-gnu), never the machine's x86-64 ones.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:/usr/share/pkgconfig)
