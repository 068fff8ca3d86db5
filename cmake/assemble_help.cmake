# Joins the help pieces into one HTML file:
#   cmake -DOUTPUT=<file> -DHELP_DIR=<dir> -DGAMES=a,b,... [-DFALLBACK_DIR=<dir>] -P assemble_help.cmake
# The header and footer pieces hold the first and last words of the page,
# whose html, head and body come from here, titled as the header's heading.
# The contents list links the mouse topic, the keyboard topic where there is
# one, every game topic present (in the given menu order) and the options
# topic, each titled by its first heading or by a "<!-- contents: Title -->"
# note before it. Notes at the top of a piece are for its writers and
# translators and are left out of the help file. A translation's folder takes
# any piece it lacks from FALLBACK_DIR (the English pieces), so its help is
# never missing a topic.
function(piece_path name var)
  set(path "${HELP_DIR}/${name}.html")
  if(NOT EXISTS "${path}" AND DEFINED FALLBACK_DIR)
    set(path "${FALLBACK_DIR}/${name}.html")
  endif()
  set(${var} "${path}" PARENT_SCOPE)
endfunction()

# Sets `var` to the piece without its leading notes, and `var`_TITLE to the
# title its contents note gives (empty when it has none).
function(read_piece name var)
  piece_path(${name} path)
  file(READ "${path}" text)
  set(title "")
  while(text MATCHES "^<!--(([^-]|-[^-])*)-->\n*")
    string(LENGTH "${CMAKE_MATCH_0}" skip)
    string(SUBSTRING "${text}" ${skip} -1 text)
    if(CMAKE_MATCH_1 MATCHES "^ contents: (.*[^ ]) *$")
      set(title "${CMAKE_MATCH_1}")
    endif()
  endwhile()
  set(${var} "${text}" PARENT_SCOPE)
  set(${var}_TITLE "${title}" PARENT_SCOPE)
endfunction()

# The contents line of a topic: a link to the anchor of its first heading.
function(contents_line topic title name var)
  string(REGEX MATCH "<h2><a name=\"([^\"]+)\"></a>([^<]+)</h2>" heading "${topic}")
  if(NOT heading)
    message(FATAL_ERROR "${name}.html does not begin with <h2><a name=\"...\"></a>Title</h2>")
  endif()
  set(anchor "${CMAKE_MATCH_1}")
  if(title STREQUAL "")
    set(title "${CMAKE_MATCH_2}")
  endif()
  # A translated topic keeps the English one's anchor: the programs open it by name.
  if(DEFINED FALLBACK_DIR AND EXISTS "${FALLBACK_DIR}/${name}.html")
    file(READ "${FALLBACK_DIR}/${name}.html" english)
    if(NOT english MATCHES "<h2><a name=\"${anchor}\"></a>")
      message(FATAL_ERROR "${HELP_DIR}/${name}.html: its anchor ${anchor} is not the English topic's")
    endif()
  endif()
  set(${var} "<li><a href=\"#${anchor}\">${title}</a></li>\n" PARENT_SCOPE)
endfunction()

read_piece(header header)
read_piece(mouse mouse)
read_piece(options options)
read_piece(footer footer)

contents_line("${mouse}" "${mouse_TITLE}" mouse line)
set(contents "<ul>\n${line}")
set(keyboard "")
piece_path(keyboard path)
if(EXISTS "${path}")
  read_piece(keyboard keyboard)
  contents_line("${keyboard}" "${keyboard_TITLE}" keyboard line)
  string(APPEND contents "${line}")
  set(keyboard "<hr>\n${keyboard}")
endif()
set(topics "")
string(REPLACE "," ";" GAMES "${GAMES}")
foreach(game IN LISTS GAMES)
  piece_path(${game} path)
  if(NOT EXISTS "${path}")
    continue()
  endif()
  read_piece(${game} topic)
  contents_line("${topic}" "${topic_TITLE}" ${game} line)
  string(APPEND contents "${line}")
  string(APPEND topics "<hr>\n${topic}")
endforeach()
contents_line("${options}" "${options_TITLE}" options line)
string(APPEND contents "${line}</ul>\n")

string(REGEX MATCH "<h1><a name=\"contents\"></a>([^<]+)</h1>" heading "${header}")
if(NOT heading)
  message(FATAL_ERROR "header.html has no <h1><a name=\"contents\"></a>Title</h1>")
endif()
set(page "<html>\n<head>\n<meta charset=\"utf-8\">\n<title>${CMAKE_MATCH_1}</title>\n</head>\n<body>\n")
file(WRITE "${OUTPUT}.tmp"
     "${page}${header}${contents}<hr>\n${mouse}${keyboard}${topics}<hr>\n${options}${footer}</body>\n</html>\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
