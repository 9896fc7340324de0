// Registry changes of a test under HKEY_LOCAL_MACHINE, undone when the test ends.
#pragma once

#include <string>

#include "win32/windows_h_win32.h"

// Sets the default value of HKLM\subKey (creating the key), stored with the given type and
// bytes as they are; zeroTerminated adds the final zero that REG_SZ values normally carry.
void SetMachineDefault(const std::string& subKey, DWORD type, const std::string& bytes,
                       bool zeroTerminated = true);
bool MachineKeyExists(const std::string& subKey);
void DeleteMachineKey(const std::string& subKey);

// Moves HKLM\subKey with everything below it aside, so a test starts without it, and puts it
// back as it was when the object goes.
class SavedMachineKey {
public:
    explicit SavedMachineKey(std::string subKey);
    ~SavedMachineKey();
    SavedMachineKey(const SavedMachineKey&) = delete;
    SavedMachineKey& operator=(const SavedMachineKey&) = delete;

private:
    std::string subKey_;
    std::string backup_;
    bool saved_ = false;
};
