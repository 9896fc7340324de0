// One table of profile cases that every profile implementation must pass: the portable
// INI reader and writer, and the Windows profile functions under Wine.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"

struct ProfileCase {
    std::string_view name;                  // letters, digits and '_' only
    std::optional<std::string_view> file;   // the file before; none: there is no file
    bool write = false;
    std::string_view section = {};
    std::string_view key = {};
    std::string_view text = {};             // read: the default; write: the value
    std::string_view expected = {};         // read: the text read; write: the file after
    bool expectNoFile = false;              // write: no file may come into being
    std::string_view pathPrefix = {};       // bytes put in front of the file's path
    bool blankPath = false;                 // the path is the prefix alone
    // Set only where Wine's profile functions are known to depart from Windows: what Wine
    // gives instead. The Windows implementation may give either; the portable one must
    // give `expected`.
    std::optional<std::string_view> wineGives = std::nullopt;
};

const std::vector<ProfileCase>& ProfileCases();

struct ProfileOutcome {
    std::string result;  // read: the text read; write: the file after, or "" without one
    bool fileExists = false;
};

using ProfileOpener = std::function<std::unique_ptr<Profile>(std::string path)>;

// Runs one case in a folder of its own, with the profile the opener makes.
ProfileOutcome RunProfileCase(const ProfileCase& c, const ProfileOpener& open);

// Empty when the outcome is the one expected (or, with wineAllowed, Wine's known one);
// else a description of the difference.
std::string CheckProfileOutcome(const ProfileCase& c, const ProfileOutcome& outcome, bool wineAllowed);

// Shows bytes with escapes for control and non-ASCII bytes, for failure messages.
std::string VisibleBytes(std::string_view bytes);
