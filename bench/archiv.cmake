# The DOKs of earlier evenings: reading a large archive and one lookup.
tarvex_bench(bench_archiv ${CMAKE_CURRENT_LIST_DIR}/ArchivBench.cpp LIBS core)
