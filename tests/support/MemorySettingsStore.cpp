#include "tests/support/MemorySettingsStore.h"

void MemorySettingsStore::createKey(const std::string& key) {
    for (size_t separator = key.find('\\'); separator != std::string::npos;
         separator = key.find('\\', separator + 1))
        keys.insert(key.substr(0, separator));
    keys.insert(key);
}

void MemorySettingsStore::put(const std::string& key, const std::string& name, Value value) {
    createKey(key);
    values[{key, name}] = std::move(value);
}

SettingsStore::Status MemorySettingsStore::write(const std::string& key, const std::string& name,
                                                 Value value) {
    if (refuseEverything || refuseWrites) return Status::failed;
    ++writes;
    put(key, name, std::move(value));
    return Status::ok;
}

SettingsStore::Status MemorySettingsStore::deleteKey(const std::string& key) {
    if (refuseEverything) return Status::failed;
    if (!hasKey(key)) return Status::absent;
    const std::string below = key + '\\';
    for (const std::string& other : keys)
        if (other.compare(0, below.size(), below) == 0) return Status::failed;
    keys.erase(key);
    for (auto it = values.begin(); it != values.end();)
        it = it->first.first == key ? values.erase(it) : std::next(it);
    return Status::ok;
}
