#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tidewell::ithost
{

// Receives the events of one streamed XML parse: elements by local name, and text as libxml2
// delivers it (possibly in several pieces per element; character references arrive as pieces).
class SaxHandler
{
public:
    virtual ~SaxHandler() = default;
    virtual void startElement(std::string_view localName) = 0;
    virtual void endElement(std::string_view localName) = 0;
    virtual void characters(const char* text, size_t length) = 0;
    // The first error libxml2 reports.
    virtual void xmlError(const std::string& message) { (void)message; }
    // True stops the parse after the current event.
    virtual bool stopRequested() const { return false; }
};

enum class SaxResult
{
    Parsed,
    Missing,
    NotWellFormed
};

// Streams the file through libxml2's SAX2 interface on the calling thread. Only elements and text
// are handled: no DTD, internal or external, and no entity is ever loaded, and nothing is fetched
// from the network. A stop requested by the handler answers Parsed; the handler knows why.
SaxResult parseXmlFile(const std::string& path, SaxHandler& handler);

} // namespace tidewell::ithost
