# DX station, converter and orbit view: their computations, then their windows.
orvane_test(dx_tests unit
  ${CMAKE_CURRENT_LIST_DIR}/dx/dx_functions_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dx/orbit_geometry_test.cpp
)
target_link_libraries(dx_tests PRIVATE dx_ui)
target_include_directories(dx_tests PRIVATE ${CMAKE_SOURCE_DIR})

orvane_test(dx_ui_tests ui
  ${CMAKE_CURRENT_LIST_DIR}/ui_test_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dx/form_dx_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dx/form_conv_orbit_test.cpp
)
target_link_libraries(dx_ui_tests PRIVATE dx_ui Qt6::Test)
target_include_directories(dx_ui_tests PRIVATE ${CMAKE_SOURCE_DIR})
