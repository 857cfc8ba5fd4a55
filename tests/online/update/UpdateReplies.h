#pragma once

#include <map>
#include <string>

namespace tidewell::test
{

// A reply of the update service. Fields can be replaced; a field set to "<omit>" is left out.
inline std::string UpdateReply(std::map<std::string, std::string> fields = {})
{
    std::map<std::string, std::string> values = {
        {"ProductCode", "TIDEWELL"},
        {"ProductDisplayName", "Tidewell Music Tidy"},
        {"ProductVer", "1.2.4"},
        {"ProductState", "1"},
        {"DownloadURL", "http://www.example.org/download.html"},
        {"ProductDescURL", "http://www.example.org/whatsnew.html"},
        {"CheckSUM", "0123abcd"},
        {"Format", "text"},
        // "Faster scans.\nFewer duplicates." split by CR LF like the service does.
        {"Description", "RmFzdGVyIHNjYW5zLgpG\r\nZXdlciBkdXBsaWNhdGVzLg=="},
    };
    for (auto& [key, value] : fields)
        values[key] = value;
    auto element = [&values](const std::string& name) -> std::string
    {
        const std::string& value = values[name];
        if (value == "<omit>")
            return {};
        if (value == "<empty>")
            return "<upd:" + name + "/>";
        return "<upd:" + name + ">" + value + "</upd:" + name + ">";
    };
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<upd:ProductInfo xmlns:upd=\"http://www.example.org/update\">\n" +
           element("ProductCode") + element("ProductDisplayName") + element("ProductVer") +
           element("ProductState") + element("DownloadURL") + element("ProductDescURL") +
           element("CheckSUM") +
           (values["WhatsNew"] == "<omit>"
                ? std::string()
                : "<upd:WhatsNew>" + element("Format") + element("Description") + "</upd:WhatsNew>") +
           "\n</upd:ProductInfo>\n";
}

} // namespace tidewell::test
