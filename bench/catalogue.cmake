# Building the thumbnail strip for a category of 200 large thumbnails, decoded straight to
# the tile's size against decoded at full size.
add_executable(bench_thumbnail_strip thumbnail_strip.cpp)
target_link_libraries(bench_thumbnail_strip PRIVATE kadelo_app benchmark::benchmark kadelo_build_options)
