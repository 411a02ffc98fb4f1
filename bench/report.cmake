# The page printer: recording a long table and painting a preview page.
tarvex_bench(bench_report ${CMAKE_CURRENT_LIST_DIR}/ReportBench.cpp
  LIBS report core platform_gui Qt6::Widgets)
