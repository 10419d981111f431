#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "app/SettingsStore.h"

// The settings as a flat list of text pairs, for a platform that keeps nothing else (a browser's local
// storage): each value is one entry named by its key and value name joined by a backslash
// ("Software\Velmira\User\Ongen"), its text the value's kind and the value ("n:0", "s:Main.bmp"). A key
// exists while it holds a value. Every change is handed to kept(), which the platform backs with its storage.
class FlatSettingsStore : public SettingsStore {
  public:
    // An entry as the platform kept it, at start-up; one no write of this store could have made is passed
    // over and reported false.
    bool restore(const std::string& entryName, const std::string& text);

    Status readString(const std::string& key, const std::string& name, std::string& value) override;
    Status readNumber(const std::string& key, const std::string& name, uint32_t& value) override;
    Status writeString(const std::string& key, const std::string& name, const std::string& value) override;
    Status writeNumber(const std::string& key, const std::string& name, uint32_t value) override;
    Status deleteKey(const std::string& key) override;

    const std::map<std::string, std::string>& entries() const { return entries_; }

  protected:
    // The entry now holds text, or (removed) is gone. False when the storage refused the change.
    virtual bool kept(const std::string& entryName, const std::string* text) = 0;

  private:
    Status read(const std::string& key, const std::string& name, char kind, std::string& value) const;
    Status write(const std::string& key, const std::string& name, std::string text);

    std::map<std::string, std::string> entries_;
};
