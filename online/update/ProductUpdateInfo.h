#pragma once

#include <string>

// Result codes of an update check (ProductUpdateInfo::state).
enum UpdateState : int
{
    UpdateStateNone = 0,
    UpdateStateNewerMarked = 10,  // a newer version is offered and mark is set
    UpdateStateEmptyProduct = 11, // the reply names no product
    UpdateStateNewer = 12,        // a newer version is offered
    UpdateStateUpToDate = 13,     // the offered version is not newer than the running one
    UpdateStateBadReply = 14,     // the reply is not well-formed, too large or lacks what a check needs
    UpdateStateHttpStatus = 15,   // the server answered, but not 2xx (httpStatus)
    UpdateStateTransferFailed = -1048593, // 0xFFEFFFEF: the HTTP transfer failed
};

// One update check: the caller fills the request fields, CurlSession::fetchUpdateInfo the
// result fields. All texts are UTF-8 byte strings.
struct ProductUpdateInfo
{
    // request
    std::string productCode;
    std::string currentVersion;
    std::string language;
    bool mark = false;

    // result
    std::string newVersion;
    std::string displayName;
    std::string whatsNewText;
    std::string downloadUrl;
    std::string errorText;
    long httpStatus = 0; // of the last answer; 0 when none came
    int state = UpdateStateNone;
};
