# The masked edit and the date edit of the entry mask, compiled straight from their sources so the
# tests need nothing of the main window.
tarvex_test(test_maskedit
  ${CMAKE_CURRENT_LIST_DIR}/MaskEditTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatumEditTest.cpp
  ${CMAKE_SOURCE_DIR}/src/app/MaskEdit.cpp
  ${CMAKE_SOURCE_DIR}/src/app/DatumEdit.cpp
  LIBS platform Qt6::Widgets)
