# Start hints and the program info window.
target_sources(dialogs PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Hinweise.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TStartInfoForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TLogFormInfo.cpp
)
