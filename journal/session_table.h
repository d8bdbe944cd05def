#pragma once

// The table a session is played at: the player follows several wheels at once, each its
// own evening at its own table (schema version 6).

#include <cstdint>
#include <optional>
#include <string>

namespace vellaro::journal {

struct SessionTable {
  // The name the player gave the table; none for one they did not name. A typed name is
  // the player's data, never translated.
  std::optional<std::string> name;
  // The table's place in the window's order of tables, from 0.
  int64_t place = 0;
  bool operator==(const SessionTable&) const = default;
};

// The name the player sees: theirs, or "Table N" in the player's language (N the place
// counted from 1). Not stored: a journal from before tables knows no language, and a
// player who changes theirs sees the default names change with it.
std::string ShownName(const SessionTable& table);

}  // namespace vellaro::journal
