# DX station, coordinate converter and orbit view: the computations, then the windows
# with their own catalogues.
add_library(dx STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dx_station.cpp
  ${CMAKE_CURRENT_LIST_DIR}/covisibility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orbit_geometry.cpp
)
target_include_directories(dx PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(dx PUBLIC prediction orbit)

set(DX_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/form_conv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_dx.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_dx_compute.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_orbit.cpp
)
add_library(dx_ui STATIC
  ${DX_UI_SOURCES}
  ${CMAKE_CURRENT_LIST_DIR}/form_conv.h
  ${CMAKE_CURRENT_LIST_DIR}/form_dx.h
  ${CMAKE_CURRENT_LIST_DIR}/form_orbit.h
)
set_target_properties(dx_ui PROPERTIES AUTOMOC ON)
target_include_directories(dx_ui PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(dx_ui PUBLIC dx tools base_help_ui Qt6::Widgets)

qt_add_translations(dx_ui
  TS_FILES
    ${CMAKE_SOURCE_DIR}/resources/translations/dx_es.ts
    ${CMAKE_SOURCE_DIR}/resources/translations/dx_fr.ts
    ${CMAKE_SOURCE_DIR}/resources/translations/dx_de.ts
    ${CMAKE_SOURCE_DIR}/resources/translations/dx_it.ts
  SOURCES ${DX_UI_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -no-obsolete
)
