#pragma once

#include <vector>

// The carrier in kHz from the run times t(1..L): the cycle frequency of every two neighbouring
// runs, sorted, averaged over the upper middle of the list (sorted indexes L\2 to L - (L - L\2)\5).
// Indexes 0 to 2 never get a frequency and join the mean as 0, so short lists give small values
// and an empty one exactly 0. times holds t(1..L) as times[0..L-1].
double estimateCarrierKHz(const std::vector<double>& times);

// Sorts a[low..high] ascending: pivot in the middle, two pointers meeting from both ends.
void QuickSortDoubles(double* a, long low, long high);
