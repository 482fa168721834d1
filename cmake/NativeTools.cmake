# Native programs that run during the build: they draw the button pictures
# and the about window's picture from the figure code itself. Compiled with
# the host's compiler source by source, so that the compiler cache keeps
# their objects and the figure sources are compiled once for both, and
# linked by a command of their own.
find_program(TAVREL_HOST_CXX NAMES g++ c++ REQUIRED)
set(TAVREL_NATIVE_OBJECT_DIR ${CMAKE_BINARY_DIR}/native)

# The objects of `ARGN` (sources of this tree) into the variable `out`.
function(tavrel_native_objects out)
  set(objects)
  foreach(source ${ARGN})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${source})
    string(REPLACE "/" "_" flat ${relative})
    set(object ${TAVREL_NATIVE_OBJECT_DIR}/${flat}.o)
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVREL_NATIVE_OBJECT_DIR}
      COMMAND ${TAVREL_COMPILER_LAUNCHER} ${TAVREL_HOST_CXX} -std=c++20 -O1 ${TAVREL_WARNING_FLAGS}
              -I${PROJECT_SOURCE_DIR}/src -I${PROJECT_SOURCE_DIR}/tools/glyphs
              -MD -MF ${object}.d -c ${source} -o ${object}
      DEPENDS ${source}
      DEPFILE ${object}.d
      COMMENT "Compiling ${relative} for the build's own tools"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  set(${out} ${objects} PARENT_SCOPE)
endfunction()
