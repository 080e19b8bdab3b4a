#include "CarrierEstimate.h"

#include <utility>

void QuickSortDoubles(double* a, long low, long high)
{
    while (low < high) {
        const double pivot = a[(low + high) / 2];
        long i = low;
        long j = high;
        while (i <= j) {
            while (a[i] < pivot)
                ++i;
            while (a[j] > pivot)
                --j;
            if (i <= j)
                std::swap(a[i++], a[j--]);
        }
        // Recurse into the smaller side and go on with the larger, so the stack stays shallow.
        if (j - low < high - i) {
            QuickSortDoubles(a, low, j);
            low = i;
        } else {
            QuickSortDoubles(a, i, high);
            high = j;
        }
    }
}

double estimateCarrierKHz(const std::vector<double>& times)
{
    const long L = long(times.size());
    // 1-based like the run list; index 0 stays unused and 0.
    std::vector<double> runLength(std::size_t(L) + 1, 0.0);
    std::vector<double> cycleFrequency(std::size_t(L) + 1, 0.0);
    for (long i = 2; i <= L; ++i)
        runLength[std::size_t(i)] = times[std::size_t(i - 1)] - times[std::size_t(i - 2)];
    for (long i = 3; i <= L; ++i) {
        const double cycle = runLength[std::size_t(i)] + runLength[std::size_t(i - 1)];
        cycleFrequency[std::size_t(i)] = cycle > 0 ? 1 / cycle / 1000 : 0;
    }
    if (L >= 3)
        QuickSortDoubles(cycleFrequency.data(), 3, L);
    const long a = L / 2;
    const long b = L - long(0.2 * double(L - a));
    double sum = 0;
    for (long i = a; i <= b; ++i)
        sum += cycleFrequency[std::size_t(i)];
    return sum / double(b - a + 1);
}
