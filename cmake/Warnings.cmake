# Warning flags shared by every target of the project.
function(tesmor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
    -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
  if(TESMOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
