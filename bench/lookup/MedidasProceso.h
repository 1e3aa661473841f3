#pragma once
// What the bench measures of its own process: elapsed time and resident memory.
#include <chrono>
#include <cstddef>

// Seconds since `desde`.
double Segundos(std::chrono::steady_clock::time_point desde);
// Resident memory of the process in bytes (/proc/self/statm).
size_t MemoriaResidente();
