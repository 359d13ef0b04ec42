#include "app/Startup.h"

#include "jv/NullJvLink.h"

namespace renoka {

std::unique_ptr<JvLink> createJvLink(const std::filesystem::path&) { return std::make_unique<NullJvLink>(); }

} // namespace renoka
