# The election data window: included from this folder's CMakeLists.txt. Its angle tool lives in
# the core.
include(${CMAKE_CURRENT_LIST_DIR}/../chart/election_angles.cmake)
target_sources(orvantis_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/election_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/election_window.h
)
