#include "journal/session_table.h"

#include <string>

#include "text/translate.h"

namespace vellaro::journal {

std::string ShownName(const SessionTable& table) {
  if (table.name) return *table.name;
  return TrFormat("Table {1}", {LocalNumber(std::to_string(table.place + 1))});
}

}  // namespace vellaro::journal
