# tw_game_program(program AppId GAMES game,game,...): what each game program
# carries besides its code. Its help file is assembled from
# resources/help/*.html beside the caller, the games' topics in the given
# order, and one more from each translation folder resources/help/<language>/.
# It is installed as Debian lays out games: the program in games/, its sounds
# and help in share/games/<program>/ (where it looks after its own folder), a
# desktop entry named after its AppStream id, and icons.
function(tw_game_program program app_id)
  cmake_parse_arguments(ARG "" "GAMES" "" ${ARGN})
  set(help_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources/help)
  file(GLOB pieces CONFIGURE_DEPENDS ${help_dir}/*.html)
  set(help ${CMAKE_CURRENT_BINARY_DIR}/${program}.html)
  add_custom_command(
    OUTPUT ${help}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${help} -DHELP_DIR=${help_dir} -DGAMES=${ARG_GAMES}
            -P ${PROJECT_SOURCE_DIR}/cmake/assemble_help.cmake
    DEPENDS ${pieces} ${PROJECT_SOURCE_DIR}/cmake/assemble_help.cmake
    COMMENT "Assembling ${program}.html"
    VERBATIM)
  set(helps ${help})
  # Each translation, resources/help/<language>/, becomes <program>.<language>.html.
  file(GLOB languages CONFIGURE_DEPENDS LIST_DIRECTORIES true RELATIVE ${help_dir} ${help_dir}/*)
  foreach(language IN LISTS languages)
    if(NOT IS_DIRECTORY ${help_dir}/${language})
      continue()
    endif()
    file(GLOB translated CONFIGURE_DEPENDS ${help_dir}/${language}/*.html)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${program}.${language}.html)
    add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DHELP_DIR=${help_dir}/${language}
              -DFALLBACK_DIR=${help_dir} -DGAMES=${ARG_GAMES}
              -P ${PROJECT_SOURCE_DIR}/cmake/assemble_help.cmake
      DEPENDS ${translated} ${pieces} ${PROJECT_SOURCE_DIR}/cmake/assemble_help.cmake
      COMMENT "Assembling ${program}.${language}.html"
      VERBATIM)
    list(APPEND helps ${output})
  endforeach()
  add_custom_target(${program}_help ALL DEPENDS ${helps})
  add_dependencies(${program} ${program}_help)

  set(data ${CMAKE_INSTALL_DATADIR}/games/${program})
  install(TARGETS ${program} RUNTIME DESTINATION games COMPONENT games)
  install(FILES ${helps} DESTINATION ${data} COMPONENT games)
  tw_install_sounds(DESTINATION ${data})
  install(FILES resources/${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          RENAME ${app_id}.desktop COMPONENT games)
  string(TOUPPER ${program} PROGRAM)
  foreach(size 48 256)
    set(icon ${${PROGRAM}_ICON_PNG})
    if(size EQUAL 48)
      set(icon ${${PROGRAM}_ICON_PNG_48})
    endif()
    if(icon)
      install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
              RENAME ${program}.png COMPONENT games)
    endif()
  endforeach()
endfunction()
