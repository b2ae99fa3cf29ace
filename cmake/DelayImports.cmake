# Import libraries that load their DLL on the first call into it rather than
# when the program starts. The common dialogs and the shell pull in half a
# dozen more system DLLs that SW needs only once a user opens a file, prints
# or follows a link; start-up should not wait for them.
#
# sw_delay_import(<target> <dll>) makes the imported library <target> from
# cmake/delay/<dll>.def. A function missing from the .def fails the link
# rather than loading the DLL at start-up after all.
#
# A 32-bit build takes cmake/delay/<dll>-x86.def where there is one: its
# names carry the stdcall decorations that the 32-bit callers link against.
function(sw_delay_import target dll)
  set(def ${PROJECT_SOURCE_DIR}/cmake/delay/${dll}.def)
  set(kill_at)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND EXISTS ${PROJECT_SOURCE_DIR}/cmake/delay/${dll}-x86.def)
    set(def ${PROJECT_SOURCE_DIR}/cmake/delay/${dll}-x86.def)
    set(kill_at --kill-at)
  endif()
  set(lib ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
    COMMAND ${SW_DLLTOOL} --input-def ${def} --output-delaylib ${lib} ${kill_at}
    DEPENDS ${def}
    COMMENT "Delay-load import library for ${dll}.dll")
  add_custom_target(${target}_generate DEPENDS ${lib})
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib})
  add_dependencies(${target} ${target}_generate)
endfunction()
