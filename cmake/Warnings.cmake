# Project-wide warning and platform flags, applied to our own targets only
# (GoogleTest is built with its own).
function(tavrel_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Werror)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(WIN32)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                                                _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()
