# FindSwissEph
# ------------
# Finds the Swiss Ephemeris C library (Debian: libswe-dev), the independent reference the tests
# and benchmarks compare our series with. Never linked into the program itself.
#
# Imported target:
#   SwissEph::swe      the library with its include directory (header <swephexp.h>)
# Result variables:
#   SwissEph_FOUND, SWE_LIBRARY, SWE_INCLUDE_DIR
#
# Use:
#   list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
#   find_package(SwissEph REQUIRED)
#   target_link_libraries(my_test PRIVATE SwissEph::swe)

find_path(SWE_INCLUDE_DIR NAMES swephexp.h PATH_SUFFIXES swe sweph)
find_library(SWE_LIBRARY NAMES swe)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SwissEph REQUIRED_VARS SWE_LIBRARY SWE_INCLUDE_DIR)

if(SwissEph_FOUND AND NOT TARGET SwissEph::swe)
    add_library(SwissEph::swe UNKNOWN IMPORTED)
    set_target_properties(SwissEph::swe PROPERTIES
        IMPORTED_LOCATION "${SWE_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${SWE_INCLUDE_DIR}")
endif()

mark_as_advanced(SWE_INCLUDE_DIR SWE_LIBRARY)
