# Loading the log and filling the list; the duplicate check and one whole save.
tarvex_bench(bench_log ${CMAKE_CURRENT_LIST_DIR}/LogBench.cpp LIBS core)
tarvex_bench(bench_speichern ${CMAKE_CURRENT_LIST_DIR}/SpeichernBench.cpp LIBS fenster widgets)
