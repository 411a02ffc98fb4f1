# Start hints and the program info window.
tarvex_test(dialogs_hinweise_test ${CMAKE_CURRENT_LIST_DIR}/HinweiseTest.cpp LIBS dialogs)
