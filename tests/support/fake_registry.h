// An in-memory registry as strict as the real one, for the portable rules:
// keys are found without regard to case, strings and integers keep their
// types, and writes under a root can be refused as a standard user's are.
#pragma once

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/error.h"
#include "common/registry.h"

namespace tavrel::testing {

class FakeRegistry : public RegistryAccess {
  public:
    static constexpr std::uint32_t kString = 1;
    static constexpr std::uint32_t kBinary = 3;
    static constexpr std::uint32_t kDword = 4;

    struct Value {
        std::uint32_t type = kString;
        std::wstring text;
        std::int32_t integer = 0;
        std::uint32_t byteSize = 0;  // as the ANSI API counts it
    };
    struct Key {
        std::map<std::wstring, Value> values;  // names in lower case
    };

    // Every create, write and delete under this root fails.
    std::set<RegistryRoot> readOnlyRoots;
    // Keys (paths as given, under any root) that cannot be deleted, as one
    // whose rights forbid it.
    std::set<std::wstring> undeletableKeys;
    // Keys (paths as given, under any root) whose copy fails, as on a full
    // registry.
    std::set<std::wstring> uncopyableKeys;
    // The root of each string written, in order (the machine's views share
    // one store here, so this is where they show).
    std::vector<RegistryRoot> stringWriteRoots;

    // Direct access for arranging and checking a test.
    void PutString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                   const std::wstring& text) {
        keys_[Name(root, path)].values[Lower(name)] = {kString, text, 0,
                                                       static_cast<std::uint32_t>(text.size() + 1)};
        AddParents(root, path);
    }
    void PutInteger(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                    std::int32_t value) {
        keys_[Name(root, path)].values[Lower(name)] = {kDword, L"", value, 4};
        AddParents(root, path);
    }
    void PutBinary(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                   std::uint32_t bytes) {
        keys_[Name(root, path)].values[Lower(name)] = {kBinary, L"", 0, bytes};
        AddParents(root, path);
    }
    bool HasKey(RegistryRoot root, const std::wstring& path) const {
        return keys_.count(Name(root, path)) != 0;
    }
    const Value* Find(RegistryRoot root, const std::wstring& path, const std::wstring& name) const {
        const auto key = keys_.find(Name(root, path));
        if (key == keys_.end()) {
            return nullptr;
        }
        const auto value = key->second.values.find(Lower(name));
        return value == key->second.values.end() ? nullptr : &value->second;
    }
    std::size_t KeyCount() const { return keys_.size(); }

