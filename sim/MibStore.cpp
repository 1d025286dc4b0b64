#include "MibStore.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>

namespace sim {

namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

uint64_t parseUnsigned(const std::string& text, uint64_t max) {
  uint64_t v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || p != text.data() + text.size() || text.empty() || v > max)
    throw std::invalid_argument("bad unsigned number '" + text + "'");
  return v;
}

std::string parseHex(const std::string& text) {
  if (text.size() % 2 != 0) throw std::invalid_argument("odd hex length");
  std::string out;
  for (size_t i = 0; i < text.size(); i += 2) {
    unsigned v = 0;
    auto [p, ec] = std::from_chars(text.data() + i, text.data() + i + 2, v, 16);
    if (ec != std::errc() || p != text.data() + i + 2) throw std::invalid_argument("bad hex '" + text + "'");
    out.push_back(static_cast<char>(v));
  }
  return out;
}

std::string hexText(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

bool printable(const std::string& bytes) {
  for (unsigned char c : bytes)
    if (c < 0x20 || c > 0x7e) return false;
  return bytes.find(" ; ") == std::string::npos;
}

std::string errorAt(const std::string& path, int line, const std::string& what) {
  return path + ":" + std::to_string(line) + ": " + what;
}

}  // namespace

Value Value::integer(int64_t v) {
  Value r;
  r.tag = TagInteger;
  r.number = static_cast<uint64_t>(v);
  return r;
}

Value Value::octets(std::string v) {
  Value r;
  r.tag = TagOctets;
  r.bytes = std::move(v);
  return r;
}

Oid parseOid(const std::string& text) {
  Oid oid;
  std::string t = trim(text);
  if (!t.empty() && t[0] == '.') t.erase(0, 1);
  if (t.empty()) throw std::invalid_argument("empty OID");
  std::stringstream ss(t);
  std::string part;
  while (std::getline(ss, part, '.')) oid.push_back(static_cast<uint32_t>(parseUnsigned(part, 0xffffffffu)));
  if (oid.size() < 2 || oid.size() > 128) throw std::invalid_argument("bad OID '" + text + "'");
  return oid;
}

std::string oidText(const Oid& oid) {
  std::string out;
  for (size_t i = 0; i < oid.size(); ++i) {
    if (i) out.push_back('.');
    out += std::to_string(oid[i]);
  }
  return out;
}

bool isPrefix(const Oid& prefix, const Oid& oid) {
  return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Value parseValue(const std::string& tag, const std::string& text) {
  Value v;
  if (tag == "2") {
    int64_t n = 0;
    std::string t = trim(text);
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (ec != std::errc() || p != t.data() + t.size() || t.empty() || n < INT32_MIN || n > INT32_MAX)
      throw std::invalid_argument("bad Integer32 '" + text + "'");
    return Value::integer(n);
  }
  if (tag == "4") return Value::octets(text);
  if (tag == "4x") return Value::octets(parseHex(trim(text)));
  if (tag == "5") {
    v.tag = TagNull;
  } else if (tag == "6") {
    v.tag = TagObjectId;
    v.oid = parseOid(text);
  } else if (tag == "64") {
    v.tag = TagIpAddress;
    std::stringstream ss(trim(text));
    std::string part;
    while (std::getline(ss, part, '.')) v.bytes.push_back(static_cast<char>(parseUnsigned(part, 255)));
    if (v.bytes.size() != 4) throw std::invalid_argument("bad IpAddress '" + text + "'");
  } else if (tag == "65" || tag == "66" || tag == "67") {
    v.tag = tag == "65" ? TagCounter32 : tag == "66" ? TagGauge32 : TagTimeTicks;
    v.number = parseUnsigned(trim(text), 0xffffffffu);
  } else if (tag == "68x" || tag == "68") {
    v.tag = TagOpaque;
    v.bytes = parseHex(trim(text));
  } else if (tag == "70") {
    v.tag = TagCounter64;
    v.number = parseUnsigned(trim(text), UINT64_MAX);
  } else {
    throw std::invalid_argument("unknown type tag '" + tag + "'");
  }
  return v;
}

std::string valueText(const Value& v) {
  switch (v.tag) {
    case TagInteger: return "2:" + std::to_string(static_cast<int64_t>(static_cast<int32_t>(v.number)));
    case TagOctets: return printable(v.bytes) ? "4:" + v.bytes : "4x:" + hexText(v.bytes);
    case TagNull: return "5:";
    case TagObjectId: return "6:" + oidText(v.oid);
    case TagIpAddress: {
      std::string out = "64:";
      for (size_t i = 0; i < v.bytes.size(); ++i) {
        if (i) out.push_back('.');
        out += std::to_string(static_cast<unsigned char>(v.bytes[i]));
      }
      return out;
    }
    case TagCounter32: return "65:" + std::to_string(v.number);
    case TagGauge32: return "66:" + std::to_string(v.number);
    case TagTimeTicks: return "67:" + std::to_string(v.number);
    case TagOpaque: return "68x:" + hexText(v.bytes);
    case TagCounter64: return "70:" + std::to_string(v.number);
  }
  return "0x" + hexText(std::string(1, static_cast<char>(v.tag))) + ":" + hexText(v.bytes);
}

void MibStore::loadSeedFolder(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<fs::path> recs, tabs;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    if (e.path().extension() == ".snmprec") recs.push_back(e.path());
    if (e.path().extension() == ".tables") tabs.push_back(e.path());
  }
  std::sort(recs.begin(), recs.end());
  std::sort(tabs.begin(), tabs.end());
  for (const auto& p : recs) loadSnmprec(p.string());
  for (const auto& p : tabs) loadTables(p.string());
}

