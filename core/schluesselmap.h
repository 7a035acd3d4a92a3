#pragma once
// The note store's maps: text keys, entries side by side in one vector and
// found through a hash index. The reports walk every note; over contiguous
// entries that walk runs at memory speed, where a node-based map waits on
// memory for each node in turn. The order of a walk carries no meaning.

#include <cstddef>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

template <class Wert>
class CSchluesselMap {
public:
    using value_type = std::pair<std::string, Wert>;
    using const_iterator = typename std::vector<value_type>::const_iterator;

    const_iterator begin() const noexcept { return m_eintraege.begin(); }
    const_iterator end() const noexcept { return m_eintraege.end(); }
    std::size_t size() const noexcept { return m_eintraege.size(); }

    const_iterator find(const std::string& schluessel) const {
        const auto platz = m_index.find(schluessel);
        return platz == m_index.end() ? end() : begin() + platz->second;
    }
    // Either everything happens or, when memory runs out, nothing.
    std::pair<const_iterator, bool> insert_or_assign(const std::string& schluessel, Wert wert) {
        const auto [platz, neu] = Platz(schluessel);
        m_eintraege[platz].second = std::move(wert);
        return {begin() + platz, neu};
    }

    // The last entry moves into the gap.
    std::size_t erase(const std::string& schluessel) {
        const auto platz = m_index.find(schluessel);
        if (platz == m_index.end()) return 0;
        const std::size_t luecke = platz->second;
        m_index.erase(platz);
        if (luecke + 1 != m_eintraege.size()) {
            m_eintraege[luecke] = std::move(m_eintraege.back());
            m_index[m_eintraege[luecke].first] = luecke;  // present: no allocation
        }
        m_eintraege.pop_back();
        Schrumpfen();
        return 1;
    }

private:
    // Gives memory back once three quarters of the room stand empty, so a
    // store whose notes were removed shrinks again. Failing that, it keeps
    // the room it has.
    void Schrumpfen() noexcept {
        if (m_eintraege.size() * 4 >= m_eintraege.capacity() || m_eintraege.capacity() < 64) return;
        try {
            m_eintraege.shrink_to_fit();
            m_index.rehash(0);
        } catch (const std::bad_alloc&) {
        }
    }

    // The place of the key's entry, made with a default value if new.
    std::pair<std::size_t, bool> Platz(const std::string& schluessel) {
        const auto [platz, neu] = m_index.try_emplace(schluessel, m_eintraege.size());
        if (neu) {
            try {
                m_eintraege.emplace_back(schluessel, Wert());
            } catch (...) {
                m_index.erase(platz);
                throw;
            }
        }
        return {platz->second, neu};
    }

    std::vector<value_type> m_eintraege;
    std::unordered_map<std::string, std::size_t> m_index;  // key -> place in m_eintraege
};
