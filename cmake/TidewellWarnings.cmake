# Warnings for our own targets only; third-party headers come in as SYSTEM.
function(tidewell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TIDEWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
option(TIDEWELL_WERROR "Treat warnings as errors" OFF)
