#include "tests/support/machine_registry_win32.h"

#include <utility>

#include "win32/handles_win32.h"

namespace {

constexpr const char kBackupRoot[] = "SOFTWARE\\ZiyinfangTestBackup";

UniqueRegKey CreateKey(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return UniqueRegKey();
    }
    return UniqueRegKey(key);
}

bool CopyTree(const std::string& from, const std::string& to) {
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS) return false;
    const UniqueRegKey sourceKey(source);
    const UniqueRegKey target = CreateKey(to);
    return target && RegCopyTreeA(sourceKey.Get(), nullptr, target.Get()) == ERROR_SUCCESS;
}

std::string BackupNameFor(std::string subKey) {
    for (char& c : subKey) {
        if (c == '\\') c = '_';
    }
    return std::string(kBackupRoot) + "\\" + subKey;
}

}  // namespace

void SetMachineDefault(const std::string& subKey, DWORD type, const std::string& bytes,
                       bool zeroTerminated) {
    const UniqueRegKey key = CreateKey(subKey);
    if (!key) return;
    const DWORD size = static_cast<DWORD>(bytes.size() + (zeroTerminated ? 1 : 0));
    RegSetValueExA(key.Get(), nullptr, 0, type, reinterpret_cast<const BYTE*>(bytes.c_str()), size);
}

bool MachineKeyExists(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void DeleteMachineKey(const std::string& subKey) { RegDeleteTreeA(HKEY_LOCAL_MACHINE, subKey.c_str()); }

SavedMachineKey::SavedMachineKey(std::string subKey)
    : subKey_(std::move(subKey)), backup_(BackupNameFor(subKey_)) {
    // A run that died before it could restore left its backup behind: that is the original.
    if (MachineKeyExists(backup_)) {
        DeleteMachineKey(subKey_);
        CopyTree(backup_, subKey_);
        DeleteMachineKey(backup_);
    }
    if (MachineKeyExists(subKey_)) {
        saved_ = CopyTree(subKey_, backup_);
        if (saved_) DeleteMachineKey(subKey_);
    }
}

SavedMachineKey::~SavedMachineKey() {
    DeleteMachineKey(subKey_);
    if (saved_) CopyTree(backup_, subKey_);
    DeleteMachineKey(backup_);
    HKEY root = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kBackupRoot, 0, KEY_READ, &root) == ERROR_SUCCESS) {
        DWORD subKeys = 0;
        RegQueryInfoKeyA(root, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(root);
        if (subKeys == 0) RegDeleteKeyA(HKEY_LOCAL_MACHINE, kBackupRoot);
    }
}
