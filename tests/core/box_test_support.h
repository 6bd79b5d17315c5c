#pragma once
// Entries, boxes, files and temporary directories for the tests and benchmarks.

#include "box/box.h"
#include "calc/stats.h"
#include "data/moves.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace rusrina::testing {

// The one way the tests and benchmarks build a box entry: a valid creature to start from, changed
// field by field where a test needs other values. The start: `species`, level 50, nature 3,
// ability 9, item 16, IVs 31, 252 EVs in attack and speed, stats 100 to 105 (as stored, not
// computed), moves 84 and 85 and two empty slots.
class EntryBuilder {
public:
    explicit EntryBuilder(std::string_view utf8Name = "x", int species = 24) {
        setEntryName(m_entry, utf8Name);
        m_entry.species = species;
        m_entry.level = 50;
        m_entry.nature = 3;
        m_entry.ability = 9;
        m_entry.item = 16;
        for (int s = 0; s < 6; ++s) {
            m_entry.iv[s] = 31;
            m_entry.ev[s] = s == 1 || s == 5 ? 252 : 0;
            m_entry.stat[s] = 100 + s;
        }
        moves({84, 85, NO_MOVE, NO_MOVE});
    }

    // The name as raw Shift-JIS bytes, cut to what the field holds.
    EntryBuilder& nameBytes(std::string_view bytes) {
        std::memset(m_entry.name, 0, kBoxNameBytes);
        std::memcpy(m_entry.name, bytes.data(), std::min<std::size_t>(bytes.size(), kBoxNameBytes - 1));
        return *this;
    }
    EntryBuilder& level(int level) {
        m_entry.level = level;
        return *this;
    }
    EntryBuilder& nature(int nature) {
        m_entry.nature = nature;
        return *this;
    }
    EntryBuilder& ability(int ability) {
        m_entry.ability = ability;
        return *this;
    }
    EntryBuilder& item(int item) {
        m_entry.item = item;
        return *this;
    }
    EntryBuilder& ivs(const std::array<int, 6>& ivs) {
        std::copy(ivs.begin(), ivs.end(), m_entry.iv);
        return *this;
    }
    EntryBuilder& evs(const std::array<int, 6>& evs) {
        std::copy(evs.begin(), evs.end(), m_entry.ev);
        return *this;
    }
    EntryBuilder& stats(const std::array<int, 6>& stats) {
        std::copy(stats.begin(), stats.end(), m_entry.stat);
        return *this;
    }
    EntryBuilder& stats(int all) { return stats({all, all, all, all, all, all}); }
    EntryBuilder& hp(int hp) {
        m_entry.stat[0] = hp;
        return *this;
    }
    EntryBuilder& moves(const std::array<int, 4>& moves) {
        std::copy(moves.begin(), moves.end(), m_entry.move);
        return *this;
    }
    EntryBuilder& noMoves() { return moves({NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE}); }
    // Stats typed in, as the edit form's direct mode stores them.
    EntryBuilder& typedIn() {
        m_entry.statsDirect = 1;
        return *this;
    }
    // The stats the edit form computes from the species, IVs, EVs, level and nature.
    EntryBuilder& computedStats() {
        m_entry.statsDirect = 0;
        std::array<int, 6> ivs, evs;
        std::copy(std::begin(m_entry.iv), std::end(m_entry.iv), ivs.begin());
        std::copy(std::begin(m_entry.ev), std::end(m_entry.ev), evs.begin());
        return stats(computeEntryStats(m_entry.species, ivs, evs, m_entry.level, m_entry.nature));
    }

    operator BoxEntry() const { return m_entry; }

private:
    BoxEntry m_entry{};
};

// The builder's start with its name given as raw Shift-JIS bytes.
inline BoxEntry makeEntry(std::string_view nameBytes, int species = 24) {
    return EntryBuilder("", species).nameBytes(nameBytes);
}

// A box of `count` entries named "n0", "n1", … over the species in order.
inline Box namedBox(int count) {
    Box box;
    for (int i = 0; i < count; ++i)
        box.add(makeEntry("n" + std::to_string(i), i % 663));
    return box;
}

// The box's slots as the bytes a box file holds.
inline std::string imageOf(const Box& box) {
    return std::string(reinterpret_cast<const char*>(box.slots().data()), kBoxFileBytes);
}

// The names of the files in a directory.
inline std::set<std::string> namesIn(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

inline std::string entryBytes(const BoxEntry& e) {
    return std::string(reinterpret_cast<const char*>(&e), sizeof e);
}

inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeAll(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rusrina-box-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace rusrina::testing
