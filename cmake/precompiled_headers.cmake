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
