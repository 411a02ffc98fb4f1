# The station data dialog.
target_sources(dialogs PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TStationsangabenDlg.cpp
)
