# `cmake --install` puts the extension into REAPER's resource folder: the
# user's own unless a prefix is given, in which case the prefix is taken as a
# resource folder (a portable REAPER, a package's staging folder).
if(APPLE)
  set(KV_USER_FOLDER_VARIABLE HOME)
  set(KV_USER_RESOURCE_FOLDER_CODE "\$ENV{HOME}/Library/Application Support/REAPER")
elseif(WIN32)
  set(KV_USER_FOLDER_VARIABLE APPDATA)
  set(KV_USER_RESOURCE_FOLDER_CODE "\$ENV{APPDATA}/REAPER")
else()
  set(KV_USER_FOLDER_VARIABLE HOME)
  set(KV_USER_RESOURCE_FOLDER_CODE "\$ENV{HOME}/.config/REAPER")
endif()

# CMake says "initialized to default" only at the first configure; its Unix
# default is /usr/local, which is no place for REAPER extensions either.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT OR CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  # Resolved when installing, so the folder is that of the user who installs.
  # `cmake --install --prefix` replaces the configured default and is kept.
  install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"${CMAKE_INSTALL_PREFIX}\")
      # A Windows build installed from Linux has no %APPDATA%: never a /REAPER at the root.
      if(\"\$ENV{${KV_USER_FOLDER_VARIABLE}}\" STREQUAL \"\")
        message(FATAL_ERROR \"${KV_USER_FOLDER_VARIABLE} is not set: name REAPER's resource folder with --prefix\")
      endif()
      # %APPDATA% comes with backslashes.
      file(TO_CMAKE_PATH \"${KV_USER_RESOURCE_FOLDER_CODE}\" CMAKE_INSTALL_PREFIX)
    endif()")
endif()
install(TARGETS reaper_KELVARO_COBALT LIBRARY DESTINATION UserPlugins)
# The module's Lua file, which `require` finds before the library.
install(FILES ${KV_LUA_FILE} DESTINATION UserPlugins)
# The wrapper module Python ReaScripts import, and its types for editors.
install(FILES ${KV_PYTHON_MODULE} ${KV_PYTHON_STUB} DESTINATION UserPlugins)
