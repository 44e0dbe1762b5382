#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Orders sample names: ASCII letters A-Z as a-z, then unsigned byte order. Never
// numeric, so layer "10" comes before "2". One order everywhere, because the first
// name decides what fills empty waves and so what is saved.
bool SampleNameLess(std::string_view a, std::string_view b);

// The names of a waveset's entries, kept sorted by SampleNameLess. Names that are
// equal under that order keep the order in which they were given.
class TSampleList {
  public:
    void Clear() { names_.clear(); }
    // Replaces the content with `names`, sorted.
    void Assign(std::vector<std::string> names);
    // The same for names their maker put in this order, as a program's layer numbers.
    void AssignInOrder(std::vector<std::string> names) { names_ = std::move(names); }

    bool empty() const { return names_.empty(); }
    std::size_t size() const { return names_.size(); }
    const std::string& operator[](std::size_t index) const { return names_[index]; }
    const std::string& front() const { return names_.front(); }
    std::vector<std::string>::const_iterator begin() const { return names_.begin(); }
    std::vector<std::string>::const_iterator end() const { return names_.end(); }
    const std::vector<std::string>& Names() const { return names_; }
    // Whether one of the names is exactly `name`, byte for byte.
    bool Contains(std::string_view name) const;

  private:
    std::vector<std::string> names_;
};
