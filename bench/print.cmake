# A print-all page of nine snapshots drawn to a 600 dpi PDF file, and the mail hand-off's
# attachment encoding.
add_executable(bench_print print_bench.cpp)
target_link_libraries(bench_print PRIVATE kadelo_output kadelo_platform_widgets benchmark::benchmark
                                          kadelo_build_options)
