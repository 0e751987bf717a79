# The election window's angle tool (Qt-free). Included from this folder's CMakeLists.txt and from
# src/windows/election.cmake, whichever comes first; the guard makes the second a no-op.
include_guard(GLOBAL)
target_sources(orvantis_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/election_angles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/election_angles.h
)
