#include "CurlSession.h"

#include "Base64Decode.h"
#include "UpdateEndpoint.h"
#include "VersionCompare.h"

#include <tinyxml2.h>

#include <chrono>
#include <mutex>

namespace
{

constexpr long kConnectTimeoutSec = 5;
constexpr long kFirstTimeoutSec = 3;
constexpr long kRetryTimeoutSec = 5;
constexpr int kGiveUpAfterSec = 20;
// How long one wait for the network lasts before an abort is looked at again (abort() also
// wakes the wait at once).
constexpr int kPollMs = 100;

// curl_global_init is not thread-safe; run it once before the first handle.
void GlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Where one attempt's reply goes; it stops taking bytes at the limit.
struct ReplySink
{
    std::string* reply = nullptr;
    bool overflow = false;
};

size_t AppendReply(char* data, size_t size, size_t count, void* target)
{
    auto* sink = static_cast<ReplySink*>(target);
    const size_t bytes = size * count;
    if (sink->reply->size() + bytes > CurlSession::kMaxReplyBytes)
    {
        sink->overflow = true;
        return 0; // libcurl ends the transfer
    }
    sink->reply->append(data, bytes);
    return bytes;
}

bool IsSuccessStatus(long status)
{
    return status >= 200 && status < 300;
}

// The start of a reply, for the log: a reply is data from the network, never logged whole.
std::string Excerpt(const std::string& reply)
{
    if (reply.size() <= CurlSession::kLoggedReplyBytes)
        return reply;
    return reply.substr(0, CurlSession::kLoggedReplyBytes) + "[... " +
           std::to_string(reply.size() - CurlSession::kLoggedReplyBytes) + " bytes more]";
}

const char* TextOf(const tinyxml2::XMLElement* element)
{
    const char* text = element ? element->GetText() : nullptr;
    return text ? text : "";
}

} // namespace

CurlSession::CurlSession(ProductUpdateInfo* info) : m_info(info)
{
    GlobalInit();
    m_multi.reset(curl_multi_init());
}

CurlSession::~CurlSession() = default;

int CurlSession::Init()
{
    const int rc = resetHandle();
    m_ready = 1;
    return rc;
}

int CurlSession::resetHandle()
{
    GlobalInit();
    m_handle.reset();
    m_handle.reset(curl_easy_init());
    if (!m_handle)
        return -1;
    applyProxy(m_proxy.type, m_proxy.host, m_proxy.port, m_proxy.user, m_proxy.password);

    CURL* h = m_handle.get();
    if (!m_headers)
    {
        curl_slist* list = nullptr;
        for (const char* header :
             {"Connection: Keep-Alive", "Accept-Language: zh-CN,en,*", "User-Agent: Mozilla/5.0", "Accept:"})
        {
            curl_slist* grown = curl_slist_append(list, header);
            if (grown)
                list = grown;
        }
        m_headers.reset(list);
    }
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, m_headers.get());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &AppendReply);
    // An announced size over the limit is refused before the body comes.
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(kMaxReplyBytes));
    // Certificates and host names are checked (libcurl's defaults, set here so no one drops them).
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    // An answer other than 2xx (an error page, a redirect) is not a reply to parse; httpGet
    // reads its status and tells it apart from a transfer that failed.
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 0L);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 0L);
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, 0L);
    curl_easy_setopt(h, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(h, CURLOPT_TCP_KEEPIDLE, 30L);
    curl_easy_setopt(h, CURLOPT_TCP_KEEPINTVL, 15L);
    // Blocking calls on a worker thread: no signals for the resolver's time-outs.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    // An aborted check never waits for a name lookup still running.
    curl_easy_setopt(h, CURLOPT_QUICK_EXIT, 1L);
    return 0;
}

std::string CurlSession::escape(const std::string& text)
{
    char* escaped = curl_easy_escape(m_handle.get(), text.c_str(), static_cast<int>(text.size()));
    if (!escaped)
        return {};
    std::string result(escaped);
    curl_free(escaped);
    return result;
}

void CurlSession::setProxy(int type, const std::string& host, int port, const std::string& user,
                           const std::string& password)
{
    applyProxy(type, host, port, user, password);
}

