# The options editor, the help viewer, the About and the title windows: included from this
# folder's CMakeLists.txt.
target_sources(orvantis_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/about_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_window.h
    ${CMAKE_CURRENT_LIST_DIR}/help_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_window.h
    ${CMAKE_CURRENT_LIST_DIR}/options_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/options_window.h
    ${CMAKE_CURRENT_LIST_DIR}/title_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/title_window.h
)
