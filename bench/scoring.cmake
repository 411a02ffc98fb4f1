# The running evaluation over a whole log.
tarvex_bench(bench_scoring ${CMAKE_CURRENT_LIST_DIR}/ScoringBench.cpp LIBS scoring core)
