# tips.txt beside the game: the readable tips source scrambled by a small host tool.
add_executable(ScrambleTips ScrambleTips.cpp)
target_link_libraries(ScrambleTips PRIVATE Qt6::Core)

set(TIPS_FILE ${CMAKE_CURRENT_BINARY_DIR}/tips.txt)
add_custom_command(
  OUTPUT ${TIPS_FILE}
  COMMAND ScrambleTips ${CMAKE_CURRENT_SOURCE_DIR}/tips-source.txt ${TIPS_FILE}
  DEPENDS ScrambleTips ${CMAKE_CURRENT_SOURCE_DIR}/tips-source.txt
  COMMENT "Scrambling the ticker tips into tips.txt"
  VERBATIM
)
add_custom_target(tips DEPENDS ${TIPS_FILE})
add_dependencies(dushihuolang tips)
