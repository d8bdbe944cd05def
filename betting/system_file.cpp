#include "betting/system_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <new>
#include <utility>
#include <vector>

#include "env/regular_file.h"
#include "text/translate.h"

namespace vellaro {

namespace {

// A refusal raised anywhere inside the parse; caught once, at the top, so that no partial
// definition can leave the parser.
struct Refusal {
  SystemFileError error;
};

[[noreturn]] void Refuse(int line, std::string message) {
  throw Refusal{SystemFileError{line, std::move(message)}};
}

// The refusals of one parse. Each line, and each value, is read on its own, so that a file
// with several mistakes is told all of them, and the first told is the first in the file.
class Refusals {
 public:
  // Runs `read`, keeping the refusal it raises; whether it read.
  template <typename Read>
  bool Try(Read&& read) {
    try {
      read();
      return true;
    } catch (Refusal& refusal) {
      found_.push_back(std::move(refusal.error));
      return false;
    }
  }
  bool None() const { return found_.empty(); }
  // By line, one for each line (the first found: a value refused as the line is read is
  // not refused again as a number). What concerns the file as a whole (a key missing) is
  // told only when no line is wrong: the key may be on a line that could not be read.
  std::vector<SystemFileError> InFileOrder() && {
    const auto whole_file = [](const SystemFileError& e) { return e.line == 0; };
    if (!std::all_of(found_.begin(), found_.end(), whole_file)) {
      found_.erase(std::remove_if(found_.begin(), found_.end(), whole_file), found_.end());
    }
    const auto by_line = [](const SystemFileError& a, const SystemFileError& b) {
      return a.line < b.line;
    };
    std::stable_sort(found_.begin(), found_.end(), by_line);
    const auto same_line = [](const SystemFileError& a, const SystemFileError& b) {
      return a.line != 0 && a.line == b.line;
    };
    found_.erase(std::unique(found_.begin(), found_.end(), same_line), found_.end());
    return std::move(found_);
  }

 private:
  std::vector<SystemFileError> found_;
};

// ---- the text as bytes: size, NUL, line length, UTF-8 ------------------------------------

// The length of the UTF-8 sequence starting at text[at], or 0 if it is not a valid one
// (overlong forms, surrogates and code points above U+10FFFF are refused).
size_t Utf8Length(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

std::string TooLarge() {
  return TrFormat("the file is larger than {1} bytes",
                  {LocalNumber(std::to_string(kMaxSystemFileBytes))});
}

void CheckLineBytes(std::string_view line, int number) {
  if (line.size() > kMaxSystemLineBytes) {
    Refuse(number, TrFormat("the line is longer than {1} bytes",
                            {LocalNumber(std::to_string(kMaxSystemLineBytes))}));
  }
  for (size_t at = 0; at < line.size();) {
    if (line[at] == '\0') Refuse(number, Tr("a NUL byte: a system file is text"));
    const size_t length = Utf8Length(line, at);
    if (length == 0) Refuse(number, Tr("the text is not UTF-8"));
    at += length;
  }
}

// ---- the lines: `key = value`, comments, blanks -------------------------------------------

struct Entry {
  std::string_view value;
  int line = 0;  // 0: the key is not in the file
};

enum Key : size_t {
  kName,
  kKind,
  kSequence,
  kLine,
  kOnWin,
  kOnLoss,
  kAtEnd,
  kStart,
  kFloor,
  kCap,
  kSafeguards,
  kKeyCount
};

constexpr std::array<std::string_view, kKeyCount> kKeyNames = {
    "name",   "kind",  "sequence", "line", "on_win",    "on_loss",
    "at_end", "start", "floor",    "cap",  "safeguards"};

using Entries = std::array<Entry, kKeyCount>;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Part of the file in a message: cut at a whole character, and with its control
// characters shown as '?', so that a message stays one line of UTF-8 a terminal prints
// as it is.
std::string Quoted(std::string_view text) {
  constexpr size_t kShown = 40;  // enough to recognise, short enough for one line of message
  size_t end = std::min(text.size(), kShown);
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  std::string shown = "'";
  for (const char c : text.substr(0, end)) {
    shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  }
  if (end < text.size()) shown += "...";
  return shown + "'";
}

std::string KeyList() {
  std::string list;
  for (const std::string_view key : kKeyNames) {
    if (!list.empty()) list += ", ";
    list += key;
  }
  return list;
}

void ReadLine(std::string_view line, int number, Entries& entries) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  CheckLineBytes(line, number);
  line = Trim(line.substr(0, line.find('#')));
  if (line.empty()) return;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    Refuse(number, TrFormat("expected 'key = value', not {1}", {Quoted(line)}));
  }
  const std::string_view key = Trim(line.substr(0, equals));
  size_t index = 0;
  while (index < kKeyCount && kKeyNames[index] != key) ++index;
  if (index == kKeyCount) {
    Refuse(number, TrFormat("unknown key {1}; expected one of {2}", {Quoted(key), KeyList()}));
  }
  Entry& entry = entries[index];
  if (entry.line != 0) {
    Refuse(number,
           TrFormat("{1} is already set at line {2}", {Quoted(key), std::to_string(entry.line)}));
  }
  const std::string_view value = Trim(line.substr(equals + 1));
  if (value.empty()) Refuse(number, TrFormat("expected a value after '{1} ='", {key}));
  entry = Entry{value, number};
}

Entries ReadLines(std::string_view text, Refusals& refusals) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  Entries entries{};
  int number = 1;
  for (size_t at = 0; at <= text.size(); ++number) {
    const size_t end = std::min(text.find('\n', at), text.size());
    refusals.Try([&] { ReadLine(text.substr(at, end - at), number, entries); });
    at = end + 1;
  }
  return entries;
}

