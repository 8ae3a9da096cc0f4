find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(startup_bench startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE kadelo_app Qt6::Test benchmark::benchmark kadelo_build_options)
target_compile_definitions(startup_bench PRIVATE KADELO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
