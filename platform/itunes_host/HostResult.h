#pragma once

#include <cstdint>

namespace tidewell::ithost
{

// HRESULT-style answers of the host, as iTunes's automation interface gives them.
using HResult = int32_t;

constexpr HResult kOk = 0;
constexpr HResult kNotFound = -1; // the track does not exist (any more)
constexpr HResult kFail = static_cast<HResult>(0x80004005u);
constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
constexpr HResult kInvalidArg = static_cast<HResult>(0x80070057u);
constexpr HResult kAccessDenied = static_cast<HResult>(0x80070005u);
constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002u);
constexpr HResult kServerExecFailure = static_cast<HResult>(0x80080005u);

} // namespace tidewell::ithost