void MibStore::loadSeedFile(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  if (ext == ".tables")
    loadTables(path);
  else
    loadSnmprec(path);
}

void MibStore::loadSnmprec(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read seed file " + path);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string t = trim(line);
    if (t.empty() || t[0] == '#') continue;
    size_t a = line.find('|');
    size_t b = a == std::string::npos ? a : line.find('|', a + 1);
    if (b == std::string::npos) throw std::runtime_error(errorAt(path, n, "expected OID|TAG|VALUE"));
    std::string value = line.substr(b + 1);
    bool readOnly = value.size() >= 3 && value.compare(value.size() - 3, 3, "|ro") == 0;
    if (readOnly) value.erase(value.size() - 3);
    try {
      Object obj{parseValue(trim(line.substr(a + 1, b - a - 1)), value), !readOnly};
      Oid oid = parseOid(line.substr(0, a));
      if (oid[0] != 1 || oid[1] > 3) throw std::invalid_argument("objects live under 1.0 to 1.3");
      objects_[std::move(oid)] = std::move(obj);
    } catch (const std::invalid_argument& e) {
      throw std::runtime_error(errorAt(path, n, e.what()));
    }
  }
}

void MibStore::loadTables(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read table file " + path);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    std::string t = trim(line);
    if (t.empty() || t[0] == '#') continue;
    std::stringstream ss(t);
    std::string entry, column, style, word;
    ss >> entry >> column >> style;
    try {
      TableSpec spec;
      spec.entry = parseOid(entry);
      spec.statusColumn = static_cast<uint32_t>(parseUnsigned(column, 0xffffffffu));
      if (style == "rowstatus")
        spec.style = RowStyle::RowStatus;
      else if (style == "qbridge")
        spec.style = RowStyle::QBridge;
      else
        throw std::invalid_argument("unknown row style '" + style + "'");
      while (ss >> word) {
        // index:<col>=<n>[s|a]: a readable index column, the row index's n-th sub-identifier,
        // with "s" the length-prefixed string that starts there, with "a" the IpAddress of the
        // four sub-identifiers that start there
        if (word.rfind("index:", 0) == 0 && word.find('=') != std::string::npos) {
          const size_t at = word.find('=');
          const auto col = static_cast<uint32_t>(parseUnsigned(word.substr(6, at - 6), 0xffffffffu));
          std::string n = word.substr(at + 1);
          const bool text = !n.empty() && n.back() == 's';
          const bool address = !n.empty() && n.back() == 'a';
          if (text || address) n.pop_back();
          spec.indexColumns[col] = {static_cast<size_t>(parseUnsigned(n, 128)), text, address};
          continue;
        }
        // with:<entry OID>: a table beside this one whose row of the same index the agent
        // removes together with this table's row
        if (word.rfind("with:", 0) == 0) {
          spec.companions.push_back(parseOid(word.substr(5)));
          continue;
        }
        // default:<col>=<TAG>:<VALUE>
        size_t eq = word.find('='), colon = word.find(':', eq == std::string::npos ? 0 : eq);
        if (word.rfind("default:", 0) != 0 || eq == std::string::npos || colon == std::string::npos)
          throw std::invalid_argument("bad word '" + word + "'");
        uint32_t col = static_cast<uint32_t>(parseUnsigned(word.substr(8, eq - 8), 0xffffffffu));
        spec.defaults[col] = parseValue(word.substr(eq + 1, colon - eq - 1), word.substr(colon + 1));
      }
      std::erase_if(tables_, [&](const TableSpec& s) { return s.entry == spec.entry; });
      tables_.push_back(std::move(spec));
    } catch (const std::invalid_argument& e) {
      throw std::runtime_error(errorAt(path, n, e.what()));
    }
  }
}

const Object* MibStore::find(const Oid& oid) const {
  auto it = objects_.find(oid);
  return it == objects_.end() ? nullptr : &it->second;
}