    bool OpenKey(RegistryRoot root, const std::wstring& path) override {
        return HasKey(root, path) && !ReadOnly(root);
    }
    bool KeyExists(RegistryRoot root, const std::wstring& path) override {
        return HasKey(root, path);
    }
    bool CanCreateKey(RegistryRoot root, const std::wstring&) override { return !ReadOnly(root); }
    bool CreateKey(RegistryRoot root, const std::wstring& path) override {
        if (HasKey(root, path)) {
            return true;
        }
        if (ReadOnly(root)) {
            return false;
        }
        keys_[Name(root, path)];
        AddParents(root, path);
        return true;
    }
    std::wstring ReadString(RegistryRoot root, const std::wstring& path,
                            const std::wstring& name) override {
        const Value* value = Find(root, path, name);
        if (value == nullptr) {
            return L"";
        }
        if (value->type != kString) {
            throw InvalidDataType(name);
        }
        return value->text;
    }
    void WriteString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                     const std::wstring& text) override {
        if (ReadOnly(root) || !HasKey(root, path)) {
            throw FailedToSetData(name);
        }
        stringWriteRoots.push_back(root);
        PutString(root, path, name, text);
    }
    std::int32_t ReadInteger(RegistryRoot root, const std::wstring& path,
                             const std::wstring& name) override {
        const Value* value = Find(root, path, name);
        if (value == nullptr || value->byteSize > 4) {
            throw FailedToGetData(name);
        }
        if (value->type != kDword) {
            throw InvalidDataType(name);
        }
        return value->integer;
    }
    void WriteInteger(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                      std::int32_t value) override {
        if (ReadOnly(root) || !HasKey(root, path)) {
            throw FailedToSetData(name);
        }
        PutInteger(root, path, name, value);
    }
    bool ValueExists(RegistryRoot root, const std::wstring& path,
                     const std::wstring& name) override {
        return Find(root, path, name) != nullptr;
    }
    bool DeleteValue(RegistryRoot root, const std::wstring& path,
                     const std::wstring& name) override {
        if (ReadOnly(root)) {
            return false;
        }
        const auto key = keys_.find(Name(root, path));
        return key != keys_.end() && key->second.values.erase(Lower(name)) != 0;
    }
    bool CanDeleteTree(RegistryRoot root, const std::wstring& path) override {
        if (ReadOnly(root) || !HasKey(root, path)) {
            return false;
        }
        const std::wstring top = Name(root, path);
        return std::none_of(
            undeletableKeys.begin(), undeletableKeys.end(),
            [&](const std::wstring& key) { return IsWithin(Name(root, key), top); });
    }
    bool DeleteTree(RegistryRoot root, const std::wstring& path) override {
        if (ReadOnly(root) || !HasKey(root, path)) {
            return false;
        }
        // An undeletable key stays with its parents; everything else goes.
        const std::wstring top = Name(root, path);
        bool whole = true;
        for (auto it = keys_.begin(); it != keys_.end();) {
            const bool keep = std::any_of(
                undeletableKeys.begin(), undeletableKeys.end(),
                [&](const std::wstring& key) { return IsWithin(Name(root, key), it->first); });
            whole = whole && !(keep && IsWithin(it->first, top));
            it = IsWithin(it->first, top) && !keep ? keys_.erase(it) : std::next(it);
        }
        return whole;
    }
    bool DeleteEmptyKey(RegistryRoot root, const std::wstring& path) override {
        const std::wstring top = Name(root, path);
        const auto key = keys_.find(top);
        if (ReadOnly(root) || key == keys_.end() || !key->second.values.empty()) {
            return false;
        }
        for (const auto& entry : keys_) {
            if (entry.first != top && IsWithin(entry.first, top)) {
                return false;
            }
        }
        keys_.erase(key);
        return true;
    }
    bool CopyTree(RegistryRoot fromRoot, const std::wstring& from, RegistryRoot toRoot,
                  const std::wstring& to) override {
        if (ReadOnly(toRoot) || !HasKey(fromRoot, from) || uncopyableKeys.count(from) != 0) {
            return false;
        }
        const std::wstring source = Name(fromRoot, from);
        const std::wstring target = Name(toRoot, to);
        std::map<std::wstring, Key> copies;
        for (const auto& [name, key] : keys_) {
            if (IsWithin(name, source)) {
                copies[target + name.substr(source.size())] = key;
            }
        }
        for (auto& [name, key] : copies) {
            for (auto& [valueName, value] : key.values) {
                keys_[name].values[valueName] = value;
            }
        }
        AddParents(toRoot, to);
        return true;
    }

  private:
    // The machine's views are one store here: the question of views only
    // arises for a program of another word size than the system.
    bool ReadOnly(RegistryRoot root) const {
        return readOnlyRoots.count(IsMachineRoot(root) ? RegistryRoot::kLocalMachine : root) != 0;
    }
    static std::wstring Lower(std::wstring text) {
        std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) {
            return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        });
        return text;
    }
    static std::wstring Name(RegistryRoot root, const std::wstring& path) {
        return (IsMachineRoot(root) ? L"hklm\\" : L"hkcu\\") + Lower(path);
    }
    static bool IsWithin(const std::wstring& name, const std::wstring& top) {
        return name == top || (name.size() > top.size() && name.compare(0, top.size(), top) == 0 &&
                               name[top.size()] == L'\\');
    }
    void AddParents(RegistryRoot root, const std::wstring& path) {
        for (std::size_t slash = path.find(L'\\'); slash != std::wstring::npos;
             slash = path.find(L'\\', slash + 1)) {
            keys_[Name(root, path.substr(0, slash))];
        }
        keys_[Name(root, path)];
    }

    std::map<std::wstring, Key> keys_;
};

}  // namespace tavrel::testing
