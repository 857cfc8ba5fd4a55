#include "UpdateEndpoint.h"

#include <cstdlib>

namespace tidewell::update
{

std::string UpdateEndpoint()
{
    const char* overridden = std::getenv("TIDEWELL_UPDATE_URL");
    return overridden && *overridden ? std::string(overridden) : std::string(kUpdateEndpoint);
}

} // namespace tidewell::update
