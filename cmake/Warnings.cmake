# Warning flags for our own targets; dependencies are included as system headers.
function(duveline_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-multichar)
endfunction()
