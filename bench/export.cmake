# Both log exports over a large LOG.TXT.
tarvex_bench(bench_export ${CMAKE_CURRENT_LIST_DIR}/ExportBench.cpp LIBS export core)