const MibStore::Map::value_type* MibStore::next(const Oid& oid, bool inclusive) const {
  auto it = inclusive ? objects_.lower_bound(oid) : objects_.upper_bound(oid);
  return it == objects_.end() ? nullptr : &*it;
}

bool MibStore::hasObjectBeside(const Oid& oid) const {
  if (oid.size() < 2) return false;
  // The object type is the table column for declared tables, else the OID less its last arc.
  const TableSpec* table = tableFor(oid);
  Oid parent(oid.begin(), table ? oid.begin() + table->entry.size() + 1 : oid.end() - 1);
  auto it = objects_.lower_bound(parent);
  return it != objects_.end() && isPrefix(parent, it->first);
}

const TableSpec* MibStore::tableFor(const Oid& oid) const {
  for (const auto& t : tables_)
    if (oid.size() >= t.entry.size() + 2 && isPrefix(t.entry, oid)) return &t;
  return nullptr;
}

namespace {

struct RowKey {
  const TableSpec* table;
  Oid index;
  auto operator<=>(const RowKey&) const = default;
};

struct ColumnInfo {
  uint8_t tag;
  bool writable;
};

Oid rowIndex(const TableSpec& t, const Oid& oid) { return Oid(oid.begin() + t.entry.size() + 1, oid.end()); }
uint32_t columnOf(const TableSpec& t, const Oid& oid) { return oid[t.entry.size()]; }

Oid columnOid(const TableSpec& t, uint32_t column, const Oid& index) {
  Oid oid = t.entry;
  oid.push_back(column);
  oid.insert(oid.end(), index.begin(), index.end());
  return oid;
}

// The value a readable index column holds for a row, or none when the index is too short.
std::optional<Value> indexColumnValue(const TableSpec::IndexColumn& c, const Oid& index) {
  if (c.n < 1 || c.n > index.size()) return std::nullopt;
  if (c.address) {
    if (index.size() - (c.n - 1) < 4) return std::nullopt;
    std::string bytes;
    for (size_t i = c.n - 1; i < c.n + 3; ++i) {
      if (index[i] > 255) return std::nullopt;
      bytes.push_back(static_cast<char>(index[i]));
    }
    Value value = Value::octets(bytes);
    value.tag = TagIpAddress;
    return value;
  }
  if (!c.text) return Value::integer(index[c.n - 1]);
  const size_t length = index[c.n - 1];
  if (length > index.size() - c.n) return std::nullopt;
  std::string text;
  for (size_t i = c.n; i < c.n + length; ++i) {
    if (index[i] > 255) return std::nullopt;
    text.push_back(static_cast<char>(index[i]));
  }
  return Value::octets(text);
}

bool rowExists(const MibStore::Map& objects, const TableSpec& t, const Oid& index) {
  for (auto it = objects.lower_bound(t.entry); it != objects.end() && isPrefix(t.entry, it->first); ++it)
    if (it->first.size() > t.entry.size() && rowIndex(t, it->first) == index) return true;
  return false;
}

bool hasRows(const MibStore::Map& objects, const TableSpec& t) {
  auto it = objects.lower_bound(t.entry);
  return it != objects.end() && isPrefix(t.entry, it->first);
}

// Column types and access as the table's existing rows and defaults show them.
std::map<uint32_t, ColumnInfo> columnsOf(const MibStore::Map& objects, const TableSpec& t) {
  std::map<uint32_t, ColumnInfo> cols;
  for (const auto& [col, value] : t.defaults) cols[col] = {value.tag, true};
  for (auto it = objects.lower_bound(t.entry); it != objects.end() && isPrefix(t.entry, it->first); ++it)
    if (it->first.size() > t.entry.size() + 1) cols[columnOf(t, it->first)] = {it->second.value.tag, it->second.writable};
  cols[t.statusColumn] = {TagInteger, true};
  return cols;
}

bool isCreate(const TableSpec& t, int64_t v) {
  return t.style == RowStyle::RowStatus ? (v == 4 || v == 5) : (v == 1 || (v >= 3 && v <= 5));
}
bool isDelete(const TableSpec& t, int64_t v) { return t.style == RowStyle::RowStatus ? v == 6 : v == 2; }
bool isValidOnExisting(const TableSpec& t, int64_t v) {
  return t.style == RowStyle::RowStatus ? (v == 1 || v == 2 || v == 6) : (v >= 1 && v <= 5);
}

}  // namespace

