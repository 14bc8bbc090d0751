# Packages made by cpack in a build folder: a Debian package (cpack -G DEB)
# with the program, its man page, copyright file, changelog and the CMake
# package under /usr, its library dependencies computed by dpkg-shlibdeps;
# and, from the Windows build, a zip with ma2d3d.exe, the README, the licence
# and the CMake package (cpack -G ZIP).
set(CPACK_PACKAGE_NAME ma2d3d)
set(CPACK_PACKAGE_VENDOR "ma2d3d developers")
set(MA2D3D_MANUTENTORE "ma2d3d developers <ma2d3d@example.org>" CACHE STRING "Maintainer written into the packages")
set(CPACK_PACKAGE_CONTACT "${MA2D3D_MANUTENTORE}")
# The description is the Debian source package's (debian/control): its
# synopsis, then its long description, each line's leading space dropped and
# a line of " ." an empty line.
file(READ ${PROJECT_SOURCE_DIR}/debian/control controllo)
if(NOT controllo MATCHES "\nDescription: ([^\n]*)\n(( [^\n]*\n)+)")
  message(FATAL_ERROR "debian/control holds no Description field")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_MATCH_1}")
string(REGEX REPLACE "(^|\n) \\.\n" "\\1\n" descrizione "${CMAKE_MATCH_2}")
string(REGEX REPLACE "(^|\n) " "\\1" descrizione "${descrizione}")
string(REGEX REPLACE "\n$" "" CPACK_PACKAGE_DESCRIPTION "${descrizione}")
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
