# The PDF writer against Qt's own PDF engine on the same long table.
tarvex_bench(bench_pdf ${CMAKE_CURRENT_LIST_DIR}/PdfBench.cpp LIBS pdf Qt6::Gui)
