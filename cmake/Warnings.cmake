# Warning flags shared by every target of the project.
function(tesmor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # -Wrestrict: g++ 12 reports overlapping copies inside std::string at -O3 where
    # there are none (GCC bug 105329).
    target_compile_options(${target} PRIVATE -Wshadow=local -Wno-restrict)
  endif()
  if(TESMOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
