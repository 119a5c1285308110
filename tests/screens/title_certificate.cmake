# The title and certificate windows, and the close rule of all three
# windows, headless.
grotzel_add_test(test_title_certificate
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_title_certificate.cpp LIBS grotzel_screens grotzel_events)
