# Project-wide warning and platform flags, applied to our own targets only
# (GoogleTest is built with its own).
# The same flags for the build-time tools that are compiled by a command of
# their own.
set(TAVREL_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Werror)

function(tavrel_target_defaults target)
  target_compile_options(${target} PRIVATE ${TAVREL_WARNING_FLAGS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(WIN32)
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                                                _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()
