# One colour pick (undo, tint, showing on the hairstyle layer) against one memcpy of the bitmap.
add_executable(bench_colour_pick colour_pick.cpp)
target_link_libraries(bench_colour_pick PRIVATE kadelo_colour kadelo_platform_widgets benchmark::benchmark
                                                kadelo_build_options)
