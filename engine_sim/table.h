// A table of engine objects addressed by id. Ids are never reused, so a handle whose object is gone
// finds nothing instead of a newer object.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace sim {

template <class T>
class Table {
public:
    int32_t add(std::unique_ptr<T> object)
    {
        m_slots.push_back(std::move(object));
        return static_cast<int32_t>(m_slots.size() - 1);
    }
    T* get(int32_t id) const
    {
        if (id < 0 || static_cast<std::size_t>(id) >= m_slots.size())
            return nullptr;
        return m_slots[static_cast<std::size_t>(id)].get();
    }
    void remove(int32_t id)
    {
        if (get(id))
            m_slots[static_cast<std::size_t>(id)].reset();
    }
    // Visits every live object with its id.
    template <class F>
    void forEach(F&& visit) const
    {
        for (std::size_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i])
                visit(static_cast<int32_t>(i), *m_slots[i]);
    }
    int32_t end() const { return static_cast<int32_t>(m_slots.size()); }

private:
    std::vector<std::unique_ptr<T>> m_slots;
};

}  // namespace sim
