#include "SaxFileParser.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <filesystem>
#include <mutex>
#include <system_error>

namespace tidewell::ithost
{

namespace
{

struct Context
{
    SaxHandler* handler;
    xmlParserCtxtPtr parser;
};

Context& contextOf(void* context)
{
    return *static_cast<Context*>(context);
}

void stopIfAsked(Context& context)
{
    if (context.handler->stopRequested())
        xmlStopParser(context.parser);
}

void onStart(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*, int, const xmlChar**,
             int, int, const xmlChar**)
{
    contextOf(context).handler->startElement(reinterpret_cast<const char*>(localName));
    stopIfAsked(contextOf(context));
}

void onEnd(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*)
{
    contextOf(context).handler->endElement(reinterpret_cast<const char*>(localName));
    stopIfAsked(contextOf(context));
}

void onCharacters(void* context, const xmlChar* text, int length)
{
    if (length > 0)
        contextOf(context).handler->characters(reinterpret_cast<const char*>(text),
                                               static_cast<size_t>(length));
}

void onError(void* context, xmlError* error)
{
    if (context && error && error->level >= XML_ERR_ERROR)
        contextOf(context).handler->xmlError(error->message ? error->message : "XML error");
}

} // namespace

SaxResult parseXmlFile(const std::string& path, SaxHandler& handler)
{
    static std::once_flag initOnce;
    std::call_once(initOnce, [] { xmlInitParser(); });

    std::error_code ec;
    xmlParserCtxtPtr parser =
        std::filesystem::is_regular_file(path, ec) ? xmlCreateFileParserCtxt(path.c_str()) : nullptr;
    if (!parser)
        return SaxResult::Missing;
    Context context{&handler, parser};
    xmlSAXHandler sax{};
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = onStart;
    sax.endElementNs = onEnd;
    sax.characters = onCharacters;
    sax.cdataBlock = onCharacters;
    sax.serror = onError;
    *parser->sax = sax;
    parser->userData = &context;
    xmlCtxtUseOptions(parser, XML_PARSE_NONET);
    xmlParseDocument(parser);
    const bool stopped = parser->errNo == XML_ERR_USER_STOP;
    const bool wellFormed = parser->wellFormed != 0;
    if (parser->myDoc)
        xmlFreeDoc(parser->myDoc);
    parser->myDoc = nullptr;
    xmlFreeParserCtxt(parser);
    return wellFormed || stopped ? SaxResult::Parsed : SaxResult::NotWellFormed;
}

} // namespace tidewell::ithost
