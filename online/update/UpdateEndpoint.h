#pragma once

#include <string>

namespace tidewell::update
{

// The maker's update service (plain HTTP, as the service is published).
inline constexpr const char* kUpdateEndpoint = "http://www.zavro.com/update-product-info/update.php";

// The endpoint to query: the constant, unless a test points TIDEWELL_UPDATE_URL at a server of
// its own.
std::string UpdateEndpoint();

} // namespace tidewell::update
