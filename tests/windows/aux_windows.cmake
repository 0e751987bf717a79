# Tests of the options editor, the help viewer and texts, the About and the title windows:
# included from this folder's CMakeLists.txt.
orvantis_test(aux_windows_test ${CMAKE_CURRENT_LIST_DIR}/aux_windows_test.cpp GUI)
