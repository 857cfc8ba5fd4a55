#pragma once

#include "ProductUpdateInfo.h"
#include "UpdateLog.h"

#include <curl/curl.h>

#include <memory>
#include <string>

// The update client: an HTTP transport over one libcurl easy handle, the query URL and the
// parse of the service's XML reply into ProductUpdateInfo.
//
// Blocking and without locks: one session serves one check at a time, on whichever thread the
// caller chooses. The stored proxy outlives handle resets.
class CurlSession
{
public:
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
    // GET with up to three attempts; each attempt starts from an empty reply. 0 or a CURLcode.
    int httpGet(const std::string& url, std::string& reply);
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
    struct ListDeleter
    {
        void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    };

    void applyProxy(int type, const std::string& host, int port, const std::string& user,
                    const std::string& password);
    std::string escape(const std::string& text);
    int perform(std::string& reply, long totalTimeoutSec);

    long long m_tickBase = 0;
    std::unique_ptr<CURL, HandleDeleter> m_handle;
    std::unique_ptr<curl_slist, ListDeleter> m_headers;
    Proxy m_proxy;
    ProductUpdateInfo* m_info = nullptr; // not owned
    int m_ready = 0;
    UpdateLog m_log;
};
