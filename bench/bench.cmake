# The scan benchmark: generates a year of movements and a product archive in a temporary
# folder and times the summary and inventory loads against a plain read of the same files.
# Built with the program, run by hand (a Release build): build/depotta_bench [movements products]
add_executable(depotta_bench bench/ScanBench.cpp bench/BenchSupport.cpp)
target_link_libraries(depotta_bench PRIVATE depotta_policy dp_summaries_ui)

# The search and record-list benchmark: a 100,000-record customer and product archive, the
# searches and the low-stock list timed against a block read. build/depotta_listbench [records]
add_executable(depotta_listbench bench/ListBench.cpp bench/BenchSupport.cpp)
target_link_libraries(depotta_listbench PRIVATE depotta_policy dp_search_core dp_ui_base)

# The export benchmark: a load journal's export screen (grid ready) and its spreadsheet file
# against a block read of the journal and a plain write of the same bytes.
# Run by hand (a Release build): build/depotta_export_bench [movements runs]
add_executable(depotta_export_bench bench/ExportBench.cpp bench/BenchSupport.cpp)
target_link_libraries(depotta_export_bench PRIVATE depotta_policy dp_export_ui)

# The stock check and reminder benchmark: 100,000 products against 1,000,000 movements.
# Run by hand (a Release build): build/depotta_stockbench [products movements runs]
add_executable(depotta_stockbench bench/StockCheckBench.cpp bench/BenchSupport.cpp)
target_link_libraries(depotta_stockbench PRIVATE depotta_policy dp_warehouse_core dp_search_core)
