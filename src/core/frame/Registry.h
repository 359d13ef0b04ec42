#pragma once
// Where installed helper programs are found. Windows keeps their folders under the uninstall keys of the
// registry; other platforms have no such registry, and the lookup finds nothing.
#include <string>
#include <string_view>

namespace renoka {

class Registry {
public:
    virtual ~Registry() = default;
    // The "Inno Setup: App Path" value under HKEY_LOCAL_MACHINE\<key>, or empty (CP932).
    virtual std::string appPath(std::string_view uninstallKey) const = 0;
};

class NoRegistry : public Registry {
public:
    std::string appPath(std::string_view) const override { return {}; }
};

} // namespace renoka
