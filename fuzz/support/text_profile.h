// A profile over an INI text held in memory, with the portable reader's rules, so that a
// target can save and load again many times a run without touching the disk.
#pragma once

#include <string>
#include <string_view>

#include "profile/ini_lines.h"
#include "profile/profile.h"
#include "profile/profile_rules.h"

class TextProfile final : public Profile {
public:
    explicit TextProfile(std::string text) : text_(std::move(text)) {}
    const std::string& Text() const { return text_; }

    GbkText Read(std::string_view section, std::string_view key, std::string_view defaultText) override {
        const auto call = PrepareProfileCall("settings.ini", section, key);
        if (!call) return {};
        auto value = ReadIniValue(text_, call->section, call->key);
        return value ? std::move(*value) : IniDefaultValue(defaultText);
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        const auto call = PrepareProfileCall("settings.ini", section, key);
        if (call) text_ = WriteIniValue(text_, call->section, call->key, OneLineValue(value));
    }

private:
    std::string text_;
};
