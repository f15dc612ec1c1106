# What every libFuzzer project of the tree shares. Each fuzz/ folder is a
# project of its own, built with clang, that includes this file after project():
#   cmake -S store/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
# It needs neither Qt nor the rest of the build: what it fuzzes is plain C++.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "libFuzzer needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# Includes name their folder ("engine/game.h") from the top of the tree.
get_filename_component(TARVELO_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# tarvelo_fuzzer(<name> <fuzzer.cpp> [FOLDERS folder...] [FILES file...] [SEEDS seeds.cpp])
#
# The fuzzer <name> with AddressSanitizer and UndefinedBehaviorSanitizer: the
# code under test (every *.cpp of FOLDERS and the FILES, both from the top of
# the tree) goes into <name>_code, instrumented for the fuzzer but without its
# main, so that SEEDS, a program that writes the starting corpus, runs the
# same code (it is named after its source: saved_game_seeds.cpp makes saved_game_seeds).
function(tarvelo_fuzzer name fuzzer)
  cmake_parse_arguments(ARG "" "SEEDS" "FOLDERS;FILES" ${ARGN})
  set(code "")
  foreach(folder IN LISTS ARG_FOLDERS)
    file(GLOB found CONFIGURE_DEPENDS ${TARVELO_ROOT}/${folder}/*.cpp)
    if(NOT found)
      message(FATAL_ERROR "${name}: no source in ${TARVELO_ROOT}/${folder}")
    endif()
    list(APPEND code ${found})
  endforeach()
  foreach(file IN LISTS ARG_FILES)
    if(NOT EXISTS ${TARVELO_ROOT}/${file})
      message(FATAL_ERROR "${name}: ${TARVELO_ROOT}/${file} is gone")
    endif()
    list(APPEND code ${TARVELO_ROOT}/${file})
  endforeach()

  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_library(${name}_code STATIC ${code})
  target_include_directories(${name}_code PUBLIC ${TARVELO_ROOT})
  target_compile_options(${name}_code PUBLIC -g -O1 ${sanitizers} -fsanitize=fuzzer-no-link)
  target_link_options(${name}_code PUBLIC ${sanitizers})

  add_executable(${name} ${fuzzer})
  target_link_libraries(${name} PRIVATE ${name}_code)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)

  if(ARG_SEEDS)
    get_filename_component(seeds ${ARG_SEEDS} NAME_WE)
    add_executable(${seeds} ${ARG_SEEDS})
    target_link_libraries(${seeds} PRIVATE ${name}_code)
  endif()
endfunction()
