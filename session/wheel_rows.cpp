#include "session/wheel_rows.h"

#include <charconv>

#include "session/figure_text.h"
#include "text/translate.h"

namespace vellaro {

namespace {

std::string Digits(double value, std::chars_format format, int precision) {
  char text[64];
  const std::to_chars_result end =
      std::to_chars(text, text + sizeof text, value, format, precision);
  return {text, end.ptr};
}

const FigureCheck* CheckOf(const WheelStatistics& wheel, FigureKind kind, size_t group) {
  for (const FigureCheck& check : wheel.checks) {
    if (check.kind == kind && check.group == group) return &check;
  }
  return nullptr;
}

std::string RowChance(const FigureCheck* check, bool corrected) {
  if (check == nullptr || !check->p_value) return Tr("n/a");
  return LocalNumber(GeneralDigits(corrected ? *check->corrected : *check->p_value));
}

std::string Unusual(const FigureCheck* hits, const FigureCheck* absence) {
  const bool by_hits = hits != nullptr && hits->unusual;
  const bool by_absence = absence != nullptr && absence->unusual;
  if (by_hits && by_absence) return Tr("both");
  if (by_hits) return Tr("hits");
  return by_absence ? Tr("absence") : Tr("no");
}

}  // namespace

std::string GeneralDigits(double value) {
  return Digits(value, std::chars_format::general, 6);
}

std::vector<WheelRow> WheelRows(const WheelStatistics& wheel) {
  std::vector<WheelRow> rows;
  for (size_t g = 0; g < wheel.groups.size(); ++g) {
    const GroupCount& count = wheel.groups[g];
    const FigureCheck* hits = CheckOf(wheel, FigureKind::kHits, g);
    const FigureCheck* absence = CheckOf(wheel, FigureKind::kLongestAbsence, g);
    rows.push_back({count.group->ShownName(), LocalCount(count.hits),
                    LocalNumber(Digits(count.share, std::chars_format::fixed, 4)),
                    LocalNumber(Digits(count.group->expected_share(), std::chars_format::fixed, 4)),
                    LocalCount(count.since_last), LocalCount(count.longest_absence),
                    RowChance(hits, false), RowChance(hits, true), RowChance(absence, false),
                    RowChance(absence, true), Unusual(hits, absence)});
  }
  return rows;
}

}  // namespace vellaro
