# Common warning flags for every project target.
function(palvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
