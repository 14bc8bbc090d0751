# ma2d3d_genera_luci(TARGET <target> SCENA <scene.ma>... [CODICE <file name>]
#                    [VARIABILE <variable>] [COMPLETE])
#
# With COMPLETE the scenes go through ma2d3d-luci instead: every light
# complete and in world space, in a header (<scene base name>_luci.h, its
# arrays named <scene base name>_luci) to #include at file scope, from C or
# C++. The rest holds for both programs.
#
# Generates the light code of one or more Maya ASCII scenes as part of
# building <target>: each scene's code file (<scene base name>_luci.inc, or
# the name CODICE gives when there is one scene) is written into a folder of
# the build tree that is added to <target>'s include path, so that the
# target's sources can #include it inside a function. It is generated again
# whenever its scene or the converter changes. A relative SCENA is taken from
# the current source folder. A scene may be made by the build itself, as the
# OUTPUT of an add_custom_command in the same folder (before the call, with
# CMake older than 3.19); any other scene must exist, or the configuration
# stops. VARIABILE sets <variable> in the
# caller's scope to the full paths of the code files, in the order of the
# scenes. Call the function in the folder that creates <target>.
#
# The converter run is the program named by the cache variable
# MA2D3D_CONVERTITORE, when it is set. Otherwise, in a cross build, it is a
# ma2d3d on the build machine's PATH: a converter built for the target,
# installed or built from source, is never run, and with no converter on the
# PATH the configuration stops. Otherwise it is ma2d3d::ma2d3d: the
# installed one of find_package(ma2d3d), or the one built from source by
# add_subdirectory.
#
# A conversion that fails fails the build and leaves no code file behind that
# a later build would take as up to date.

set(MA2D3D_CONVERTITORE "" CACHE FILEPATH "ma2d3d program that converts scenes at build time (empty: ma2d3d::ma2d3d)")
set(MA2D3D_CONVERTITORE_LUCI "" CACHE FILEPATH
    "ma2d3d-luci program that converts scenes at build time with COMPLETE (empty: ma2d3d::luci)")

# Stops the configuration when `scena` neither exists nor is made by the
# build. Run at the end of the calling folder where CMake can defer a call,
# so that the custom command making a scene may come after the function.
function(_ma2d3d_controlla_scena scena scritta)
  if(NOT EXISTS "${scena}")
    get_source_file_property(generata "${scena}" GENERATED)
    if(NOT generata)
      message(FATAL_ERROR "ma2d3d_genera_luci: the scene ${scritta} (${scena}) does not exist, and no "
                          "add_custom_command in this folder makes it")
    endif()
  endif()
endfunction()

function(ma2d3d_genera_luci)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "COMPLETE" "TARGET;CODICE;VARIABILE" "SCENA")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "ma2d3d_genera_luci: unknown arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(ARG_KEYWORDS_MISSING_VALUES)
    message(FATAL_ERROR "ma2d3d_genera_luci: no value given for ${ARG_KEYWORDS_MISSING_VALUES}")
  endif()
  if(NOT ARG_TARGET OR NOT ARG_SCENA)
    message(FATAL_ERROR "ma2d3d_genera_luci: TARGET and SCENA are required")
  endif()
  list(LENGTH ARG_SCENA quante)
  if(ARG_CODICE AND quante GREATER 1)
    message(FATAL_ERROR "ma2d3d_genera_luci: CODICE names the code file of one scene, and SCENA gives "
                        "${quante}; leave CODICE out and each scene's code goes to <scene base name>_luci.inc")
  endif()
  if(NOT TARGET ${ARG_TARGET})
    message(FATAL_ERROR "ma2d3d_genera_luci: ${ARG_TARGET} is not a target")
  endif()
  get_target_property(cartella_target ${ARG_TARGET} SOURCE_DIR)
  if(NOT cartella_target STREQUAL CMAKE_CURRENT_SOURCE_DIR)
    message(FATAL_ERROR "ma2d3d_genera_luci: call it in ${cartella_target}, where ${ARG_TARGET} is created")
  endif()

  if(ARG_COMPLETE)
    set(programma ma2d3d-luci)
    set(variabile MA2D3D_CONVERTITORE_LUCI)
    set(bersaglio ma2d3d::luci)
    set(estensione h)
  else()
    set(programma ma2d3d)
    set(variabile MA2D3D_CONVERTITORE)
    set(bersaglio ma2d3d::ma2d3d)
    set(estensione inc)
  endif()
  if(${variabile})
    set(convertitore "${${variabile}}")
    set(dipendenze "${${variabile}}")
  elseif(CMAKE_CROSSCOMPILING)
    # ${bersaglio}, installed or built from source, is built for the
    # target: it may not run here at all.
    find_program(${variabile}_HOST ${programma} NO_CMAKE_FIND_ROOT_PATH)
    if(NOT ${variabile}_HOST)
      message(FATAL_ERROR "ma2d3d_genera_luci: in a cross build the converter must run on the build "
                          "machine: set ${variabile} to a ${programma} built for it, or put one on the PATH")
    endif()
    set(convertitore "${${variabile}_HOST}")
    set(dipendenze "${${variabile}_HOST}")
  elseif(TARGET ${bersaglio})
    set(convertitore "$<TARGET_FILE:${bersaglio}>")
    set(dipendenze ${bersaglio} "$<TARGET_FILE:${bersaglio}>")
  else()
    message(FATAL_ERROR "ma2d3d_genera_luci: no converter: use find_package(ma2d3d) or add_subdirectory, "
                        "or set ${variabile}")
  endif()

  set(cartella "${CMAKE_CURRENT_BINARY_DIR}/ma2d3d_luci/${ARG_TARGET}")
  set(uscite)
  foreach(scritta IN LISTS ARG_SCENA)
    get_filename_component(scena "${scritta}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(CMAKE_VERSION VERSION_GREATER_EQUAL 3.19)
      # A deferred call's arguments are read when it runs: pass the values.
      cmake_language(EVAL CODE "cmake_language(DEFER CALL _ma2d3d_controlla_scena [==[${scena}]==] [==[${scritta}]==])")
    else()
      _ma2d3d_controlla_scena("${scena}" "${scritta}")
    endif()
    if(ARG_CODICE)
      set(codice "${ARG_CODICE}")
    else()
      get_filename_component(base "${scena}" NAME_WE)
      set(codice "${base}_luci.${estensione}")
    endif()
    set(uscita "${cartella}/${codice}")
    if(uscita IN_LIST uscite)
      message(FATAL_ERROR "ma2d3d_genera_luci: two scenes would write ${codice}; give them different names")
    endif()
    list(APPEND uscite "${uscita}")

    # The converter writes a scratch file, renamed only once it succeeded.
    add_custom_command(
      OUTPUT "${uscita}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${cartella}"
      COMMAND "${convertitore}" "${scena}" "${uscita}.parziale"
      COMMAND "${CMAKE_COMMAND}" -E rename "${uscita}.parziale" "${uscita}"
      DEPENDS "${scena}" ${dipendenze}
      COMMENT "Generating ${codice} from ${scritta}"
      VERBATIM)
    target_sources(${ARG_TARGET} PRIVATE "${uscita}")
    set_source_files_properties("${uscita}" PROPERTIES HEADER_FILE_ONLY TRUE)
  endforeach()
  target_include_directories(${ARG_TARGET} PRIVATE "${cartella}")
  if(ARG_VARIABILE)
    set(${ARG_VARIABILE} "${uscite}" PARENT_SCOPE)
  endif()
endfunction()
