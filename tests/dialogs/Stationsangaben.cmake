# The station data dialog.
tarvex_test(dialogs_stationsangaben_test ${CMAKE_CURRENT_LIST_DIR}/StationsangabenTest.cpp
  LIBS dialogs)
