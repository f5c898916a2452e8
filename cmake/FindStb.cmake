# Finds stb_image (Debian's libstb-dev) and gives Stb::Image, an interface
# target whose include folder is the stb folder itself (a system folder, so
# stb's code is not held to the project's warnings; never /usr/include as a
# whole). stb is header-only portable C: a cross build takes the target's
# copy when there is one, else the host's. Name another copy with
# -DStb_INCLUDE_DIR=FOLDER (the folder holding stb_image.h).
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(PC_STB QUIET stb)
endif()
find_path(Stb_INCLUDE_DIR stb_image.h
  HINTS ${PC_STB_INCLUDEDIR} ${PC_STB_INCLUDE_DIRS}
  PATH_SUFFIXES stb
  CMAKE_FIND_ROOT_PATH_BOTH
  DOC "Folder holding stb_image.h")
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Stb REQUIRED_VARS Stb_INCLUDE_DIR)
if(Stb_FOUND AND NOT TARGET Stb::Image)
  add_library(Stb::Image INTERFACE IMPORTED)
  set_target_properties(Stb::Image PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${Stb_INCLUDE_DIR})
endif()
