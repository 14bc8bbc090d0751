# Packages made by cpack in a build folder: a Debian package (cpack -G DEB)
# with the program, its man page, copyright file, changelog and the CMake
# package under /usr, its library dependencies computed by dpkg-shlibdeps;
# and, from the Windows build, a zip with ma2d3d.exe, the README, the licence
# and the CMake package (cpack -G ZIP).
set(CPACK_PACKAGE_NAME ma2d3d)
set(CPACK_PACKAGE_VENDOR "ma2d3d developers")
set(MA2D3D_MANUTENTORE "ma2d3d developers <ma2d3d@example.org>" CACHE STRING "Maintainer written into the packages")
set(CPACK_PACKAGE_CONTACT "${MA2D3D_MANUTENTORE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description in lines of at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "ma2d3d reads a Maya ASCII scene (.ma) and writes a C++ fragment that
declares one D3DLIGHT9 per spot light with what the scene gives: position,
colour, and the cone and penumbra angles (in Range and Falloff, in degrees).
The program adds a direction and Direct3D's cone, range and default colour:
the header ma2d3d/luce.h does it in one call, as the example project shows.
A CMake package lets a project regenerate the code whenever the scene
changes.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR TGZ)
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
endif()
include(CPack)
