find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(fitting_bench fitting_bench.cpp)
target_link_libraries(fitting_bench PRIVATE kadelo_app Qt6::Test benchmark::benchmark kadelo_build_options)
