#pragma once

// A shown view with a full ring, left to its own 30 ms tick for `seconds` with no input,
// then the same window with one particle laid on every tick. Prints the process's CPU
// time over wall time and the frames drawn in each phase; returns the exit status.
int RunIdleCpuMeasurement(double seconds);
