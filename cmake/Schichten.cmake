# The layers of the program, stated to the compiler: a library sees the headers of its own folder
# and of the libraries on its link interface, and nothing else. Each folder of src/ is offered to
# the compiler under build/include/<folder>/<folder>, and only the libraries of that folder put
# that directory on their interface; so "#include "core/Kontest.h"" compiles where core is linked
# and fails everywhere else.
function(tarvex_ordner ziel ordner)
  set(wurzel ${PROJECT_BINARY_DIR}/include/${ordner})
  if(NOT EXISTS ${wurzel}/${ordner})
    file(MAKE_DIRECTORY ${wurzel})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${ordner} ${wurzel}/${ordner} SYMBOLIC)
  endif()
  target_include_directories(${ziel} PUBLIC ${wurzel})
endfunction()
