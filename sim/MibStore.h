// The simulated switch's objects: a sorted map of OID -> value loaded from seed files, plus
// the tables whose rows can be created and deleted. Knows nothing of Net-SNMP; values carry
// the BER type tags so the agent glue can pass them through unchanged.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

using Oid = std::vector<uint32_t>;

// BER tags of the types a seed may hold.
enum Tag : uint8_t {
  TagInteger = 0x02,
  TagOctets = 0x04,
  TagNull = 0x05,
  TagObjectId = 0x06,
  TagIpAddress = 0x40,
  TagCounter32 = 0x41,
  TagGauge32 = 0x42,
  TagTimeTicks = 0x43,
  TagOpaque = 0x44,
  TagCounter64 = 0x46,
};

// SNMPv2 error-status values the store reports (the agent maps them for v1).
enum SetError : int {
  NoError = 0,
  GenErr = 5,
  WrongType = 7,
  WrongLength = 8,
  WrongValue = 10,
  NoCreation = 11,
  InconsistentValue = 12,
  NotWritable = 17,
};

struct Value {
  uint8_t tag = TagNull;
  uint64_t number = 0;  // integers, counters, gauges, ticks (Integer32 stored sign-extended)
  std::string bytes;    // octet strings, opaque, IpAddress (4 bytes)
  Oid oid;              // object identifiers

  static Value integer(int64_t v);
  static Value octets(std::string v);
  bool operator==(const Value&) const = default;
};

struct Object {
  Value value;
  bool writable = true;
};

enum class RowStyle { RowStatus, QBridge };

struct TableSpec {
  Oid entry;
  uint32_t statusColumn = 0;
  RowStyle style = RowStyle::RowStatus;
  std::map<uint32_t, Value> defaults;  // column -> value a new row gets when the SET lacks it
  struct IndexColumn {
    size_t n = 0;       // its first sub-identifier (1-based)
    bool text = false;  // a length-prefixed string rather than one Integer32
    bool address = false;  // an IpAddress of four sub-identifiers
  };
  std::map<uint32_t, IndexColumn> indexColumns;  // readable index columns
  std::vector<Oid> companions;  // entries whose row of the same index goes when this row goes
};

struct VarBind {
  Oid oid;
  Value value;
};

class MibStore {
 public:
  using Map = std::map<Oid, Object>;

  // Loads every *.snmprec then every *.tables file of a folder (sorted by name).
  void loadSeedFolder(const std::string& dir);
  // Loads one file by its extension; later objects replace earlier ones with the same OID.
  void loadSeedFile(const std::string& path);

  const Object* find(const Oid& oid) const;
  // First object after oid (or at it when inclusive), nullptr at the end.
  const Map::value_type* next(const Oid& oid, bool inclusive = false) const;
  // True when another instance of oid's object type exists (noSuchInstance rather than
  // noSuchObject): a declared table's column, else the OID less its last arc.
  bool hasObjectBeside(const Oid& oid) const;

  // Checks a whole SET. On success fills `result` with the state after the SET and returns
  // NoError; otherwise returns the error-status and sets errorIndex (0-based varbind index).
  int prepareSet(const std::vector<VarBind>& vbs, Map& result, size_t& errorIndex) const;

  Map& objects() { return objects_; }
  const Map& objects() const { return objects_; }
  const std::vector<TableSpec>& tables() const { return tables_; }

 private:
  void loadSnmprec(const std::string& path);
  void loadTables(const std::string& path);
  const TableSpec* tableFor(const Oid& oid) const;

  Map objects_;
  std::vector<TableSpec> tables_;
};

// Text forms shared by the seed reader, the SET log and the control channel.
Oid parseOid(const std::string& text);  // throws std::invalid_argument
std::string oidText(const Oid& oid);
bool isPrefix(const Oid& prefix, const Oid& oid);
// Parses a seed value of the given tag text ("2", "4", "4x", ...); throws std::invalid_argument.
Value parseValue(const std::string& tag, const std::string& text);
// "<tag>:<value>" as written in the SET log.
std::string valueText(const Value& value);

}  // namespace sim
