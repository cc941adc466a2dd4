# Cross-compiles for Linux aarch64 with Debian's cross compiler; the target's
# libraries are Debian's arm64 packages installed beside the machine's (multiarch).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-gcc)
# The fuzz targets' project chooses clang (with CMAKE_CXX_COMPILER_TARGET).
if(NOT CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-g++)
endif()
# Libraries, CMake packages and pkg-config files are searched in the target's
# folders (/usr/lib/aarch64-linux-gnu), never the machine's x86-64 ones.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:/usr/share/pkgconfig)
