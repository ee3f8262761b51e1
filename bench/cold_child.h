#pragma once
// The child side of the cold benchmarks (bench_cold.cpp): this program started
// again with --cold-child=kind:side:file does one action in a fresh process,
// reports it to the benchmark that started it and ends.
int RunColdChild(const char* action);
