# HF beam headings: the great circle and the place lists, then the windows (beam,
# favourites, user-list help) with their own catalogue.
target_sources(tools PRIVATE ${CMAKE_CURRENT_LIST_DIR}/hf_beam.cpp)

# The US states and French departements travel inside the program.
qt_add_resources(tools tools_hf_places
  PREFIX /places
  BASE ${CMAKE_SOURCE_DIR}/resources/places
  FILES
    ${CMAKE_SOURCE_DIR}/resources/places/us_states.txt
    ${CMAKE_SOURCE_DIR}/resources/places/fr_departements.txt
)

set(HF_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/form_hf_beam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_hf_beam_build.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_favorites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_help_my_list.cpp
)
add_library(hf_ui STATIC
  ${HF_UI_SOURCES}
  ${CMAKE_CURRENT_LIST_DIR}/form_hf_beam.h
  ${CMAKE_CURRENT_LIST_DIR}/form_favorites.h
  ${CMAKE_CURRENT_LIST_DIR}/form_help_my_list.h
)
set_target_properties(hf_ui PROPERTIES AUTOMOC ON)
target_include_directories(hf_ui PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(hf_ui PUBLIC tools tools_ui tracking base_help_ui Qt6::Widgets)

qt_add_translations(hf_ui
  TS_FILES
    ${CMAKE_SOURCE_DIR}/resources/translations/hfbeam_es.ts
    ${CMAKE_SOURCE_DIR}/resources/translations/hfbeam_fr.ts
    ${CMAKE_SOURCE_DIR}/resources/translations/hfbeam_de.ts
    ${CMAKE_SOURCE_DIR}/resources/translations/hfbeam_it.ts
  SOURCES ${HF_UI_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -no-obsolete
)
