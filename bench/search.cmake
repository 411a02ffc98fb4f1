# The search over the logged callsigns and the filling of the hit grid.
tarvex_bench(bench_search ${CMAKE_CURRENT_LIST_DIR}/SucheBench.cpp LIBS search core)
