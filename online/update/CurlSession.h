#pragma once

#include "ProductUpdateInfo.h"
#include "UpdateLog.h"

#include <curl/curl.h>

#include <atomic>
#include <memory>
#include <string>

// The update client: an HTTP transport over one libcurl easy handle, the query URL and the
// parse of the service's XML reply into ProductUpdateInfo.
//
// Blocking and without locks: one session serves one check at a time, on whichever thread the
// caller chooses; only abort() may be called from another thread. The stored proxy outlives
// handle resets. A reply larger than kMaxReplyBytes is refused, whatever the server announces.
class CurlSession
{
public:
    // An update answer is a few kilobytes; anything past this is not one.
    static constexpr size_t kMaxReplyBytes = 64 * 1024;
    // What of a reply goes into the update log.
    static constexpr size_t kLoggedReplyBytes = 512;

    // Proxy types, numbered like QNetworkProxy::ProxyType.
    enum ProxyType
    {
        ProxySocks5 = 1,
        ProxyNone = 2,
        ProxyHttp = 3,
    };

    explicit CurlSession(ProductUpdateInfo* info = nullptr);
    ~CurlSession();
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    // Call once before the first request: makes the handle. 0, or -1 when libcurl gives none.
    int Init();
    int resetHandle();
    void setProxy(int type, const std::string& host, int port, const std::string& user = {},
                  const std::string& password = {});
    // Milliseconds since the previous call; the current tick becomes the new base.
    int elapsedMs();
    // GET with up to three attempts; each attempt starts from an empty reply. 0 or a CURLcode:
    // CURLE_HTTP_RETURNED_ERROR for an answer other than 2xx (see lastHttpStatus), tried again
    // only for 5xx; CURLE_FILESIZE_EXCEEDED for a reply over kMaxReplyBytes, not tried again.
    int httpGet(const std::string& url, std::string& reply);
    // The HTTP status of the last answer received, 0 when none came.
    long lastHttpStatus() const { return m_httpStatus; }
    // Any thread: the transfer running now ends within a moment, and no further attempt starts.
    void abort();
    bool isAborted() const { return m_aborted; }
    static std::string curlErrorText(int code);

    std::string BuildUpdateQueryUrl(const ProductUpdateInfo& info);
    // The whole check on the served record: request, then parse; sets the result fields.
    void fetchUpdateInfo();
    void ParseUpdateInfo(ProductUpdateInfo& info, const std::string& reply);

    void setUpdateInfo(ProductUpdateInfo* info) { m_info = info; }
    ProductUpdateInfo* updateInfo() const { return m_info; }
    bool isReady() const { return m_ready != 0; }
    int proxyType() const { return m_proxy.type; }
    const std::string& proxyHost() const { return m_proxy.host; }
    UpdateLog& log() { return m_log; }

private:
    struct Proxy
    {
        int type = ProxyNone;
        std::string host;
        int port = 0;
        std::string user;
        std::string password;
    };
    struct HandleDeleter
    {
        void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    };
    struct MultiDeleter
    {
        void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
    };
    struct ListDeleter
    {
        void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    };

    void applyProxy(int type, const std::string& host, int port, const std::string& user,
                    const std::string& password);
    std::string escape(const std::string& text);
    int perform(std::string& reply, long totalTimeoutSec);

    long long m_tickBase = 0;
    // Made with the session and kept for its life, so abort() from another thread always finds
    // it; declared before the easy handle, which must go first.
    std::unique_ptr<CURLM, MultiDeleter> m_multi;
    std::unique_ptr<CURL, HandleDeleter> m_handle;
    std::atomic<bool> m_aborted{false};
    long m_httpStatus = 0;
    std::unique_ptr<curl_slist, ListDeleter> m_headers;
    Proxy m_proxy;
    ProductUpdateInfo* m_info = nullptr; // not owned
    int m_ready = 0;
    UpdateLog m_log;
};