// ---- values --------------------------------------------------------------------------------

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (size_t at = 0; at < text.size();) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    size_t end = at;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

// A whole number from `least` to `most`; `what` names it in the message.
int64_t Number(std::string_view word, int64_t least, int64_t most, int line,
               const std::string& what) {
  int64_t value = 0;
  bool digits = !word.empty();
  for (const char c : word) {
    if (c < '0' || c > '9') {
      digits = false;
      break;
    }
    value = std::min(value * 10 + (c - '0'), most + 1);  // saturates: never overflows
  }
  if (!digits || value < least || value > most) {
    Refuse(line, TrFormat("expected {1}, a whole number from {2} to {3}, not {4}",
                          {what, LocalNumber(std::to_string(least)),
                           LocalNumber(std::to_string(most)), Quoted(word)}));
  }
  return value;
}

int64_t Units(const Entry& entry, const std::string& key) {
  const std::vector<std::string_view> words = Words(entry.value);
  if (words.size() != 1) {
    Refuse(entry.line, TrFormat("expected one whole number of units after '{1} =', not {2}",
                                {key, Quoted(entry.value)}));
  }
  return Number(words[0], 1, kMaxSystemUnits, entry.line,
                TrFormat("a number of units after '{1} ='", {key}));
}

std::vector<int64_t> UnitList(const Entry& entry, const std::string& key) {
  const std::vector<std::string_view> words = Words(entry.value);
  if (words.size() > kMaxSystemSequenceItems) {
    Refuse(entry.line, TrFormat("expected at most {1} stakes after '{2} =', not {3}",
                                {LocalNumber(std::to_string(kMaxSystemSequenceItems)), key,
                                 LocalNumber(std::to_string(words.size()))}));
  }
  std::vector<int64_t> items;
  items.reserve(words.size());
  for (const std::string_view word : words) {
    items.push_back(Number(word, 1, kMaxSystemUnits, entry.line, Tr("a stake in units")));
  }
  return items;
}

// The words a value may be, for a person: "a, b or c" (the words themselves are the file's
// and stay as written).
std::string Alternatives(std::initializer_list<std::string_view> words) {
  std::string head;
  size_t index = 0;
  for (const std::string_view word : words) {
    if (++index == words.size()) break;
    if (!head.empty()) head += ", ";
    head += word;
  }
  const std::string_view last = *(words.end() - 1);
  return words.size() == 1 ? std::string(last) : TrFormat("{1} or {2}", {head, last});
}

