# semplice_in_spazio(OUT SPAZIO SOURCE...): for each source, a generated one
# that compiles it inside namespace SPAZIO, its standard and system headers
# included first at global scope (sistema.h). A second converter built from
# them links beside the program's own, every name of it apart, without a
# name being renamed one by one.
set(semplice_cartella ${CMAKE_CURRENT_LIST_DIR})
function(semplice_in_spazio uscita spazio)
  set(generati)
  foreach(sorgente ${ARGN})
    get_filename_component(nome ${sorgente} NAME_WE)
    set(generato ${CMAKE_CURRENT_BINARY_DIR}/in_${spazio}/${nome}.cpp)
    file(WRITE ${generato}.tmp "// Generated: ${sorgente} inside namespace ${spazio}.\n"
         "#include \"${semplice_cartella}/sistema.h\"\n"
         "namespace ${spazio} {\n#include \"${sorgente}\"\n}  // namespace ${spazio}\n")
    configure_file(${generato}.tmp ${generato} COPYONLY)
    list(APPEND generati ${generato})
  endforeach()
  set(${uscita} ${generati} PARENT_SCOPE)
endfunction()
