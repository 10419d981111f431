#pragma once
#include "app/SettingsStore.h"

// The settings in the current user's registry (HKEY_CURRENT_USER). Keys are created non-volatile, so they
// outlast a restart of Windows, and values are read at whatever length they have.
class RegistrySettingsStore : public SettingsStore {
  public:
    Status readString(const std::string& key, const std::string& name, std::string& value) override;
    Status readNumber(const std::string& key, const std::string& name, uint32_t& value) override;
    Status writeString(const std::string& key, const std::string& name, const std::string& value) override;
    Status writeNumber(const std::string& key, const std::string& name, uint32_t value) override;
    Status deleteKey(const std::string& key) override;
};
