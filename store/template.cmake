# The template project database VORN.mdb, generated from the table definitions in
# store/schema.cpp and placed beside the application.
add_executable(orvalen_make_template
  ${CMAKE_CURRENT_SOURCE_DIR}/tools/make_template.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/store/schema.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/platform/database.cpp)
target_include_directories(orvalen_make_template PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(orvalen_make_template PRIVATE Qt6::Core SQLite::SQLite3)

set(ORVALEN_TEMPLATE_FILE ${CMAKE_BINARY_DIR}/VORN.mdb)
add_custom_command(
  OUTPUT ${ORVALEN_TEMPLATE_FILE}
  COMMAND orvalen_make_template ${ORVALEN_TEMPLATE_FILE}
  DEPENDS orvalen_make_template
  COMMENT "Generating the project template VORN.mdb"
  VERBATIM)
add_custom_target(orvalen_template ALL DEPENDS ${ORVALEN_TEMPLATE_FILE})
if(TARGET orvalen)
  add_dependencies(orvalen orvalen_template)
endif()
