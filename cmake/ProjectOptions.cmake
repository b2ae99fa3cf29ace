# Compiler settings shared by the project's own targets (not by GoogleTest).
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

option(SW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(sw_project_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12's optimiser reports overlapping copies inside std::string's own
    # operator+ that cannot happen (its bug 105329); optimised builds would
    # otherwise fail on correct code.
    # Likewise its reports of copies past a std::string's bounds once the
    # string's operations are inlined (bug 105651): optimised test programs
    # would otherwise fail on correct code.
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-array-bounds
                           -Wno-stringop-overflow -Wno-stringop-overread)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    # Windows headers in their modern, lean form; ANSI texts throughout.
    target_compile_definitions(${target} PUBLIC
      WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # 32-bit exports are __stdcall functions (_DllGetClassObject@12) that the
  # .def files name plainly, as the loader and regsvr32 look them up.
  add_link_options(-Wl,--enable-stdcall-fixup)
endif()

if(WIN32)
  # Optimised Windows binaries ship without symbols: the loader maps every
  # section, and the static runtime's debug sections triple the size.
  add_link_options($<$<CONFIG:Release>:-s>)
endif()

if(SW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# GoogleTest's header costs more to parse than most test files themselves:
# test programs of several files parse it (and, on Windows, windows.h) once.
function(sw_test_precompiled_headers target)
  target_precompile_headers(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:<gtest/gtest.h>>")
  if(WIN32 AND NOT ARGV1 STREQUAL "PORTABLE")
    target_precompile_headers(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:<windows.h>>")
  endif()
endfunction()
