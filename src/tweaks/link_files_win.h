// The shell link files of a folder on the real file system, read through
// the shell link object. COM must be initialised on the calling thread.
#pragma once

#include <string>
#include <vector>

#include "tweaks/uninstall.h"

namespace tavrel {

class Win32LinkFiles final : public LinkFiles {
  public:
    std::vector<std::wstring> LinksIn(const std::wstring& folder) override;
    // A link that cannot be read points nowhere.
    bool PointsAt(const std::wstring& link, const std::wstring& target) override;
    bool Delete(const std::wstring& path) override;
};

}  // namespace tavrel
