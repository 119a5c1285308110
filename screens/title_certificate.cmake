# The title and certificate windows, added to the screens library.
target_sources(grotzel_screens PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_button.cpp ${CMAKE_CURRENT_LIST_DIR}/command_button.h
  ${CMAKE_CURRENT_LIST_DIR}/form2.cpp ${CMAKE_CURRENT_LIST_DIR}/form2.h
  ${CMAKE_CURRENT_LIST_DIR}/form3.cpp ${CMAKE_CURRENT_LIST_DIR}/form3.h
)
