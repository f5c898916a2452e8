# The Windows release: an NSIS installer and a portable zip of the same
# files, made by `cmake --build --preset win64 --target package` (or win32).
# The program finds its data files, its guide and config.qrv beside itself,
# so both put everything in one folder.
install(TARGETS veltrim_gui veltrim RUNTIME DESTINATION .)
set(VELTRIM_RELEASE_FILES ${CMAKE_BINARY_DIR}/myimg.qrv ${CMAKE_BINARY_DIR}/fperc.qrv ${CMAKE_BINARY_DIR}/qprintdoc.pdf)
# The command line's preview reads its pictures beside it too.
foreach(id RANGE 20 37)
  list(APPEND VELTRIM_RELEASE_FILES ${CMAKE_BINARY_DIR}/preview-${id}.bmp)
endforeach()
install(FILES ${VELTRIM_RELEASE_FILES} DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME "Veltrim")
set(CPACK_PACKAGE_VENDOR "QORVEL Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "QORVEL Veltrim v2, the printer test utility")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})  # the version resource's too (resources/veltrim_version.h.in)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QORVEL Veltrim v2")
set(CPACK_PACKAGE_EXECUTABLES "Veltrim;QORVEL Veltrim v2")  # the Start-menu entry
# Installed per user, without administrator rights, where per-user programs
# go: config.qrv beside the program must stay writable by the user (the
# manifest's asInvoker turns off the redirection of writes under Program
# Files). The Start-menu entry and the uninstall entry are the user's too;
# CPack's template has no setting for that, so cmake/NSIS.template.in, a copy
# of CMake's with the per-user lines, takes its place (found on
# CMAKE_MODULE_PATH).
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")  # read again from CPackConfig.cmake
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELTRIM_ARCH x86_64)
  # A 64-bit installer for the 64-bit program (it also runs where there is no
  # 32-bit layer, as on a Wine without one).
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
else()
  set(VELTRIM_ARCH i686)
endif()
set(CPACK_PACKAGE_FILE_NAME "Veltrim-${PROJECT_VERSION}-${VELTRIM_ARCH}")
set(CPACK_NSIS_DISPLAY_NAME "QORVEL Veltrim v2")
set(CPACK_NSIS_PACKAGE_NAME "QORVEL Veltrim v2")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/art/veltrim.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/art/veltrim.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME Veltrim.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The zip unpacks into one folder of the package's name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
