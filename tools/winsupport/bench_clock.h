// What every benchmark measures with: the performance counter and the percentile of samples.
#pragma once

#include <windows.h>

#include <vector>

namespace winsupport {

LONGLONG Now();
double Milliseconds(LONGLONG ticks);
double Microseconds(LONGLONG ticks);
// The sample at `fraction` (0.5 the median, 1.0 the largest) of a non-empty list.
double Percentile(std::vector<double> samples, double fraction);

}  // namespace winsupport
