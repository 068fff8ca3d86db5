# Parsing Qt's headers is most of the time of each compile, so two targets
# parse them once each, with the rest of the headers nearly every file reads:
# `platform` for the programs, their tools and benchmarks, and
# `qt_gtest_main` (GoogleTest's too) for the tests. No other target names
# them: once every folder is read, tw_share_headers gives each target of
# these folders that makes none of its own the headers of `qt_gtest_main`
# when it links GoogleTest, else those of `platform` when it links that (itself
# or through a library of ours); a target that links neither (the sound
# generator, the start-up benchmarks) reads its few headers itself. The
# installer's folders take those of `setupkit_core`, Qt Core's alone, which
# its loaded libraries (compiled as position-independent code) can share.
set(TW_HEADER_FOLDERS platform tools quenby tollmere tests bench)
set(TW_INSTALLER_FOLDERS setup setupkit)

# tw_moc_without_headers(target...): the targets' moc files compile without
# the precompiled headers. A target that declares no QObject has an empty moc
# file, and loading the headers would be all the time it takes.
function(tw_moc_without_headers)
  foreach(target IN LISTS ARGN)
    get_target_property(dir ${target} BINARY_DIR)
    set_source_files_properties(${dir}/${target}_autogen/mocs_compilation.cpp
      TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endforeach()
endfunction()

# tw_reuse_headers(owner target...): the targets compile with the precompiled
# headers of `owner`, and their moc files without.
function(tw_reuse_headers owner)
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  endforeach()
  tw_moc_without_headers(${ARGN})
endfunction()

# Whether `target` links `library`, itself or through the targets it links.
function(tw_links target library result)
  set(${result} FALSE PARENT_SCOPE)
  get_target_property(links ${target} LINK_LIBRARIES)
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
    if(link STREQUAL library)
      set(${result} TRUE PARENT_SCOPE)
      return()
    endif()
    if(TARGET ${link} AND NOT link MATCHES "::")
      tw_links(${link} ${library} found)
      if(found)
        set(${result} TRUE PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
endfunction()

function(tw_targets_below dir result)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    tw_targets_below(${subdir} more)
    list(APPEND targets ${more})
  endforeach()
  set(${result} ${targets} PARENT_SCOPE)
endfunction()

# The targets below `folders` that make no headers of their own and reuse
# none yet; a target that makes its own gets its moc file compiled without.
function(tw_header_takers result)
  set(takers)
  foreach(folder IN LISTS ARGN)
    tw_targets_below(${PROJECT_SOURCE_DIR}/${folder} targets)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      get_target_property(own ${target} PRECOMPILE_HEADERS)
      get_target_property(reused ${target} PRECOMPILE_HEADERS_REUSE_FROM)
      if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$" OR reused)
        continue()
      endif()
      if(own)
        tw_moc_without_headers(${target})
      else()
        list(APPEND takers ${target})
      endif()
    endforeach()
  endforeach()
  set(${result} ${takers} PARENT_SCOPE)
endfunction()

function(tw_share_headers)
  tw_header_takers(targets ${TW_HEADER_FOLDERS})
  foreach(target IN LISTS targets)
    tw_links(${target} GTest::gtest tests)
    tw_links(${target} platform programs)
    if(tests)
      tw_reuse_headers(qt_gtest_main ${target})
    elseif(programs)
      tw_reuse_headers(platform ${target})
    endif()
  endforeach()
  tw_header_takers(installer ${TW_INSTALLER_FOLDERS})
  if(installer)
    tw_reuse_headers(setupkit_core ${installer})
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tw_share_headers)