[[noreturn]] void RefuseValue(const Entry& entry, const std::string& key,
                              std::initializer_list<std::string_view> allowed) {
  Refuse(entry.line, TrFormat("expected {1} after '{2} =', not {3}",
                              {Alternatives(allowed), key, Quoted(entry.value)}));
}

// One word out of `choices`; returns its index (callers list them in their enum's order).
size_t Choice(const Entry& entry, const std::string& key,
              std::initializer_list<std::string_view> choices) {
  size_t index = 0;
  for (const std::string_view choice : choices) {
    if (entry.value == choice) return index;
    ++index;
  }
  RefuseValue(entry, key, choices);
}

// The steps the two kinds that take them accept: `allowed` lists the words by their
// pattern ("next", "back N", "times K plus N", ...).
StakeStep Step(const Entry& entry, const std::string& key,
               std::initializer_list<std::string_view> allowed) {
  const std::vector<std::string_view> w = Words(entry.value);
  const auto is = [&](std::string_view pattern) {
    for (const std::string_view a : allowed) {
      if (a == pattern) return true;
    }
    return false;
  };
  const auto factor = [&](std::string_view word) {
    return Number(word, 2, kMaxSystemFactor, entry.line, Tr("a factor after 'times'"));
  };
  const auto units = [&](std::string_view word, std::string_view after) {
    return Number(word, 1, kMaxSystemUnits, entry.line,
                  TrFormat("a number of units after '{1}'", {after}));
  };
  using Op = StakeStep::Op;
  if (w.size() == 1 && w[0] == "next" && is("next")) return {Op::kNext, 1, 0};
  if (w.size() == 1 && w[0] == "reset" && is("reset")) return {Op::kReset, 1, 0};
  if (w.size() == 1 && w[0] == "stay" && is("stay")) return {Op::kStay, 1, 0};
  if (w.size() == 2 && w[0] == "back" && is("back N")) {
    return {Op::kBack, 1,
            Number(w[1], 1, kMaxSystemSequenceItems, entry.line,
                   Tr("a number of places after 'back'"))};
  }
  if (w.size() == 2 && w[0] == "plus" && is("plus N")) return {Op::kPlus, 1, units(w[1], "plus")};
  if (w.size() == 2 && w[0] == "minus" && is("minus N")) {
    return {Op::kMinus, 1, units(w[1], "minus")};
  }
  if (w.size() == 2 && w[0] == "times" && is("times K")) return {Op::kTimes, factor(w[1]), 0};
  if (w.size() == 4 && w[0] == "times" && w[2] == "plus" && is("times K plus N")) {
    return {Op::kTimes, factor(w[1]), units(w[3], "plus")};
  }
  RefuseValue(entry, key, allowed);
}

// ---- the definition ------------------------------------------------------------------------

std::string ReadName(const Entry& entry) {
  if (entry.line == 0) Refuse(0, Tr("missing 'name = ...': every system needs a name"));
  const std::string_view name = entry.value;
  for (size_t at = 0; at < name.size(); ++at) {
    const auto c = static_cast<unsigned char>(name[at]);
    const bool c1 = c == 0xC2 && at + 1 < name.size() &&
                    static_cast<unsigned char>(name[at + 1]) < 0xA0;  // U+0080..U+009F
    if (c < 0x20 || c == 0x7F || c1)
      Refuse(entry.line, Tr("expected a name without control characters"));
  }
  if (name.size() > kMaxSystemNameBytes) {
    Refuse(entry.line, TrFormat("expected a name of at most {1} bytes",
                                {LocalNumber(std::to_string(kMaxSystemNameBytes))}));
  }
  return std::string(name);
}

SystemKind ReadKind(const Entry& entry) {
  if (entry.line == 0) {
    Refuse(0, TrFormat("missing 'kind = ...': expected {1}",
                       {Alternatives({"sequence", "multiply", "labouchere", "oscars-grind"})}));
  }
  return static_cast<SystemKind>(
      Choice(entry, "kind", {"sequence", "multiply", "labouchere", "oscars-grind"}));
}

