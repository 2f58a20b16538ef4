#pragma once
#include <string_view>

namespace vantorelle {

/// True when reading the member with that key succeeds.
template <class Collection>
bool ExisteDans(const Collection& collection, std::string_view clé) {
    try {
        collection.Item(clé);
        return true;
    } catch (...) {  // any failure to read the member means it is not there
        return false;
    }
}

/// Removes the members from the last to the first, leaving the collection empty.
template <class Collection>
void ViderCollection(Collection& collection) {
    for (auto i = collection.Count(); i >= 1; --i) collection.Remove(i);
}

}  // namespace vantorelle
