# Warnings for our own targets only; third-party headers come in as SYSTEM. Every target of the
# tree calls this: -Wshadow included, so a local never hides a member or an outer name.
function(tidewell_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
  if(TIDEWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
option(TIDEWELL_WERROR "Treat warnings as errors" OFF)