// The keys each kind reads, beyond name, kind, start, floor, cap and safeguards.
void CheckKeysBelong(const Entries& entries, SystemKind kind, std::string_view kind_word) {
  std::vector<Key> own;
  switch (kind) {
    case SystemKind::kSequence:
      own = {kSequence, kOnWin, kOnLoss, kAtEnd};
      break;
    case SystemKind::kMultiply:
      own = {kOnWin, kOnLoss};
      break;
    case SystemKind::kLabouchere:
      own = {kLine};
      break;
    case SystemKind::kOscarsGrind:
      break;
  }
  for (const Key key : {kSequence, kLine, kOnWin, kOnLoss, kAtEnd}) {
    const bool belongs = std::find(own.begin(), own.end(), key) != own.end();
    if (!belongs && entries[key].line != 0) {
      Refuse(entries[key].line,
             TrFormat("{1} does not belong to kind = {2}", {Quoted(kKeyNames[key]), kind_word}));
    }
  }
  for (const Key key : own) {
    if (key != kAtEnd && entries[key].line == 0) {
      Refuse(0, TrFormat("missing '{1} = ...': kind = {2} needs it", {kKeyNames[key], kind_word}));
    }
  }
}

// Whether every rule read.
bool ReadRules(const Entries& entries, SystemDefinition& system, Refusals& refusals) {
  bool read = true;
  const auto each = [&](auto&& one) { read = refusals.Try(one) && read; };
  switch (system.kind) {
    case SystemKind::kSequence:
      each([&] { system.sequence = UnitList(entries[kSequence], "sequence"); });
      each([&] {
        system.on_win = Step(entries[kOnWin], "on_win", {"next", "back N", "reset", "stay"});
      });
      each([&] {
        system.on_loss = Step(entries[kOnLoss], "on_loss", {"next", "back N", "reset", "stay"});
      });
      if (entries[kAtEnd].line != 0) {
        each([&] {
          system.reset_at_end = Choice(entries[kAtEnd], "at_end", {"stay", "reset"}) == 1;
        });
      }
      break;
    case SystemKind::kMultiply:
      each([&] {
        system.on_win =
            Step(entries[kOnWin], "on_win", {"reset", "stay", "times K", "plus N", "minus N"});
      });
      each([&] {
        system.on_loss = Step(entries[kOnLoss], "on_loss", {"times K", "plus N", "times K plus N"});
      });
      break;
    case SystemKind::kLabouchere:
      each([&] { system.sequence = UnitList(entries[kLine], "line"); });
      break;
    case SystemKind::kOscarsGrind:
      break;
  }
  return read;
}

int64_t DefaultStart(const SystemDefinition& system) {
  switch (system.kind) {
    case SystemKind::kSequence:
      return system.sequence.front();
    case SystemKind::kLabouchere:
      return system.sequence.front() + system.sequence.back();
    case SystemKind::kMultiply:
    case SystemKind::kOscarsGrind:
      break;
  }
  return 1;
}

// The bounds' own values, each on its own; whether all of them read.
bool ReadBoundValues(const Entries& entries, SystemDefinition& system, Refusals& refusals) {
  bool read = true;
  if (entries[kFloor].line != 0) {
    read = refusals.Try([&] { system.floor = Units(entries[kFloor], "floor"); });
  }
  if (entries[kCap].line != 0) {
    read = refusals.Try([&] {
      system.cap = Units(entries[kCap], "cap");
      if (system.cap < system.floor) {
        Refuse(entries[kCap].line, TrFormat("expected a cap of at least the floor, {1}, not {2}",
                                            {LocalNumber(std::to_string(system.floor)),
                                             LocalNumber(std::to_string(system.cap))}));
      }
    }) && read;
  }
  if (entries[kStart].line != 0) {
    read = refusals.Try([&] { system.start = Units(entries[kStart], "start"); }) && read;
  }
  if (entries[kSafeguards].line != 0) {
    read = refusals.Try([&] {
      system.safeguards = static_cast<Safeguards>(
          Choice(entries[kSafeguards], "safeguards", {"none", "reset", "reset+min-profit"}));
    }) && read;
  }
  return read;
}

