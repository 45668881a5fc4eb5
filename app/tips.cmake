# tips.txt beside the game: the readable tips source scrambled by a small tool of the build
# machine. A cross build cannot run its own, so it is given the tool of a native build.
if(CMAKE_CROSSCOMPILING)
  set(SCRAMBLE_TIPS_COMMAND "" CACHE FILEPATH "ScrambleTips built for the build machine")
  if(NOT EXISTS "${SCRAMBLE_TIPS_COMMAND}")
    message(FATAL_ERROR "A cross build needs -DSCRAMBLE_TIPS_COMMAND=<a native build>/app/ScrambleTips")
  endif()
  set(scrambler ${SCRAMBLE_TIPS_COMMAND})
else()
  # The game's own GBK conversion, without the rest of platform/.
  add_executable(ScrambleTips ScrambleTips.cpp ${PROJECT_SOURCE_DIR}/platform/Gbk.cpp)
  target_include_directories(ScrambleTips PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(ScrambleTips PRIVATE Qt6::Core)
  set(scrambler ScrambleTips)
endif()

set(TIPS_FILE ${CMAKE_CURRENT_BINARY_DIR}/tips.txt)
add_custom_command(
  OUTPUT ${TIPS_FILE}
  COMMAND ${scrambler} ${CMAKE_CURRENT_SOURCE_DIR}/tips-source.txt ${TIPS_FILE}
  DEPENDS ${scrambler} ${CMAKE_CURRENT_SOURCE_DIR}/tips-source.txt
  COMMENT "Scrambling the ticker tips into tips.txt"
  VERBATIM
)
add_custom_target(tips DEPENDS ${TIPS_FILE})
add_dependencies(dushihuolang tips)
