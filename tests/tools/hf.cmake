# HF beam headings: the computations and lists, then the windows over a recording GS-232.
orvane_test(hf_tests unit
  ${CMAKE_CURRENT_LIST_DIR}/test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hf_beam_test.cpp
)
target_link_libraries(hf_tests PRIVATE tools)

orvane_test(hf_ui_tests ui
  ${CMAKE_CURRENT_LIST_DIR}/ui_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_hf_beam_test.cpp
)
target_link_libraries(hf_ui_tests PRIVATE hf_ui Qt6::Test)
