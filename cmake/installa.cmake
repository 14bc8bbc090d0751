# What `cmake --install` and the packages install: the two programs; their man pages
# (gzipped, as Debian wants it), copyright file and changelog (from debian/),
# or on Windows
# the README and the licence; the header ma2d3d/luce.h; and a relocatable
# CMake package with the imported programs ma2d3d::ma2d3d and ma2d3d::luci, the header's target
# ma2d3d::luce and the function ma2d3d_genera_luci.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The changelog's newest entry is the release being built.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian/changelog voce LIMIT_COUNT 1)
if(NOT voce MATCHES "^ma2d3d \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "debian/changelog begins with '${voce}', not version ${PROJECT_VERSION}")
endif()
# A Debian source package's own tools install the copyright file and the
# changelog from debian/; every other install takes them from here.
option(MA2D3D_INSTALLA_DOCUMENTI "Install the copyright file and the changelog" ON)

set(MA2D3D_CARTELLA_CMAKE ${CMAKE_INSTALL_LIBDIR}/cmake/ma2d3d)
set(MA2D3D_PAGINE_MAN ma2d3d.1 ma2d3d-luci.1)
set_target_properties(ma2d3d-luci PROPERTIES EXPORT_NAME luci)
install(TARGETS ma2d3d ma2d3d-luci ma2d3d_luce EXPORT ma2d3dTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES include/ma2d3d/luce.h DESTINATION include/ma2d3d)

if(WIN32)
  install(FILES README.md LICENSE DESTINATION .)
else()
  # gzip -n leaves out the name and time stamp, so the package builds the
  # same every time.
  find_program(MA2D3D_GZIP gzip)
  if(NOT MA2D3D_GZIP)
    message(FATAL_ERROR "gzip is needed to install the man page and changelog")
  endif()
  set(compressi ${CMAKE_CURRENT_BINARY_DIR}/doc)
  file(MAKE_DIRECTORY ${compressi})
  # The man pages carry the version of the release, from project() alone.
  set(coppie "${PROJECT_SOURCE_DIR}/debian/changelog,changelog.gz")
  set(pagine_compresse)
  foreach(pagina ${MA2D3D_PAGINE_MAN})
    configure_file(man/${pagina}.in ${compressi}/${pagina} @ONLY)
    list(APPEND coppie "${compressi}/${pagina},${pagina}.gz")
    list(APPEND pagine_compresse ${compressi}/${pagina}.gz)
  endforeach()
  foreach(voce ${coppie})
    string(REPLACE "," ";" coppia "${voce}")
    list(GET coppia 0 sorgente)
    list(GET coppia 1 compresso)
    add_custom_command(OUTPUT ${compressi}/${compresso}
                       COMMAND ${MA2D3D_GZIP} -n -9 -c ${sorgente} > ${compressi}/${compresso}
                       DEPENDS ${sorgente})
    list(APPEND file_compressi ${compressi}/${compresso})
  endforeach()
  add_custom_target(ma2d3d_documenti ALL DEPENDS ${file_compressi})
  install(FILES ${pagine_compresse} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # The copyright file in Debian's machine-readable format.
  if(MA2D3D_INSTALLA_DOCUMENTI)
    install(FILES debian/copyright ${compressi}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
  endif()
endif()

install(EXPORT ma2d3dTargets NAMESPACE ma2d3d:: DESTINATION ${MA2D3D_CARTELLA_CMAKE})
configure_package_config_file(cmake/ma2d3dConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/ma2d3dConfig.cmake
                              INSTALL_DESTINATION ${MA2D3D_CARTELLA_CMAKE})
# Any architecture: a project only runs the program.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ma2d3dConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ma2d3dConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/ma2d3dConfigVersion.cmake
              cmake/ma2d3dLuci.cmake
        DESTINATION ${MA2D3D_CARTELLA_CMAKE})