// The first stake, given or the kind's own, between the floor and the cap.
void CheckStart(const Entries& entries, SystemDefinition& system) {
  const Entry& start = entries[kStart];
  if (start.line == 0) system.start = DefaultStart(system);
  const bool below = system.start < system.floor;
  if (below || (system.cap != 0 && system.start > system.cap)) {
    const int line = start.line != 0 ? start.line : entries[below ? kFloor : kCap].line;
    const std::string first = LocalNumber(std::to_string(system.start));
    const std::string floor = LocalNumber(std::to_string(system.floor));
    const std::string cap = LocalNumber(std::to_string(system.cap));
    std::string why = below ? TrFormat("the first stake, {1}, is below the floor", {first})
                            : TrFormat("the first stake, {1}, is above the cap", {first});
    why += system.cap != 0 ? TrFormat(": expected 'start' from {1} to {2}", {floor, cap})
                           : TrFormat(": expected 'start' from {1} to any", {floor});
    if (start.line == 0) {
      why +=
          below ? Tr(" (set 'start', or change 'floor')") : Tr(" (set 'start', or change 'cap')");
    }
    Refuse(line, why);
  }
}

// The system, or none with every refusal in `refusals`. A check that needs what an earlier
// one refused is left out rather than told a consequence.
std::optional<CustomSystem> Parse(std::string_view text, Refusals& refusals) {
  const Entries entries = ReadLines(text, refusals);
  CustomSystem custom;
  SystemDefinition& system = custom.rules;
  refusals.Try([&] { system.name = ReadName(entries[kName]); });
  const bool kind_read = refusals.Try([&] {
    system.kind = ReadKind(entries[kKind]);
    CheckKeysBelong(entries, system.kind, entries[kKind].value);
  });
  const bool rules_read = kind_read && ReadRules(entries, system, refusals);
  const bool bounds_read = ReadBoundValues(entries, system, refusals);
  // The first stake against the bounds, only of rules and bounds that all read.
  if (rules_read && bounds_read && refusals.None()) {
    refusals.Try([&] { CheckStart(entries, system); });
  }
  if (!refusals.None()) return std::nullopt;
  custom.text = std::string(text);
  return custom;
}

}  // namespace

SystemFileResult ParseSystemFile(std::string_view text) {
  SystemFileResult result;
  try {
    if (text.size() > kMaxSystemFileBytes) Refuse(0, TooLarge());
    Refusals refusals;
    result.system = Parse(text, refusals);
    if (!result.system) result.errors = std::move(refusals).InFileOrder();
  } catch (const Refusal& refusal) {
    result.errors = {refusal.error};
  } catch (const std::bad_alloc&) {
    result.errors = {SystemFileError{0, Tr("not enough memory to read the file")}};
  }
  if (!result.errors.empty()) result.error = result.errors.front();
  return result;
}

SystemFileResult LoadSystemFile(const std::string& path) {
  namespace fs = std::filesystem;
  const auto refused = [](std::string message) {
    SystemFileResult result;
    result.error = SystemFileError{0, std::move(message)};
    result.errors = {*result.error};
    return result;
  };
  try {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return refused(Tr("no such file"));
    if (error) return refused(TrFormat("cannot be read: {1}", {error.message()}));
    if (fs::is_directory(status)) return refused(Tr("is a folder, not a system file"));
    // A FIFO or a device is refused on the open descriptor, which never waits for a writer.
    std::string text;
    try {
      text = ReadRegularFile(path, kMaxSystemFileBytes);
    } catch (const FileTooLarge&) {
      return refused(TooLarge());
    } catch (const FileReadError& e) {
      return refused(e.what());
    }
    return ParseSystemFile(text);
  } catch (const std::exception& e) {
    return refused(TrFormat("cannot be read: {1}", {e.what()}));
  }
}

std::string DescribeSystemFileError(const std::string& path, const SystemFileError& error) {
  if (error.line == 0) return path + ": " + error.message;
  return path + ":" + std::to_string(error.line) + ": " + error.message;
}

}  // namespace vellaro
