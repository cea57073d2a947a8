# window_bench(<name> <source>): a bench that drives the program's main
# window, with everything the window reads at start-up (without the product
# information file it would wait on a message box).
function(window_bench name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE veltrix_app)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bench)
  target_compile_definitions(${name} PRIVATE VELTRIX_BIN_DIR="${VELTRIX_BIN_DIR}")
  add_dependencies(${name} veltrix-video-converter veltrix_softinfo)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