void CurlSession::applyProxy(int type, const std::string& host, int port, const std::string& user,
                             const std::string& password)
{
    CURL* h = m_handle.get();
    if (type == ProxyNone)
    {
        m_proxy.type = ProxyNone;
        m_proxy.host.clear();
        if (h)
            curl_easy_setopt(h, CURLOPT_PROXY, nullptr);
        return;
    }

    const std::string proxyText = host + ":" + std::to_string(port);
    if (type != ProxyHttp && type != ProxySocks5)
    {
        if (h)
            curl_easy_setopt(h, CURLOPT_PROXY, nullptr);
        m_proxy.type = ProxyNone;
        m_proxy.host.clear();
        m_log.write("[unknow proxy type ][%d] [%s]", type, proxyText.c_str());
        return;
    }

    if (h)
    {
        curl_easy_setopt(h, CURLOPT_PROXY, proxyText.c_str());
        curl_easy_setopt(h, CURLOPT_PROXYTYPE,
                         type == ProxySocks5 ? long(CURLPROXY_SOCKS5) : long(CURLPROXY_HTTP));
        if (!user.empty())
        {
            const std::string credentials = escape(user) + ":" + escape(password);
            curl_easy_setopt(h, CURLOPT_PROXYUSERPWD, credentials.c_str());
        }
        else
        {
            curl_easy_setopt(h, CURLOPT_PROXYUSERPWD, nullptr);
        }
    }
    // Copies first: the arguments may be the stored fields themselves.
    Proxy stored{type, host, port, user, password};
    m_proxy = std::move(stored);
    m_log.write("set proxy[%s]", proxyText.c_str());
}

int CurlSession::elapsedMs()
{
    const long long now = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
    const long long elapsed = m_tickBase == 0 ? 0 : now - m_tickBase;
    m_tickBase = now;
    return static_cast<int>(elapsed);
}

void CurlSession::abort()
{
    m_aborted = true;
    if (m_multi)
        curl_multi_wakeup(m_multi.get());
}

int CurlSession::perform(std::string& reply, long totalTimeoutSec)
{
    CURL* h = m_handle.get();
    CURLM* multi = m_multi.get();
    // Each attempt starts from nothing: a body half-received by a failed attempt must not be
    // glued in front of the next one.
    reply.clear();
    m_httpStatus = 0;
    if (!multi)
        return CURLE_FAILED_INIT;
    if (m_aborted)
        return CURLE_ABORTED_BY_CALLBACK;
    ReplySink sink{&reply, false};
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(h, CURLOPT_TIMEOUT, totalTimeoutSec);

    // The multi interface waits in short steps, so an abort from another thread ends the
    // transfer at once instead of after libcurl's own time-outs.
    curl_multi_add_handle(multi, h);
    CURLcode rc = CURLE_OK;
    for (bool done = false; !done;)
    {
        if (m_aborted)
        {
            rc = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
        {
            rc = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (const CURLMsg* message = curl_multi_info_read(multi, &queued))
        {
            if (message->msg == CURLMSG_DONE && message->easy_handle == h)
            {
                rc = message->data.result;
                done = true;
            }
        }
        if (!done)
            curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
    }
    curl_multi_remove_handle(multi, h);

    if (sink.overflow)
        rc = CURLE_FILESIZE_EXCEEDED;
    if (rc == CURLE_OK)
    {
        curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &m_httpStatus);
        if (!IsSuccessStatus(m_httpStatus))
            rc = CURLE_HTTP_RETURNED_ERROR;
    }
    if (rc != CURLE_OK)
        reply.clear();
    return rc;
}

int CurlSession::httpGet(const std::string& url, std::string& reply)
{
    reply.clear();
    m_httpStatus = 0;
    if (!m_handle)
        return CURLE_FAILED_INIT;
    applyProxy(m_proxy.type, m_proxy.host, m_proxy.port, m_proxy.user, m_proxy.password);
    CURL* h = m_handle.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSec);
    elapsedMs();

    // Only what may pass is tried again: a dropped or slow transfer, a server error. A redirect,
    // a refusal or an oversized reply would come back the same.
    const auto final = [this](int rc)
    {
        if (m_aborted || rc == CURLE_FILESIZE_EXCEEDED)
            return true;
        return rc == CURLE_HTTP_RETURNED_ERROR && m_httpStatus < 500;
    };
    int rc = perform(reply, kFirstTimeoutSec);
    if (rc == CURLE_OK)
        return 0;
    if (final(rc) || elapsedMs() / 1000 > kGiveUpAfterSec)
    {
        m_log.write("curl_err[%s][%s] http[%ld]", curlErrorText(rc).c_str(), url.c_str(), m_httpStatus);
        return rc;
    }
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        rc = perform(reply, kRetryTimeoutSec);
        if (rc == CURLE_OK)
            return 0;
        if (final(rc))
            break;
    }
    m_log.write("curl_err[%s][%s] http[%ld]", curlErrorText(rc).c_str(), url.c_str(), m_httpStatus);
    return rc;
}

