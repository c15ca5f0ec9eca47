#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trevalunda::rfcsim {

// An internal table: a named list of fixed-length lines, counted from 1.
class InternalTable {
  public:
    InternalTable(std::string name, std::uint32_t lineLength);

    const std::string& Name() const { return name_; }
    std::uint32_t LineLength() const { return lineLength_; }
    std::uint32_t LineCount() const;

    // The line's bytes, null for a number outside 1 to LineCount().
    void* Line(std::uint32_t number);

    // Adds a line holding the bytes, cut or zero-filled to the line length.
    void Append(std::string_view bytes);

  private:
    std::string name_;
    std::uint32_t lineLength_;
    std::vector<std::vector<char>> lines_;  // each line's bytes stay where they are
};

// The tables handed out to the caller; a table's handle is its address.
class TableRegistry {
  public:
    void* Create(std::string name, std::uint32_t lineLength);
    // Null for a handle that names no existing table.
    InternalTable* Find(const void* handle) const;
    void Delete(const void* handle);

  private:
    std::map<const void*, std::unique_ptr<InternalTable>> tables_;
};

}  // namespace trevalunda::rfcsim
