// A profile held in memory that records every call, for tests of the order of reads and
// writes. Section names are recorded but not told apart.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "profile/profile.h"

class RecordingProfile final : public Profile {
public:
    struct Call {
        bool write = false;
        std::string section;
        std::string key;
        std::string text;  // the default of a read, the value of a write
        bool operator==(const Call&) const = default;
    };

    GbkText Read(std::string_view section, std::string_view key, std::string_view defaultText) override {
        calls.push_back({false, std::string(section), std::string(key), std::string(defaultText)});
        const auto it = values.find(std::string(key));
        return it != values.end() ? it->second : GbkText(defaultText);
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        calls.push_back({true, std::string(section), std::string(key), std::string(value)});
        values[std::string(key)] = std::string(value);
    }

    std::map<std::string, std::string> values;
    std::vector<Call> calls;
};