std::string CurlSession::curlErrorText(int code)
{
    return curl_easy_strerror(static_cast<CURLcode>(code));
}

std::string CurlSession::BuildUpdateQueryUrl(const ProductUpdateInfo& info)
{
    GlobalInit();
    return tidewell::update::UpdateEndpoint() + "?action=getinfo&product=" + escape(info.productCode) +
           "&versioncur=" + escape(info.currentVersion) + "&lang=" + escape(info.language);
}

void CurlSession::fetchUpdateInfo()
{
    if (!m_info)
        return;
    ProductUpdateInfo& info = *m_info;
    const std::string url = BuildUpdateQueryUrl(info);
    m_log.write("req updata-[%s]\n", url.c_str());
    elapsedMs();

    std::string reply;
    const int rc = httpGet(url, reply);
    info.httpStatus = m_httpStatus;
    if (rc != 0)
    {
        info.errorText = curlErrorText(rc);
        if (rc == CURLE_FILESIZE_EXCEEDED)
            info.state = UpdateStateBadReply;
        else if (rc == CURLE_HTTP_RETURNED_ERROR)
            info.state = UpdateStateHttpStatus;
        else
            info.state = UpdateStateTransferFailed;
        return;
    }
    m_log.write("get updata-[%s] size[%zu] use[%dms]\n", Excerpt(reply).c_str(), reply.size(), elapsedMs());
    ParseUpdateInfo(info, reply);
}

void CurlSession::ParseUpdateInfo(ProductUpdateInfo& info, const std::string& reply)
{
    using tinyxml2::XMLElement;
    if (reply.empty())
        return;

    tinyxml2::XMLDocument doc(true, tinyxml2::PRESERVE_WHITESPACE);
    if (doc.Parse(reply.data(), reply.size()) != tinyxml2::XML_SUCCESS)
    {
        m_log.write("update reply does not parse: %s", doc.ErrorStr());
        info.state = UpdateStateBadReply;
        return;
    }
    const XMLElement* root = doc.FirstChildElement();
    if (!root)
        return;
    const XMLElement* code = root->FirstChildElement("upd:ProductCode");
    if (!code)
        return;

    const XMLElement* displayName = root->FirstChildElement("upd:ProductDisplayName");
    const XMLElement* version = root->FirstChildElement("upd:ProductVer");
    const XMLElement* downloadUrl = root->FirstChildElement("upd:DownloadURL");
    const XMLElement* whatsNew = root->FirstChildElement("upd:WhatsNew");
    const XMLElement* description = whatsNew ? whatsNew->FirstChildElement("upd:Description") : nullptr;
    // A reply that names the product but lacks what the check reports is unusable as a whole;
    // nothing of it is taken.
    if (!displayName || !version || !downloadUrl || !description)
    {
        m_log.write("update reply lacks an element it needs");
        info.state = UpdateStateBadReply;
        return;
    }
    const std::optional<std::string> whatsNewText = tidewell::update::Base64Decode(TextOf(description));
    if (!whatsNewText)
    {
        m_log.write("update reply's description is not base64");
        info.state = UpdateStateBadReply;
        return;
    }

    const std::string productCode = TextOf(code);
    info.displayName = TextOf(displayName);
    info.newVersion = TextOf(version);
    info.whatsNewText = *whatsNewText;
    m_log.write("\ncrack updata info[%s] \n ver[%s]\n", Excerpt(info.whatsNewText).c_str(),
                Excerpt(info.newVersion).c_str());

    if (productCode.empty())
    {
        info.state = UpdateStateEmptyProduct;
        return;
    }
    if (tidewell::update::CompareVersions(info.newVersion, info.currentVersion) <= 0)
    {
        info.state = UpdateStateUpToDate;
        return;
    }
    info.downloadUrl = std::string(TextOf(downloadUrl)) + "?product=" + productCode;
    info.state = info.mark ? UpdateStateNewerMarked : UpdateStateNewer;
}
