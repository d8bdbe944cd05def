#include "session/wheel_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "session/figure_text.h"
#include "session/significance.h"
#include "text/translate.h"

namespace vellaro {

namespace {

std::vector<const NumberGroup*> WatchedGroups() {
  std::vector<const NumberGroup*> groups;
  groups.reserve(kDozens.size() + kColumns.size() + kSectors.size());
  for (const NumberGroup& g : kDozens) groups.push_back(&g);
  for (const NumberGroup& g : kColumns) groups.push_back(&g);
  for (const NumberGroup& g : kSectors) groups.push_back(&g);
  return groups;
}

GroupCount CountGroup(const NumberGroup& group, const std::vector<int>& spins) {
  GroupCount count;
  count.group = &group;
  for (const int n : spins) {
    if (group.Contains(n)) {
      ++count.hits;
      count.since_last = 0;
    } else {
      ++count.since_last;
      count.longest_absence = std::max(count.longest_absence, count.since_last);
    }
  }
  const auto n = static_cast<double>(spins.size());
  count.share = spins.empty() ? 0.0 : static_cast<double>(count.hits) / n;
  count.expected_hits = n * group.expected_share();
  return count;
}

double FigureP(FigureKind kind, const GroupCount& count, int64_t spins) {
  const double p = count.group->expected_share();
  return kind == FigureKind::kHits ? TwoSidedBinomialP(count.hits, spins, p)
                                   : AbsenceAtLeastP(count.longest_absence, spins, p);
}

// The smallest chance this figure can have in `spins` spins: an absence through all of
// them, or every one of them a hit. Every group holds fewer than half the pockets, so all
// hits is the least likely count, less likely by far than the next (n q / p >= 20 / 17), and
// its two-sided chance is its own: p^n.
double MostLopsidedP(FigureKind kind, const NumberGroup& group, int64_t spins) {
  const double p = group.expected_share();
  const auto all = static_cast<double>(spins);
  return kind == FigureKind::kLongestAbsence ? std::pow(1.0 - p, all) : std::pow(p, all);
}

// "1st dozen (1-12), 95 hits against 64.9 expected", "Orphelins, away 31 spins at the longest".
std::string Describe(FigureKind kind, const GroupCount& count) {
  const char* name = count.group->ShownName();
  if (kind == FigureKind::kLongestAbsence) {
    return TrFormat(OneOrMany(count.longest_absence, N_("{1}, away {2} spin at the longest"),
                              N_("{1}, away {2} spins at the longest")),
                    {name, LocalCount(count.longest_absence)});
  }
  char expected[32];
  std::snprintf(expected, sizeof expected, "%.1f", count.expected_hits);
  return TrFormat(OneOrMany(count.hits, N_("{1}, {2} hit against {3} expected"),
                            N_("{1}, {2} hits against {3} expected")),
                  {name, LocalCount(count.hits), LocalNumber(expected)});
}

std::string PlainCheck(const FigureCheck& check, const GroupCount& count, size_t figures) {
  const std::string figure = Describe(check.kind, count);
  if (!check.p_value) {
    return check.kind == FigureKind::kHits
               ? TrFormat(
                     "{1}: too few spins to judge; even no hit, or a hit on every spin, "
                     "would be usual.",
                     {figure})
               : TrFormat(
                     "{1}: too few spins to judge; even an absence through all of them "
                     "would be usual.",
                     {figure});
  }
  return TrFormat("{1}: {2} by chance alone; corrected for the {3} figures, {4}.",
                  {figure, PValueText(*check.p_value), LocalCount(static_cast<int64_t>(figures)),
                   PValueText(*check.corrected)});
}

// Fills stats.checks. Returns whether any figure can be unusual at all in this many spins:
// Holm's first step asks one of the m figures for a chance of at most kUnusualLevel / m.
bool CheckFigures(WheelStatistics& stats) {
  const size_t figures = 2 * stats.groups.size();
  std::vector<double> raw;
  bool can_stand_out = false;
  for (const FigureKind kind : {FigureKind::kHits, FigureKind::kLongestAbsence}) {
    for (size_t g = 0; g < stats.groups.size(); ++g) {
      FigureCheck check;
      check.kind = kind;
      check.group = g;
      raw.push_back(FigureP(kind, stats.groups[g], stats.spins));
      const double lowest = MostLopsidedP(kind, *stats.groups[g].group, stats.spins);
      if (lowest <= kUnusualLevel) check.p_value = raw.back();
      can_stand_out = can_stand_out || lowest <= kUnusualLevel / static_cast<double>(figures);
      stats.checks.push_back(check);
    }
  }
  const std::vector<double> corrected = HolmCorrected(raw);
  for (size_t i = 0; i < figures; ++i) {
    FigureCheck& check = stats.checks[i];
    if (check.p_value) check.corrected = corrected[i];
    check.unusual = corrected[i] <= kUnusualLevel;
    check.plain = PlainCheck(check, stats.groups[check.group], figures);
  }
  return can_stand_out;
}

std::string Verdict(const WheelStatistics& stats, bool can_stand_out) {
  if (stats.spins == 0) return Tr("No spins yet.");
  const std::string spins = LocalCount(stats.spins);
  if (!can_stand_out) {
    return TrFormat(OneOrMany(stats.spins,
                              N_("{1} spin is too few for a dozen, a column or a sector to stand "
                                 "out: even the most lopsided count would be usual by chance."),
                              N_("{1} spins are too few for a dozen, a column or a sector to "
                                 "stand out: even the most lopsided count would be usual by "
                                 "chance.")),
                    {spins});
  }
  std::string named;
  for (const FigureCheck& check : stats.checks) {
    if (!check.unusual) continue;
    if (!named.empty()) named += "; ";
    named += TrFormat("{1} ({2} corrected)", {Describe(check.kind, stats.groups[check.group]),
                                              PValueText(*check.corrected)});
  }
  if (named.empty()) {
    return TrFormat(OneOrMany(stats.spins, N_("Nothing here is unusual for {1} spin."),
                              N_("Nothing here is unusual for {1} spins.")),
                    {spins});
  }
  // Nothing can stand out in a single spin: the plural is the only form this takes.
  return TrFormat(
      "Unusual for {1} spins, with {2} figures looked at together: {3}. A fair wheel "
      "gives a result like this in under 1 evening in 20, and it says nothing about "
      "the next spin.",
      {spins, LocalCount(static_cast<int64_t>(stats.checks.size())), named});
}

std::string Method(const WheelStatistics& stats) {
  return TrFormat(
      OneOrMany(stats.spins,
                N_("Each p is the chance that a fair wheel, in {1} spin, gives a count no more "
                   "likely than the one seen, on either side of the expected count, or an "
                   "absence at least this long. Holm's correction over the {2} figures keeps the "
                   "chance that a fair "
                   "wheel shows anything unusual at 5 % or less."),
                N_("Each p is the chance that a fair wheel, in {1} spins, gives a count no more "
                   "likely than the one seen, on either side of the expected count, or an "
                   "absence at least this long. Holm's correction over the {2} figures keeps the "
                   "chance that a fair "
                   "wheel shows anything unusual at 5 % or less.")),
      {LocalCount(stats.spins), LocalCount(static_cast<int64_t>(stats.checks.size()))});
}

}  // namespace

WheelStatistics CountWheel(const std::vector<int>& spins) {
  for (const int n : spins) {
    if (n < 0 || n >= kNumbers) throw std::out_of_range("not a spin of the wheel");
  }
  WheelStatistics stats;
  stats.spins = static_cast<int64_t>(spins.size());
  for (const NumberGroup* group : WatchedGroups()) {
    stats.groups.push_back(CountGroup(*group, spins));
  }
  for (const int n : spins) ++stats.pocket_hits[static_cast<size_t>(n)];
  const bool can_stand_out = CheckFigures(stats);
  stats.verdict = Verdict(stats, can_stand_out);
  stats.method = Method(stats);
  return stats;
}

}  // namespace vellaro
