#include "app/FlatSettingsStore.h"

#include <vector>

namespace {
constexpr char stringKind = 's';
constexpr char numberKind = 'n';

std::string entryNameOf(const std::string& key, const std::string& name) {
    return key + '\\' + name;
}

// The number's digits exactly as writeNumber writes them: no sign, no leading zero, no overflow.
bool parseNumber(const std::string& digits, uint32_t& number) {
    if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits[0] == '0')) return false;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + uint64_t(c - '0');
    }
    if (value > UINT32_MAX) return false;
    number = uint32_t(value);
    return true;
}

bool wellFormed(const std::string& entryName, const std::string& text) {
    const size_t slash = entryName.rfind('\\');
    if (slash == std::string::npos || slash == 0 || slash + 1 == entryName.size()) return false;
    if (text.size() < 2 || text[1] != ':') return false;
    uint32_t number = 0;
    return text[0] == stringKind || (text[0] == numberKind && parseNumber(text.substr(2), number));
}
}  // namespace

bool FlatSettingsStore::restore(const std::string& entryName, const std::string& text) {
    if (!wellFormed(entryName, text)) return false;
    entries_[entryName] = text;
    return true;
}

SettingsStore::Status FlatSettingsStore::read(const std::string& key, const std::string& name, char kind,
                                              std::string& value) const {
    const auto found = entries_.find(entryNameOf(key, name));
    if (found == entries_.end()) return Status::absent;
    if (found->second[0] != kind) return Status::wrongType;
    value = found->second.substr(2);
    return Status::ok;
}

SettingsStore::Status FlatSettingsStore::readString(const std::string& key, const std::string& name,
                                                    std::string& value) {
    return read(key, name, stringKind, value);
}

SettingsStore::Status FlatSettingsStore::readNumber(const std::string& key, const std::string& name,
                                                    uint32_t& value) {
    std::string digits;
    const Status status = read(key, name, numberKind, digits);
    if (status != Status::ok) return status;
    return parseNumber(digits, value) ? Status::ok : Status::wrongType;
}

SettingsStore::Status FlatSettingsStore::write(const std::string& key, const std::string& name,
                                               std::string text) {
    const std::string entryName = entryNameOf(key, name);
    // The storage first: what it refused is not held as if kept.
    if (!kept(entryName, &text)) return Status::failed;
    entries_[entryName] = std::move(text);
    return Status::ok;
}

SettingsStore::Status FlatSettingsStore::writeString(const std::string& key, const std::string& name,
                                                     const std::string& value) {
    return write(key, name, stringKind + std::string(":") + value);
}

SettingsStore::Status FlatSettingsStore::writeNumber(const std::string& key, const std::string& name,
                                                     uint32_t value) {
    return write(key, name, numberKind + std::string(":") + std::to_string(value));
}

// As the registry does it: a key with keys under it stays.
SettingsStore::Status FlatSettingsStore::deleteKey(const std::string& key) {
    const std::string prefix = key + '\\';
    std::vector<std::string> values;
    for (auto entry = entries_.lower_bound(prefix);
         entry != entries_.end() && entry->first.compare(0, prefix.size(), prefix) == 0; ++entry) {
        if (entry->first.find('\\', prefix.size()) != std::string::npos) return Status::failed;
        values.push_back(entry->first);
    }
    if (values.empty()) return Status::absent;
    for (const std::string& entryName : values) {
        if (!kept(entryName, nullptr)) return Status::failed;
        entries_.erase(entryName);
    }
    return Status::ok;
}
