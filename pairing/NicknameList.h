#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pairing {

// A nickname exactly as typed: UTF-16 code units, unvalidated, so that nothing the entry field
// hands over is altered on the way through.
using Nickname = std::u16string;

// Where nicknames live once added: one store per roster, from its first entry until it is
// cleared. Stores are shared, never edited, only appended to.
using NicknameStore = std::vector<Nickname>;

// An ordered list of nicknames that refers to its entries by their place in a store. Dealing a
// player copies an index, not the text, and a column keeps the store of a cleared roster alive
// for as long as it shows entries from it.
class NicknameList
{
public:
    [[nodiscard]] std::size_t size() const noexcept { return indices_.size(); }
    [[nodiscard]] bool empty() const noexcept { return indices_.empty(); }
    [[nodiscard]] const Nickname& operator[](std::size_t row) const;

    void append(const std::shared_ptr<const NicknameStore>& store, std::int32_t index);
    // Gives the memory back, not only the entries.
    void clear() noexcept;

private:
    // The rows from firstRow up to the next segment's came from store.
    struct Segment
    {
        std::shared_ptr<const NicknameStore> store;
        std::size_t firstRow = 0;
    };

    std::vector<std::int32_t> indices_;
    std::vector<Segment> segments_;
};

} // namespace pairing
