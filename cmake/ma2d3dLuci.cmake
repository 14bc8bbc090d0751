# ma2d3d_genera_luci(TARGET <target> SCENA <scene.ma> [CODICE <file name>])
#
# Generates the light code of a Maya ASCII scene as part of building
# <target>: the code file (<scene base name>_luci.inc unless CODICE names it)
# is written into a folder of the build tree that is added to <target>'s
# include path, so that the target's sources can #include it inside a
# function. It is generated again whenever the scene or the converter changes.
# A relative SCENA is taken from the current source folder. Call the function
# in the folder that creates <target>.
#
# The converter run is, in this order: the program named by the cache
# variable MA2D3D_CONVERTITORE; the installed ma2d3d::ma2d3d of
# find_package(ma2d3d); or the one built from source by add_subdirectory. In
# a cross build the converter must run on the build machine, so a converter
# built from source is not used: set MA2D3D_CONVERTITORE to a host ma2d3d, or
# have one on the build machine's PATH.
#
# A conversion that fails fails the build and leaves no code file behind that
# a later build would take as up to date.

set(MA2D3D_CONVERTITORE "" CACHE FILEPATH "ma2d3d program that converts scenes at build time (empty: ma2d3d::ma2d3d)")

function(ma2d3d_genera_luci)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "" "TARGET;SCENA;CODICE" "")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "ma2d3d_genera_luci: unknown arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT ARG_TARGET OR NOT ARG_SCENA)
    message(FATAL_ERROR "ma2d3d_genera_luci: TARGET and SCENA are required")
  endif()
  if(NOT TARGET ${ARG_TARGET})
    message(FATAL_ERROR "ma2d3d_genera_luci: ${ARG_TARGET} is not a target")
  endif()
  get_target_property(cartella_target ${ARG_TARGET} SOURCE_DIR)
  if(NOT cartella_target STREQUAL CMAKE_CURRENT_SOURCE_DIR)
    message(FATAL_ERROR "ma2d3d_genera_luci: call it in ${cartella_target}, where ${ARG_TARGET} is created")
  endif()

  get_filename_component(scena "${ARG_SCENA}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  if(ARG_CODICE)
    set(codice "${ARG_CODICE}")
  else()
    get_filename_component(base "${scena}" NAME_WE)
    set(codice "${base}_luci.inc")
  endif()
  set(cartella "${CMAKE_CURRENT_BINARY_DIR}/ma2d3d_luci/${ARG_TARGET}")
  set(uscita "${cartella}/${codice}")

  if(MA2D3D_CONVERTITORE)
    set(convertitore "${MA2D3D_CONVERTITORE}")
    set(dipendenze "${MA2D3D_CONVERTITORE}")
  elseif(TARGET ma2d3d::ma2d3d)
    get_target_property(importato ma2d3d::ma2d3d IMPORTED)
    if(CMAKE_CROSSCOMPILING AND NOT importato)
      find_program(MA2D3D_CONVERTITORE_HOST ma2d3d NO_CMAKE_FIND_ROOT_PATH)
      if(NOT MA2D3D_CONVERTITORE_HOST)
        message(FATAL_ERROR "ma2d3d_genera_luci: in a cross build the converter must run on the build "
                            "machine: set MA2D3D_CONVERTITORE to a ma2d3d built for it")
      endif()
      set(convertitore "${MA2D3D_CONVERTITORE_HOST}")
      set(dipendenze "${MA2D3D_CONVERTITORE_HOST}")
    else()
      set(convertitore "$<TARGET_FILE:ma2d3d::ma2d3d>")
      set(dipendenze ma2d3d::ma2d3d "$<TARGET_FILE:ma2d3d::ma2d3d>")
    endif()
  else()
    message(FATAL_ERROR "ma2d3d_genera_luci: no converter: use find_package(ma2d3d) or add_subdirectory, "
                        "or set MA2D3D_CONVERTITORE")
  endif()

  # The converter writes a scratch file, renamed only once it succeeded.
  add_custom_command(
    OUTPUT "${uscita}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${cartella}"
    COMMAND "${convertitore}" "${scena}" "${uscita}.parziale"
    COMMAND "${CMAKE_COMMAND}" -E rename "${uscita}.parziale" "${uscita}"
    DEPENDS "${scena}" ${dipendenze}
    COMMENT "Generating ${codice} from ${ARG_SCENA}"
    VERBATIM)
  target_sources(${ARG_TARGET} PRIVATE "${uscita}")
  set_source_files_properties("${uscita}" PROPERTIES HEADER_FILE_ONLY TRUE)
  target_include_directories(${ARG_TARGET} PRIVATE "${cartella}")
endfunction()
