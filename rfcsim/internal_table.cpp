#include "rfcsim/internal_table.h"

#include <algorithm>

namespace trevalunda::rfcsim {

InternalTable::InternalTable(std::string name, std::uint32_t lineLength)
    : name_(std::move(name)), lineLength_(lineLength) {}

std::uint32_t InternalTable::LineCount() const {
    return static_cast<std::uint32_t>(lines_.size());
}

void* InternalTable::Line(std::uint32_t number) {
    if (number == 0 || number > LineCount()) {
        return nullptr;
    }
    return lines_[number - 1].data();
}

void InternalTable::Append(std::string_view bytes) {
    std::vector<char> line(lineLength_, '\0');
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), lineLength_), line.begin());
    lines_.push_back(std::move(line));
}

void* TableRegistry::Create(std::string name, std::uint32_t lineLength) {
    auto table = std::make_unique<InternalTable>(std::move(name), lineLength);
    void* handle = table.get();
    tables_.emplace(handle, std::move(table));
    return handle;
}

InternalTable* TableRegistry::Find(const void* handle) const {
    const auto found = tables_.find(handle);
    return found == tables_.end() ? nullptr : found->second.get();
}

void TableRegistry::Delete(const void* handle) {
    tables_.erase(handle);
}

}  // namespace trevalunda::rfcsim
