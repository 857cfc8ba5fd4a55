# Warnings for our own targets only; third-party headers come in as SYSTEM.
# tidewell_warnings(<target> [SHADOW]): SHADOW adds -Wshadow (the back end and the libraries are
# clean of it and stay so).
function(tidewell_warnings target)
  cmake_parse_arguments(ARG "SHADOW" "" "" ${ARGN})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ARG_SHADOW)
    target_compile_options(${target} PRIVATE -Wshadow)
  endif()
  if(TIDEWELL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
option(TIDEWELL_WERROR "Treat warnings as errors" OFF)
