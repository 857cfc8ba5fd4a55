#include "PlistValue.h"

#include "SaxFileParser.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tidewell::ithost
{

namespace
{

// Builds the value tree straight from SAX events, so a large library never exists twice in memory
// (no document tree). Structural faults stop the parse with a message.
class PlistBuilder : public SaxHandler
{
public:
    PlistBuilder(PlistValue& root, const std::function<bool()>& stop) : m_root(root), m_stop(stop) {}

    // Each dictionary of the root's (first) Tracks dictionary goes to `onTrack` as it closes
    // instead of staying in the tree, and each value of the root's (first) Playlists array is
    // dropped as it closes.
    void takeTracks(const std::function<void(PlistValue&&)>* onTrack) { m_onTrack = onTrack; }

    void startElement(std::string_view name) override
    {
        using Kind = PlistValue::Kind;
        if (!m_error.empty())
            return;
        if (m_inLeaf)
            return fail("element inside a value");
        m_text.clear();
        if (name == "plist")
        {
            if (m_seenPlist || !m_stack.empty())
                fail("nested plist element");
            m_seenPlist = true;
            return;
        }
        if (!m_seenPlist)
            return fail("not a property list");
        if (name == "key")
        {
            if (m_stack.empty() || m_stack.back().value->kind() != Kind::Dict || m_stack.back().haveKey)
                return fail("misplaced key");
            m_inLeaf = true;
            m_leafIsKey = true;
            return;
        }
        static const std::pair<const char*, Kind> kinds[] = {
            {"dict", Kind::Dict},       {"array", Kind::Array}, {"string", Kind::String},
            {"integer", Kind::Integer}, {"real", Kind::Real},   {"date", Kind::Date},
            {"data", Kind::Data},       {"true", Kind::True},   {"false", Kind::False}};
        const Kind* kind = nullptr;
        for (const auto& [elementName, k] : kinds)
        {
            if (name == elementName)
                kind = &k;
        }
        if (!kind)
            return fail("unknown element " + std::string(name));
        PlistValue* value = nullptr;
        Role role = Role::Kept;
        if (m_stack.empty())
        {
            if (m_haveRoot)
                return fail("more than one top value");
            m_haveRoot = true;
            m_root = PlistValue(*kind);
            value = &m_root;
        }
        else if (Frame& parent = m_stack.back(); parent.value->kind() == Kind::Dict)
        {
            if (!parent.haveKey)
                return fail("dict entry without key");
            parent.haveKey = false;
            if (m_onTrack && m_stack.size() == 1)
                role = rootEntryRole(parent.key, *kind);
            parent.value->entries().emplace_back(std::move(parent.key), PlistValue(*kind));
            value = &parent.value->entries().back().second;
        }
        else
        {
            parent.value->items().emplace_back(*kind);
            value = &parent.value->items().back();
        }
        if (*kind == Kind::Dict || *kind == Kind::Array)
        {
            // Only the innermost container grows while it is open, so these pointers stay valid.
            m_stack.push_back(Frame{value, {}, false, role});
        }
        else
        {
            m_leaf = value;
            m_inLeaf = true;
            m_leafIsKey = false;
        }
    }

    void endElement(std::string_view name) override
    {
        if (!m_error.empty() || name == "plist")
            return;
        if (m_inLeaf)
        {
            if (m_leafIsKey)
            {
                m_stack.back().key.assign(m_text); // m_text keeps its room for the next leaf
                m_stack.back().haveKey = true;
            }
            else
            {
                m_leaf->setText(m_text);
            }
            m_text.clear();
            m_inLeaf = false;
            return;
        }
        if (m_stack.empty())
            return;
        if (m_stack.back().haveKey)
            return fail("key without value");
        // A closed container grows no more: the room its vector kept for growing goes (a library
        // of many tracks holds one dictionary a track, each a few entries short of its room).
        PlistValue& closed = *m_stack.back().value;
        closed.entries().shrink_to_fit();
        closed.items().shrink_to_fit();
        m_stack.pop_back();
        if (m_stack.empty() || m_stack.back().role == Role::Kept)
            return;
        // The value just closed is the last of its parent's.
        PlistValue& parent = *m_stack.back().value;
        if (m_stack.back().role == Role::Tracks && closed.kind() == PlistValue::Kind::Dict)
        {
            (*m_onTrack)(std::move(closed));
            parent.entries().pop_back();
        }
        else if (m_stack.back().role == Role::Playlists)
        {
            parent.items().pop_back();
        }
    }

    void characters(const char* text, size_t length) override
    {
        if (m_inLeaf)
            m_text.append(text, length);
    }

    void xmlError(const std::string& message) override { fail(message); }
    bool stopRequested() const override
    {
        if (m_error.empty() && m_stop && m_stop())
            m_error = "stopped";
        return !m_error.empty();
    }

    void fail(std::string message)
    {
        if (m_error.empty())
            m_error = std::move(message);
    }

    bool complete() const { return m_error.empty() && m_haveRoot && m_stack.empty(); }
    const std::string& error() const { return m_error; }

private:
    enum class Role
    {
        Kept,
        Tracks,   // the root's first Tracks dictionary, when its tracks are taken
        Playlists // the root's first Playlists array, then
    };

    struct Frame
    {
        PlistValue* value;
        std::string key;
        bool haveKey;
        Role role;
    };

    // What a root entry's container is while the tracks are taken (lookups answer the first entry
    // of a key, so only the first of each counts).
    Role rootEntryRole(std::string_view key, PlistValue::Kind kind)
    {
        if (key == "Tracks" && !std::exchange(m_seenTracks, true) && kind == PlistValue::Kind::Dict)
            return Role::Tracks;
        if (key == "Playlists" && !std::exchange(m_seenPlaylists, true) && kind == PlistValue::Kind::Array)
            return Role::Playlists;
        return Role::Kept;
    }

    PlistValue& m_root;
    const std::function<bool()>& m_stop;
    const std::function<void(PlistValue&&)>* m_onTrack = nullptr;
    bool m_seenTracks = false;
    bool m_seenPlaylists = false;
    std::vector<Frame> m_stack;
    PlistValue* m_leaf = nullptr;
    std::string m_text;
    mutable std::string m_error; // a stop found by stopRequested is kept as the error
    bool m_inLeaf = false;
    bool m_leafIsKey = false;
    bool m_seenPlist = false;
    bool m_haveRoot = false;
};

void escapeInto(std::string& out, std::string_view text)
{
    // Copies runs of plain text at once; only & < > are replaced (the forms iTunes writes).
    size_t from = 0;
    for (size_t i = text.find_first_of("&<>"); i != std::string::npos; i = text.find_first_of("&<>", i + 1))
    {
        out.append(text, from, i - from);
        out += text[i] == '&' ? "&#38;" : text[i] == '<' ? "&#60;" : "&#62;";
        from = i + 1;
    }
    out.append(text.substr(from));
}

const char* elementName(PlistValue::Kind kind)
{
    using Kind = PlistValue::Kind;
    switch (kind)
    {
    case Kind::Dict:
        return "dict";
    case Kind::Array:
        return "array";
    case Kind::String:
        return "string";
    case Kind::Integer:
        return "integer";
    case Kind::Real:
        return "real";
    case Kind::Date:
        return "date";
    case Kind::Data:
        return "data";
    case Kind::True:
        return "true";
    case Kind::False:
        return "false";
    }
    return "string";
}

void writeValue(std::string& out, const PlistValue& value, int indent, bool onKeyLine);

void writeContainerBody(std::string& out, const PlistValue& value, int indent)
{
    if (value.kind() == PlistValue::Kind::Dict)
    {
        for (const auto& [key, child] : value.entries())
        {
            out.append(static_cast<size_t>(indent + 1), '\t');
            out += "<key>";
            escapeInto(out, key.view());
            out += "</key>";
            const bool container =
                child.kind() == PlistValue::Kind::Dict || child.kind() == PlistValue::Kind::Array;
            if (container)
            {
                out += '\n';
                writeValue(out, child, indent + 1, false);
            }
            else
            {
                writeValue(out, child, indent + 1, true);
            }
        }
    }
    else
    {
        for (const PlistValue& child : value.items())
            writeValue(out, child, indent + 1, false);
    }
}

void writeValue(std::string& out, const PlistValue& value, int indent, bool onKeyLine)
{
    if (!onKeyLine)
        out.append(static_cast<size_t>(indent), '\t');
    const char* name = elementName(value.kind());
    switch (value.kind())
    {
    case PlistValue::Kind::Dict:
    case PlistValue::Kind::Array:
        if (value.entries().empty() && value.items().empty())
        {
            out += "<";
            out += name;
            out += "/>\n";
            return;
        }
        out += "<";
        out += name;
        out += ">\n";
        writeContainerBody(out, value, indent);
        out.append(static_cast<size_t>(indent), '\t');
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

int64_t PlistValue::toInt(Kind kind, std::string_view text, int64_t fallback)
{
    if (kind != Kind::Integer && kind != Kind::String)
        return fallback;
    const std::string terminated(text); // strtoll reads up to a terminator
    const char* begin = terminated.c_str();
    char* end = nullptr;
    const long long value = std::strtoll(begin, &end, 10);
    return end == begin ? fallback : static_cast<int64_t>(value);
}

struct PlistValue::Children
{
    std::vector<std::pair<PlistText, PlistValue>> entries;
    std::vector<PlistValue> items;
};

PlistValue::PlistValue() = default;

PlistValue::PlistValue(Kind kind, std::string_view text) : m_text(text), m_kind(kind) {}

PlistValue::PlistValue(const PlistValue& other)
    : m_text(other.m_text),
      m_children(other.m_children ? std::make_unique<Children>(*other.m_children) : nullptr),
      m_kind(other.m_kind)
{
}

PlistValue& PlistValue::operator=(const PlistValue& other)
{
    if (this != &other)
        *this = PlistValue(other);
    return *this;
}

PlistValue::PlistValue(PlistValue&&) noexcept = default;
PlistValue& PlistValue::operator=(PlistValue&&) noexcept = default;
PlistValue::~PlistValue() = default;

PlistValue::Children& PlistValue::children()
{
    if (!m_children)
        m_children = std::make_unique<Children>();
    return *m_children;
}

std::vector<std::pair<PlistText, PlistValue>>& PlistValue::entries()
{
    return children().entries;
}

const std::vector<std::pair<PlistText, PlistValue>>& PlistValue::entries() const
{
    static const std::vector<std::pair<PlistText, PlistValue>> none;
    return m_children ? m_children->entries : none;
}

std::vector<PlistValue>& PlistValue::items()
{
    return children().items;
}

const std::vector<PlistValue>& PlistValue::items() const
{
    static const std::vector<PlistValue> none;
    return m_children ? m_children->items : none;
}

PlistValue* PlistValue::find(std::string_view key)
{
    if (!m_children)
        return nullptr;
    for (auto& [name, value] : m_children->entries)
    {
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
        entries().emplace_back(PlistText(key), std::move(value));
}

bool PlistValue::remove(std::string_view key)
{
    if (!m_children)
        return false;
    auto& all = m_children->entries;
    for (auto it = all.begin(); it != all.end(); ++it)
    {
        if (it->first == key)
        {
            all.erase(it);
            return true;
        }
    }
    return false;
}

namespace
{
bool readInto(const std::string& path, PlistValue& root, std::string* error,
              const std::function<bool()>& stop, const std::function<void(PlistValue&&)>* onTrack)
{
    PlistValue value;
    PlistBuilder builder(value, stop);
    builder.takeTracks(onTrack);
    const SaxResult parsed = parseXmlFile(path, builder);
    if (parsed == SaxResult::Missing)
    {
        if (error)
            *error = "no such file";
        return false;
    }
    const bool wellFormed = parsed == SaxResult::Parsed;
    const bool ok = wellFormed && builder.complete();
    if (ok)
        root = std::move(value);
    else if (error)
        *error = builder.error().empty() ? (wellFormed ? "not a property list" : "not well-formed XML")
                                         : builder.error();
    return ok;
}
} // namespace

bool readPlistFile(const std::string& path, PlistValue& root, std::string* error,
                   const std::function<bool()>& stop)
{
    return readInto(path, root, error, stop, nullptr);
}

bool readLibraryTracks(const std::string& path, PlistValue& root,
                       const std::function<void(PlistValue&&)>& onTrack, std::string* error,
                       const std::function<bool()>& stop)
{
    return readInto(path, root, error, stop, &onTrack);
}

std::string writePlist(const PlistValue& root, size_t sizeHint)
{
    std::string out;
    out.reserve(std::max<size_t>(sizeHint + sizeHint / 16, 1 << 16));
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n";
    writeValue(out, root, 0, false);
    out += "</plist>\n";
    return out;
}

} // namespace tidewell::ithost
