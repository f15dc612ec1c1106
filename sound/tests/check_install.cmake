# Installs the build into a fresh prefix and checks that the game and its
# built-in sounds land side by side: bin/tarvelo, lib/tarvelo/ (the sound
# device) and share/tarvelo/.
# Usage: cmake -DBUILD=<build dir> -DPREFIX=<empty folder> -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(file bin/tarvelo lib/tarvelo/libtarvelo-sdl-audio.so share/tarvelo/ARCADIA.MID share/tarvelo/minuet.mid share/tarvelo/shufl.wav
             share/tarvelo/yourturn.wav share/tarvelo/about.wav)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "missing in the installed prefix: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
