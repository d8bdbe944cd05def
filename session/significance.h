#pragma once

// How often a fair wheel, by chance alone, gives a figure as unusual as the one seen: a count
// of hits of a group of numbers no more likely than it, or an absence at least as long. Both exact,
// for any number of spins. And Holm's correction, for when many such figures are looked at
// together: among twenty figures one is often lopsided by chance alone.

#include <cstdint>
#include <vector>

namespace vellaro {

// On `spins` spins that each hit with chance `p` (0 < p < 1): the chance of a count of hits
// no more likely than `hits`, on either side of the mean. This is the two-sided exact test
// that adds up every count k with P(k) <= P(hits), not the one that doubles the smaller
// tail; a count within a relative 1e-7 of P(hits) counts as equally likely, so that
// rounding cannot drop an outcome exactly as likely as the one seen. 1 without spins.
// REQUIRES: 0 <= hits <= spins.
double TwoSidedBinomialP(int64_t hits, int64_t spins, double p);

// On `spins` spins that each hit with chance `p`: the chance that somewhere they hold `run`
// or more misses in a row. 1 for a run of 0 or less, 0 for a run longer than the spins.
double AbsenceAtLeastP(int64_t run, int64_t spins, double p);

// Holm's step-down correction, in the order given: the i-th smallest of m p-values (i from
// 1) is multiplied by m - i + 1, raised to the value before it in that order if it fell
// below, and held to 1. A figure is unusual at level a when its corrected value is <= a; on
// a fair wheel the chance that any figure is, is then at most a, however the figures hang
// together.
std::vector<double> HolmCorrected(const std::vector<double>& p_values);

}  // namespace vellaro
