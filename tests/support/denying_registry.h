// The real registry as a standard user sees it: everything under one root
// can be read, nothing there can be opened for full access, created,
// written or deleted.
#pragma once

#include "common/error.h"
#include "common/registry.h"

namespace tavrel::testing {

class DenyingRegistry final : public RegistryAccess {
  public:
    DenyingRegistry(RegistryAccess& inner, RegistryRoot denied) : inner_(inner), denied_(denied) {}

    bool OpenKey(RegistryRoot root, const std::wstring& path) override {
        return !Denied(root) && inner_.OpenKey(root, path);
    }
    bool KeyExists(RegistryRoot root, const std::wstring& path) override {
        return inner_.KeyExists(root, path);
    }
    bool CanCreateKey(RegistryRoot root, const std::wstring& path) override {
        return !Denied(root) && inner_.CanCreateKey(root, path);
    }
    bool CreateKey(RegistryRoot root, const std::wstring& path) override {
        return !Denied(root) && inner_.CreateKey(root, path);
    }
    std::wstring ReadString(RegistryRoot root, const std::wstring& path,
                            const std::wstring& name) override {
        return inner_.ReadString(root, path, name);
    }
    void WriteString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                     const std::wstring& value) override {
        if (Denied(root)) {
            throw FailedToSetData(name);
        }
        inner_.WriteString(root, path, name, value);
    }
    std::int32_t ReadInteger(RegistryRoot root, const std::wstring& path,
                             const std::wstring& name) override {
        return inner_.ReadInteger(root, path, name);
    }
    void WriteInteger(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                      std::int32_t value) override {
        if (Denied(root)) {
            throw FailedToSetData(name);
        }
        inner_.WriteInteger(root, path, name, value);
    }
    bool ValueExists(RegistryRoot root, const std::wstring& path,
                     const std::wstring& name) override {
        return inner_.ValueExists(root, path, name);
    }
    bool DeleteValue(RegistryRoot root, const std::wstring& path,
                     const std::wstring& name) override {
        return !Denied(root) && inner_.DeleteValue(root, path, name);
    }
    bool CanDeleteTree(RegistryRoot root, const std::wstring& path) override {
        return !Denied(root) && inner_.CanDeleteTree(root, path);
    }
    bool DeleteTree(RegistryRoot root, const std::wstring& path) override {
        return !Denied(root) && inner_.DeleteTree(root, path);
    }
    bool DeleteEmptyKey(RegistryRoot root, const std::wstring& path) override {
        return !Denied(root) && inner_.DeleteEmptyKey(root, path);
    }
    bool CopyTree(RegistryRoot fromRoot, const std::wstring& from, RegistryRoot toRoot,
                  const std::wstring& to) override {
        return !Denied(toRoot) && inner_.CopyTree(fromRoot, from, toRoot, to);
    }

  private:
    bool Denied(RegistryRoot root) const {
        return root == denied_ || (IsMachineRoot(root) && IsMachineRoot(denied_));
    }
    RegistryAccess& inner_;
    RegistryRoot denied_;
};

}  // namespace tavrel::testing
