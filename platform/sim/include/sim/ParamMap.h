#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace sim {

// What one data-type code gives, chosen by a request's param and param2. An entry stored with an
// empty param2 stands for every param2 of its param.
template <class T> struct ParamMap
{
    std::optional<T> fallback; // for every request that no entry matches
    std::map<std::pair<std::string, std::string>, T> entries;

    // The entry for exactly (param, param2), then the one for param alone, then the fallback;
    // null when there is none.
    const T* find(const std::string& param, const std::string& param2) const
    {
        return const_cast<ParamMap*>(this)->find(param, param2);
    }
    T* find(const std::string& param, const std::string& param2)
    {
        if (T* entry = findEntry(param, param2))
            return entry;
        return fallback ? &*fallback : nullptr;
    }
    // The same without the fallback.
    T* findEntry(const std::string& param, const std::string& param2)
    {
        auto it = entries.find({param, param2});
        if (it == entries.end())
            it = entries.find({param, std::string()});
        return it == entries.end() ? nullptr : &it->second;
    }
};

} // namespace sim
