#include "PlistValue.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace tidewell::ithost {

namespace {

struct DocDeleter
{
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

bool named(const xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

std::string contentOf(const xmlNode* node)
{
    std::string out;
    for (const xmlNode* child = node->children; child; child = child->next) {
        if ((child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) && child->content)
            out += reinterpret_cast<const char*>(child->content);
    }
    return out;
}

const xmlNode* nextElement(const xmlNode* node)
{
    while (node && node->type != XML_ELEMENT_NODE)
        node = node->next;
    return node;
}

bool convert(const xmlNode* node, PlistValue& out, std::string& error, int depth)
{
    using Kind = PlistValue::Kind;
    if (depth > 256) {
        error = "nesting too deep";
        return false;
    }
    if (named(node, "dict")) {
        out = PlistValue(Kind::Dict);
        for (const xmlNode* child = nextElement(node->children); child; child = nextElement(child->next)) {
            if (!named(child, "key")) {
                error = "dict entry without key";
                return false;
            }
            const xmlNode* valueNode = nextElement(child->next);
            if (!valueNode) {
                error = "key without value";
                return false;
            }
            PlistValue value;
            if (!convert(valueNode, value, error, depth + 1))
                return false;
            out.entries().emplace_back(contentOf(child), std::move(value));
            child = valueNode;
        }
        return true;
    }
    if (named(node, "array")) {
        out = PlistValue(Kind::Array);
        for (const xmlNode* child = nextElement(node->children); child; child = nextElement(child->next)) {
            PlistValue value;
            if (!convert(child, value, error, depth + 1))
                return false;
            out.items().push_back(std::move(value));
        }
        return true;
    }
    static const std::pair<const char*, Kind> scalars[] = {
        {"string", Kind::String}, {"integer", Kind::Integer}, {"real", Kind::Real}, {"date", Kind::Date},
        {"data", Kind::Data},     {"true", Kind::True},       {"false", Kind::False}};
    for (const auto& [name, kind] : scalars) {
        if (named(node, name)) {
            out = PlistValue(kind, contentOf(node));
            return true;
        }
    }
    error = std::string("unknown element ") + reinterpret_cast<const char*>(node->name);
    return false;
}

void escapeInto(std::string& out, const std::string& text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&#38;"; break;
        case '<': out += "&#60;"; break;
        case '>': out += "&#62;"; break;
        default: out += c;
        }
    }
}

const char* elementName(PlistValue::Kind kind)
{
    using Kind = PlistValue::Kind;
    switch (kind) {
    case Kind::Dict: return "dict";
    case Kind::Array: return "array";
    case Kind::String: return "string";
    case Kind::Integer: return "integer";
    case Kind::Real: return "real";
    case Kind::Date: return "date";
    case Kind::Data: return "data";
    case Kind::True: return "true";
    case Kind::False: return "false";
    }
    return "string";
}

void writeValue(std::string& out, const PlistValue& value, int indent, bool onKeyLine);

void writeContainerBody(std::string& out, const PlistValue& value, int indent)
{
    const std::string tabs(static_cast<size_t>(indent + 1), '\t');
    if (value.kind() == PlistValue::Kind::Dict) {
        for (const auto& [key, child] : value.entries()) {
            out += tabs;
            out += "<key>";
            escapeInto(out, key);
            out += "</key>";
            const bool container = child.kind() == PlistValue::Kind::Dict || child.kind() == PlistValue::Kind::Array;
            if (container) {
                out += '\n';
                writeValue(out, child, indent + 1, false);
            } else {
                writeValue(out, child, indent + 1, true);
            }
        }
    } else {
        for (const PlistValue& child : value.items())
            writeValue(out, child, indent + 1, false);
    }
}

void writeValue(std::string& out, const PlistValue& value, int indent, bool onKeyLine)
{
    const std::string tabs(static_cast<size_t>(indent), '\t');
    if (!onKeyLine)
        out += tabs;
    const char* name = elementName(value.kind());
    switch (value.kind()) {
    case PlistValue::Kind::Dict:
    case PlistValue::Kind::Array:
        if (value.entries().empty() && value.items().empty()) {
            out += "<";
            out += name;
            out += "/>\n";
            return;
        }
        out += "<";
        out += name;
        out += ">\n";
        writeContainerBody(out, value, indent);
        out += tabs;
        out += "</";
        out += name;
        out += ">\n";
        return;
    case PlistValue::Kind::True:
    case PlistValue::Kind::False:
        out += "<";
        out += name;
        out += "/>\n";
        return;
    default:
        out += "<";
        out += name;
        out += ">";
        escapeInto(out, value.text());
        out += "</";
        out += name;
        out += ">\n";
        return;
    }
}

} // namespace

int64_t PlistValue::toInt(int64_t fallback) const
{
    if (m_kind != Kind::Integer && m_kind != Kind::String)
        return fallback;
    const char* begin = m_text.c_str();
    char* end = nullptr;
    const long long value = std::strtoll(begin, &end, 10);
    return end == begin ? fallback : static_cast<int64_t>(value);
}

PlistValue* PlistValue::find(std::string_view key)
{
    for (auto& [name, value] : m_entries) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

const PlistValue* PlistValue::find(std::string_view key) const
{
    return const_cast<PlistValue*>(this)->find(key);
}

void PlistValue::set(std::string_view key, PlistValue value)
{
    if (PlistValue* existing = find(key))
        *existing = std::move(value);
    else
        m_entries.emplace_back(std::string(key), std::move(value));
}

bool PlistValue::remove(std::string_view key)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->first == key) {
            m_entries.erase(it);
            return true;
        }
    }
    return false;
}

bool readPlistFile(const std::string& path, PlistValue& root, std::string* error)
{
    std::string why;
    // XML_PARSE_NONET: never fetch anything; no DTD loading and no entity substitution are asked for.
    std::unique_ptr<xmlDoc, DocDeleter> doc(
        xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    const xmlNode* top = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    bool ok = false;
    if (!doc) {
        why = "not a readable XML file";
    } else if (!top || !named(top, "plist")) {
        why = "not a property list";
    } else if (const xmlNode* first = nextElement(top->children); !first) {
        why = "empty property list";
    } else {
        PlistValue value;
        ok = convert(first, value, why, 0);
        if (ok)
            root = std::move(value);
    }
    if (!ok && error)
        *error = why;
    return ok;
}

std::string writePlist(const PlistValue& root)
{
    std::string out;
    out.reserve(1 << 16);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n";
    writeValue(out, root, 0, false);
    out += "</plist>\n";
    return out;
}

} // namespace tidewell::ithost
