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

# tw_reuse_headers(owner target...): the targets, which declare no QObject,
# compile with the precompiled headers of `owner`, and their moc files without.
function(tw_reuse_headers owner)
  foreach(target IN LISTS ARGN)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  endforeach()
  tw_moc_without_headers(${ARGN})
endfunction()
