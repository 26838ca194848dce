# Draws the pictures of the command reference with the built program. Run with
# cmake -P and: PONTELIX (the program), REFERENCE (doc/comandos.md), EXAMPLES (the
# folder where the examples' data files lie; the drawing runs there) and OUTPUT.
#
# A picture is made of every ```pxg block that follows a "<!-- figura: NAME -->" line:
# OUTPUT/NAME.png, from the block's lines as written. An example that stops at a line
# or says anything fails the build: the reference must show only working lines.
file(READ "${REFERENCE}" text)
# CMake lists split at ";" and do not split inside "[...]": both are hidden while the
# text is handled as a list of lines, and put back when a script is written.
string(REPLACE ";" "<px-semicolon>" text "${text}")
string(REPLACE "[" "<px-open>" text "${text}")
string(REPLACE "]" "<px-close>" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

file(MAKE_DIRECTORY "${OUTPUT}")
set(pending "")
set(name "")
set(inBlock FALSE)
set(count 0)
foreach(line IN LISTS lines)
  if(NOT inBlock)
    if(line MATCHES "^<!-- figura: ([a-z0-9_-]+) -->$")
      set(pending "${CMAKE_MATCH_1}")
    elseif(line STREQUAL "```pxg")
      set(inBlock TRUE)
      set(name "${pending}")
      set(pending "")
      set(body "")
    endif()
  elseif(line STREQUAL "```")
    set(inBlock FALSE)
    if(name)
      string(REPLACE "<px-semicolon>" ";" body "${body}")
      string(REPLACE "<px-open>" "[" body "${body}")
      string(REPLACE "<px-close>" "]" body "${body}")
      file(WRITE "${OUTPUT}/${name}.pxg" "${body}")
      execute_process(
        COMMAND "${PONTELIX}" render --size=480x360 "${OUTPUT}/${name}.pxg" -o "${OUTPUT}/${name}.png"
        WORKING_DIRECTORY "${EXAMPLES}"
        RESULT_VARIABLE status
        ERROR_VARIABLE said)
      if(NOT status EQUAL 0 OR NOT said STREQUAL "")
        message(FATAL_ERROR "figura ${name}: pontelix render terminou com ${status}: ${said}")
      endif()
      file(REMOVE "${OUTPUT}/${name}.pxg")
      math(EXPR count "${count} + 1")
    endif()
  else()
    string(APPEND body "${line}\n")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "nenhuma figura em ${REFERENCE}")
endif()
