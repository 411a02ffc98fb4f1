# Keystrokes into the masked and the unmasked field of the entry mask.
tarvex_bench(bench_maskedit ${CMAKE_CURRENT_LIST_DIR}/MaskEditBench.cpp LIBS widgets platform)