int MibStore::prepareSet(const std::vector<VarBind>& vbs, Map& result, size_t& errorIndex) const {
  struct NewRow {
    size_t firstIndex;
    bool hasCreate = false;
    int64_t createValue = 0;
    bool destroyOnly = false;
  };
  std::map<RowKey, NewRow> newRows;
  std::set<RowKey> deletions;
  std::vector<std::pair<size_t, int>> errors;

  for (size_t i = 0; i < vbs.size() && errors.empty(); ++i) {
    const auto& vb = vbs[i];
    const TableSpec* table = tableFor(vb.oid);
    const int64_t asInt = static_cast<int32_t>(vb.value.number);
    if (const Object* obj = find(vb.oid)) {
      if (!obj->writable)
        errors.push_back({i, NotWritable});
      else if (obj->value.tag != vb.value.tag)
        errors.push_back({i, WrongType});
      else if (vb.value.tag == TagIpAddress && vb.value.bytes.size() != 4)
        errors.push_back({i, WrongLength});
      else if (table && columnOf(*table, vb.oid) == table->statusColumn) {
        if (isCreate(*table, asInt) && table->style == RowStyle::RowStatus)
          errors.push_back({i, InconsistentValue});
        else if (!isValidOnExisting(*table, asInt))
          errors.push_back({i, WrongValue});
        else if (isDelete(*table, asInt))
          deletions.insert({table, rowIndex(*table, vb.oid)});
      }
      continue;
    }
    if (!table) {
      errors.push_back({i, NoCreation});
      continue;
    }
    const Oid index = rowIndex(*table, vb.oid);
    const uint32_t column = columnOf(*table, vb.oid);
    const auto columns = columnsOf(objects_, *table);
    auto col = columns.find(column);
    if (col == columns.end() && hasRows(objects_, *table)) {
      errors.push_back({i, NoCreation});
      continue;
    }
    if (col != columns.end() && !col->second.writable) {
      errors.push_back({i, NotWritable});
      continue;
    }
    if (col != columns.end() && col->second.tag != vb.value.tag) {
      errors.push_back({i, WrongType});
      continue;
    }
    if (rowExists(objects_, *table, index)) continue;  // a column missing from an existing row
    auto& row = newRows.try_emplace({table, index}, NewRow{i}).first->second;
    if (column == table->statusColumn) {
      if (isCreate(*table, asInt)) {
        row.hasCreate = true;
        row.createValue = asInt;
      } else if (isDelete(*table, asInt)) {
        row.destroyOnly = true;  // deleting a row that is not there changes nothing
      } else if (table->style == RowStyle::RowStatus && (asInt == 1 || asInt == 2)) {
        errors.push_back({i, InconsistentValue});
      } else {
        errors.push_back({i, WrongValue});
      }
    }
  }
  for (const auto& [key, row] : newRows) {
    if (!row.hasCreate && !row.destroyOnly && key.table->style == RowStyle::RowStatus)
      errors.push_back({row.firstIndex, NoCreation});
  }
  if (!errors.empty()) {
    auto first = std::min_element(errors.begin(), errors.end());
    errorIndex = first->first;
    return first->second;
  }

  result = objects_;
  for (const auto& vb : vbs) {
    auto it = result.find(vb.oid);
    if (it != result.end()) {
      it->second.value = vb.value;
      continue;
    }
    const TableSpec* table = tableFor(vb.oid);
    auto row = newRows.find({table, rowIndex(*table, vb.oid)});
    if (row != newRows.end() && row->second.destroyOnly && !row->second.hasCreate) continue;
    result[vb.oid] = Object{vb.value, true};
  }
  for (const auto& [key, row] : newRows) {
    if (!row.hasCreate && key.table->style == RowStyle::RowStatus) continue;
    if (row.destroyOnly && !row.hasCreate) continue;
    const TableSpec& t = *key.table;
    int64_t status = t.style == RowStyle::QBridge ? (row.hasCreate ? row.createValue : 3)
                                                   : (row.createValue == 4 ? 1 : 2);
    result[columnOid(t, t.statusColumn, key.index)] = Object{Value::integer(status), true};
    for (const auto& [col, value] : t.defaults) result.try_emplace(columnOid(t, col, key.index), Object{value, true});
    // As an agent does, a new row reads its index columns that are not "not-accessible".
    for (const auto& [col, c] : t.indexColumns)
      if (auto value = indexColumnValue(c, key.index)) result.try_emplace(columnOid(t, col, key.index), Object{*value, false});
  }
  const auto eraseRow = [&result](const Oid& entry, const Oid& index) {
    for (auto it = result.lower_bound(entry); it != result.end() && isPrefix(entry, it->first);) {
      if (it->first.size() > entry.size() + 1 && Oid(it->first.begin() + entry.size() + 1, it->first.end()) == index)
        it = result.erase(it);
      else
        ++it;
    }
  };
  for (const auto& key : deletions) {
    eraseRow(key.table->entry, key.index);
    for (const Oid& companion : key.table->companions) eraseRow(companion, key.index);
  }
  return NoError;
}

}  // namespace sim
