# Joins the help pieces into one HTML file:
#   cmake -DOUTPUT=<file> -DHELP_DIR=<dir> -DGAMES=a,b,... -P assemble_help.cmake
# The contents list links the mouse topic, the keyboard topic where there is
# one, every game topic present (in the given menu order, titled by its first
# heading) and the options topic.
function(read_piece name var)
  file(READ "${HELP_DIR}/${name}.html" text)
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

read_piece(header header)
read_piece(mouse mouse)
read_piece(options options)
read_piece(footer footer)

set(contents "<ul>\n<li><a href=\"#mouse\">Playing with the mouse</a></li>\n")
set(topics "")
if(EXISTS "${HELP_DIR}/keyboard.html")
  read_piece(keyboard keyboard)
  string(APPEND contents "<li><a href=\"#keyboard\">Keyboard</a></li>\n")
  string(APPEND topics "<hr>\n${keyboard}")
endif()
string(REPLACE "," ";" GAMES "${GAMES}")
foreach(game IN LISTS GAMES)
  if(NOT EXISTS "${HELP_DIR}/${game}.html")
    continue()
  endif()
  read_piece(${game} topic)
  string(REGEX MATCH "<h2><a name=\"([^\"]+)\"></a>([^<]+)</h2>" heading "${topic}")
  if(NOT heading)
    message(FATAL_ERROR "${game}.html does not begin with <h2><a name=\"game-N\"></a>Name</h2>")
  endif()
  string(APPEND contents "<li><a href=\"#${CMAKE_MATCH_1}\">${CMAKE_MATCH_2}</a></li>\n")
  string(APPEND topics "<hr>\n${topic}")
endforeach()
string(APPEND contents "<li><a href=\"#options\">Options</a></li>\n</ul>\n")

file(WRITE "${OUTPUT}.tmp" "${header}${contents}<hr>\n${mouse}${topics}<hr>\n${options}${footer}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
