#include "platform/xml/xml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/rtl/codec.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"

namespace {

// Comments are kept so that a load/save round trip keeps them; an element
// holding only blanks keeps them as its text.
// References are replaced by resolveReferences, not by the parser, which
// would end a value at a reference to U+0000.
constexpr unsigned kParseFlags =
    (pugi::parse_default & ~pugi::parse_escapes) | pugi::parse_comments | pugi::parse_ws_pcdata_single;
constexpr unsigned kFormatFlags = pugi::format_raw | pugi::format_no_declaration;

String fromUtf8(const char* s)
{
    return String::fromUtf8(s);
}

// Where a refused value sits, for messages: element "Root/Section/row".
String elementPath(pugi::xml_node node)
{
    String path;
    for (; node && node.type() != pugi::node_document; node = node.parent()) {
        if (node.type() != pugi::node_element)
            continue;
        path = path.isEmpty() ? fromUtf8(node.name()) : fromUtf8(node.name()) + u'/' + path;
    }
    return path.isEmpty() ? QStringLiteral("the document") : QStringLiteral("element \"%1\"").arg(path);
}

// Code point of the first character that XML 1.0 cannot carry, -1 when none.
// Scans `size` bytes of UTF-8, so an embedded NUL counts as well.
int forbiddenChar(const char* s, size_t size)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    for (size_t i = 0; i < size; ++i) {
        if (p[i] < 0x20 && p[i] != '\t' && p[i] != '\n' && p[i] != '\r')
            return p[i];
        if (p[i] == 0xEF && i + 2 < size && p[i + 1] == 0xBF && (p[i + 2] == 0xBE || p[i + 2] == 0xBF))
            return p[i + 2] == 0xBE ? 0xFFFE : 0xFFFF;
    }
    return -1;
}

void refuseForbidden(const QByteArray& value, pugi::xml_node where, const String& what)
{
    const int c = forbiddenChar(value.constData(), size_t(value.size()));
    if (c >= 0)
        throw EConvertError(QStringLiteral("Character U+%1 cannot be stored in XML: %2 of %3")
                                .arg(String::number(c, 16).toUpper().rightJustified(4, u'0'), what,
                                     elementPath(where)));
}

// XML names: a letter, "_" or ":" first, then also digits, "-" and ".";
// every non-ASCII character is let through.
bool isValidName(const QByteArray& name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool start = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
        const bool more = (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!start && (i == 0 || !more))
            return false;
    }
    return true;
}

QByteArray checkedName(const String& name, pugi::xml_node where)
{
    QByteArray utf8 = name.toUtf8();
    if (!isValidName(utf8))
        throw EConvertError(QStringLiteral("\"%1\" is not a valid XML name (in %2)")
                                .arg(name, elementPath(where)));
    return utf8;
}

// A comment may not hold "--" nor end with "-".
QByteArray checkedComment(const String& text, pugi::xml_node where)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.contains("--") || utf8.endsWith('-'))
        throw EConvertError(QStringLiteral("Comment \"%1\" cannot be stored in XML (in %2)")
                                .arg(text, elementPath(where)));
    refuseForbidden(utf8, where, QStringLiteral("comment"));
    return utf8;
}

// The node after N in document order within Top (pre-order), descending
// into children only when Descend; null at the end. Every walk over a tree
// goes through here rather than recursing, so the depth of a file read from
// disk never reaches the call stack.
pugi::xml_node nextInTree(pugi::xml_node n, pugi::xml_node top, bool descend)
{
    if (descend && n.first_child())
        return n.first_child();
    while (n && n != top) {
        if (n.next_sibling())
            return n.next_sibling();
        n = n.parent();
    }
    return pugi::xml_node();
}

// Before saving: every value in the tree must be representable.
void checkTree(pugi::xml_node top)
{
    for (pugi::xml_node child = top.first_child(); child;
         child = nextInTree(child, top, child.type() == pugi::node_element)) {
        switch (child.type()) {
        case pugi::node_element:
            for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute())
                if (forbiddenChar(a.value(), std::strlen(a.value())) >= 0)  // the message only when needed
                    refuseForbidden(QByteArray(a.value()), child,
                                    QStringLiteral("attribute \"%1\"").arg(fromUtf8(a.name())));
            break;
        case pugi::node_pcdata:
        case pugi::node_cdata:
            refuseForbidden(QByteArray(child.value()), child.parent(), QStringLiteral("text"));
            break;
        case pugi::node_comment:
            checkedComment(fromUtf8(child.value()), child.parent());
            break;
        default:
            break;
        }
    }
}

void collectText(pugi::xml_node top, std::string& out)
{
    for (pugi::xml_node child = top.first_child(); child;
         child = nextInTree(child, top, child.type() == pugi::node_element))
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += child.value();
}

// Removes every child of N, deepest first: pugixml frees a subtree
// recursively, so each node is taken away only once it is a leaf.
void removeChildren(pugi::xml_node n)
{
    pugi::xml_node cur = n;
    for (;;) {
        while (cur.first_child())
            cur = cur.first_child();
        if (cur == n)
            return;
        pugi::xml_node parent = cur.parent();
        parent.remove_child(cur);
        cur = parent;
    }
}

// ---- characters a document may hold ------------------------------------------------

// XML 1.0's Char production.
bool isXmlChar(uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// A character that XML does not allow, written into the text itself (the
// bytes before parsing): its code point and byte offset, or false.
bool rawForbidden(const QByteArray& utf8, uint32_t& code, qsizetype& offset)
{
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.constData());
    const qsizetype n = utf8.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] < 0x20 && p[i] != '\t' && p[i] != '\n' && p[i] != '\r') {
            code = p[i];
            offset = i;
            return true;
        }
        if (p[i] == 0xEF && i + 2 < n && p[i + 1] == 0xBF && (p[i + 2] == 0xBE || p[i + 2] == 0xBF)) {
            code = p[i + 2] == 0xBE ? 0xFFFE : 0xFFFF;
            offset = i;
            return true;
        }
    }
    return false;
}

// Replaces the entity and character references of a value as the reader
// keeps them (parsed without escapes, so that a reference to U+0000 cannot
// end the value early). The five predefined entities and "&#N;" / "&#xN;"
// are replaced, anything else after "&" stays as written. False, with the
// code point, for a reference to a character XML does not allow.
bool decodeReferences(const char* s, std::string& out, uint32_t& bad)
{
    out.clear();
    for (const char* p = s; *p;) {
        if (*p != '&') {
            out += *p++;
            continue;
        }
        static const struct {
            const char* Name;
            char Ch;
        } named[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&apos;", '\''}, {"&quot;", '"'}};
        bool done = false;
        for (const auto& e : named) {
            const size_t len = std::strlen(e.Name);
            if (std::strncmp(p, e.Name, len) == 0) {
                out += e.Ch;
                p += len;
                done = true;
                break;
            }
        }
        if (done)
            continue;
        if (p[1] == '#') {
            const bool hex = p[2] == 'x';
            const char* q = p + (hex ? 3 : 2);
            uint64_t v = 0;
            int digits = 0;
            for (;; ++q, ++digits) {
                int d;
                if (*q >= '0' && *q <= '9')
                    d = *q - '0';
                else if (hex && *q >= 'a' && *q <= 'f')
                    d = *q - 'a' + 10;
                else if (hex && *q >= 'A' && *q <= 'F')
                    d = *q - 'A' + 10;
                else
                    break;
                v = std::min<uint64_t>(v * (hex ? 16 : 10) + uint64_t(d), 0x110000);
            }
            if (digits > 0 && *q == ';') {
                if (!isXmlChar(uint32_t(v))) {
                    bad = uint32_t(v);
                    return false;
                }
                appendUtf8(out, uint32_t(v));
                p = q + 1;
                continue;
            }
        }
        out += *p++;
    }
    return true;
}

// After parsing: the references of every text and attribute value replaced,
// refusing what XML does not allow. Empty when all is well, else the reason.
String resolveReferences(pugi::xml_document& doc)
{
    std::string decoded;
    uint32_t bad = 0;
    auto refused = [&](pugi::xml_node where) {
        return QStringLiteral("a reference to character U+%1 that XML does not allow (in %2)")
            .arg(String::number(bad, 16).toUpper().rightJustified(4, u'0'), elementPath(where));
    };
    for (pugi::xml_node n = doc.first_child(); n; n = nextInTree(n, doc, n.type() == pugi::node_element)) {
        if (n.type() == pugi::node_element) {
            for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
                if (!std::strchr(a.value(), '&'))
                    continue;
                if (!decodeReferences(a.value(), decoded, bad))
                    return refused(n);
                a.set_value(decoded.c_str());
            }
        } else if (n.type() == pugi::node_pcdata && std::strchr(n.value(), '&')) {
            if (!decodeReferences(n.value(), decoded, bad))
                return refused(n.parent());
            n.set_value(decoded.c_str());
        }
    }
    return String();
}

// pugixml writes CR and LF of text content as they are: the file would then
// hold line breaks, and a reader turns CR LF into LF. Character references
// keep both verbatim. Markup is copied unchanged: attribute values already
// have their line breaks escaped, and comments and CDATA sections cannot
// hold references.
QByteArray escapeTextLineBreaks(const std::string& s)
{
    QByteArray out;
    out.reserve(qsizetype(s.size()));
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '<') {
            const char* end = s.compare(i, 4, "<!--") == 0          ? "-->"
                              : s.compare(i, 9, "<![CDATA[") == 0 ? "]]>"
                                                                   : ">";
            size_t j = s.find(end, i + 1);
            j = j == std::string::npos ? s.size() : j + std::strlen(end);
            out.append(s.data() + i, qsizetype(j - i));
            i = j;
            continue;
        }
        if (c == '\n')
            out.append("&#10;");
        else if (c == '\r')
            out.append("&#13;");
        else
            out.append(c);
        ++i;
    }
    return out;
}

struct StringWriter : pugi::xml_writer {
    std::string data;
    void write(const void* bytes, size_t size) override { data.append(static_cast<const char*>(bytes), size); }
};

}  // namespace

// ---- XmlNode -------------------------------------------------------------------

namespace {

pugi::xml_node handle(pugi::xml_node_struct* node)
{
    return pugi::xml_node(node);
}

// The element a change applies to; anything else is a programming error.
pugi::xml_node changeable(pugi::xml_node_struct* node, const char* operation)
{
    pugi::xml_node n(node);
    if (n.type() != pugi::node_element)
        throw Exception(QStringLiteral("XmlNode::%1 needs an element node").arg(QLatin1String(operation)));
    return n;
}

}  // namespace

String XmlNode::NodeName() const
{
    switch (handle(node_).type()) {
    case pugi::node_element:
        return fromUtf8(handle(node_).name());
    case pugi::node_pcdata:
        return QStringLiteral("#text");
    case pugi::node_cdata:
        return QStringLiteral("#cdata-section");
    case pugi::node_comment:
        return QStringLiteral("#comment");
    default:
        return String();
    }
}

bool XmlNode::IsElement() const
{
    return handle(node_).type() == pugi::node_element;
}

bool XmlNode::IsComment() const
{
    return handle(node_).type() == pugi::node_comment;
}

bool XmlNode::IsText() const
{
    const auto type = handle(node_).type();
    return type == pugi::node_pcdata || type == pugi::node_cdata;
}

String XmlNode::Text() const
{
    const pugi::xml_node n = handle(node_);
    if (n.type() != pugi::node_element)
        return fromUtf8(n.value());
    std::string text;
    collectText(n, text);
    return String::fromStdString(text);
}

void XmlNode::SetText(const String& value)
{
    pugi::xml_node n = changeable(node_, "SetText");
    const QByteArray utf8 = value.toUtf8();
    refuseForbidden(utf8, n, QStringLiteral("text"));
    removeChildren(n);
    if (!utf8.isEmpty())
        n.append_child(pugi::node_pcdata).set_value(utf8.constData());
}

XmlNode XmlNode::FirstChild() const
{
    return XmlNode(handle(node_).first_child().internal_object());
}

XmlNode XmlNode::FirstChildElement() const
{
    pugi::xml_node c = handle(node_).first_child();
    while (c && c.type() != pugi::node_element)
        c = c.next_sibling();
    return XmlNode(c.internal_object());
}

XmlNode XmlNode::NextSibling() const
{
    return XmlNode(handle(node_).next_sibling().internal_object());
}

XmlNode XmlNode::NextSiblingElement() const
{
    pugi::xml_node c = handle(node_).next_sibling();
    while (c && c.type() != pugi::node_element)
        c = c.next_sibling();
    return XmlNode(c.internal_object());
}

XmlNode XmlNode::Parent() const
{
    const pugi::xml_node p = handle(node_).parent();
    return p.type() == pugi::node_element ? XmlNode(p.internal_object()) : XmlNode();
}

XmlNode XmlNode::ChildNode(const String& name) const
{
    return XmlNode(handle(node_).child(name.toUtf8().constData()).internal_object());
}

std::vector<XmlNode> XmlNode::ChildElements() const
{
    std::vector<XmlNode> result;
    for (pugi::xml_node c : handle(node_).children())
        if (c.type() == pugi::node_element)
            result.push_back(XmlNode(c.internal_object()));
    return result;
}

std::vector<XmlNode> XmlNode::ChildElements(const String& name) const
{
    std::vector<XmlNode> result;
    const QByteArray utf8 = name.toUtf8();
    for (pugi::xml_node c : handle(node_).children(utf8.constData()))
        result.push_back(XmlNode(c.internal_object()));
    return result;
}

bool XmlNode::HasAttribute(const String& name) const
{
    return bool(handle(node_).attribute(name.toUtf8().constData()));
}

String XmlNode::Attribute(const String& name, const String& defaultValue) const
{
    const pugi::xml_attribute a = handle(node_).attribute(name.toUtf8().constData());
    return a ? fromUtf8(a.value()) : defaultValue;
}

void XmlNode::SetAttribute(const String& name, const String& value)
{
    pugi::xml_node n = changeable(node_, "SetAttribute");
    const QByteArray key = checkedName(name, n);
    const QByteArray utf8 = value.toUtf8();
    refuseForbidden(utf8, n, QStringLiteral("attribute \"%1\"").arg(name));
    pugi::xml_attribute a = n.attribute(key.constData());
    if (!a)
        a = n.append_attribute(key.constData());
    a.set_value(utf8.constData());
}

QStringList XmlNode::AttributeNames() const
{
    QStringList names;
    for (pugi::xml_attribute a : handle(node_).attributes())
        names.append(fromUtf8(a.name()));
    return names;
}

XmlNode XmlNode::AddChild(const String& name)
{
    pugi::xml_node n = changeable(node_, "AddChild");
    return XmlNode(n.append_child(checkedName(name, n).constData()).internal_object());
}

XmlNode XmlNode::AddText(const String& value)
{
    pugi::xml_node n = changeable(node_, "AddText");
    const QByteArray utf8 = value.toUtf8();
    refuseForbidden(utf8, n, QStringLiteral("text"));
    pugi::xml_node t = n.append_child(pugi::node_pcdata);
    t.set_value(utf8.constData());
    return XmlNode(t.internal_object());
}

XmlNode XmlNode::AddComment(const String& text)
{
    pugi::xml_node n = changeable(node_, "AddComment");
    const QByteArray utf8 = checkedComment(text, n);
    pugi::xml_node c = n.append_child(pugi::node_comment);
    c.set_value(utf8.constData());
    return XmlNode(c.internal_object());
}

void XmlNode::RemoveAllChildren()
{
    removeChildren(changeable(node_, "RemoveAllChildren"));
}

// ---- XmlDocument ----------------------------------------------------------------

XmlDocument::XmlDocument() : doc_(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;
XmlDocument& XmlDocument::operator=(XmlDocument&&) noexcept = default;

namespace {

// A document holding a character XML does not allow, written as such or as
// a reference, is not well-formed either.
bool parse(pugi::xml_document& doc, const QByteArray& utf8, const String& source, String* error)
{
    auto fail = [&](const String& what, qsizetype offset) {
        doc.reset();
        if (error) {
            const qsizetype at = std::clamp<qsizetype>(offset, 0, utf8.size());
            *error = QStringLiteral("%1: %2 (line %3)").arg(source, what).arg(utf8.left(at).count('\n') + 1);
        }
        return false;
    };
    uint32_t code;
    qsizetype offset;
    if (rawForbidden(utf8, code, offset))
        return fail(QStringLiteral("character U+%1 that XML does not allow")
                        .arg(String::number(code, 16).toUpper().rightJustified(4, u'0')),
                    offset);
    const pugi::xml_parse_result result =
        doc.load_buffer(utf8.constData(), size_t(utf8.size()), kParseFlags, pugi::encoding_utf8);
    if (!result)
        return fail(QLatin1String(result.description()), result.offset);
    if (const String why = resolveReferences(doc); !why.isEmpty()) {
        doc.reset();
        if (error)
            *error = QStringLiteral("%1: %2").arg(source, why);
        return false;
    }
    return true;
}

}  // namespace

bool XmlDocument::LoadFromFile(const String& path, String* error)
{
    doc_->reset();
    QByteArray bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const EFileError& e) {
        if (error)
            *error = e.Message();
        return false;
    }
    // DecodeText honours a byte-order mark (UTF-8 or UTF-16) and falls back to
    // Windows-1252 for bytes that are not valid UTF-8.
    return parse(*doc_, DecodeText(bytes).toUtf8(), path, error);
}

bool XmlDocument::LoadFromString(const String& text, String* error)
{
    doc_->reset();
    return parse(*doc_, text.toUtf8(), QStringLiteral("XML text"), error);
}

XmlNode XmlDocument::DocumentElement() const
{
    return XmlNode(doc_->document_element().internal_object());
}

XmlNode XmlDocument::FirstNode() const
{
    return XmlNode(doc_->first_child().internal_object());
}

void XmlDocument::Clear()
{
    doc_->reset();
}

XmlNode XmlDocument::CreateRoot(const String& name)
{
    const QByteArray utf8 = checkedName(name, pugi::xml_node());
    if (pugi::xml_node old = doc_->document_element()) {
        removeChildren(old);
        doc_->remove_child(old);
    }
    return XmlNode(doc_->append_child(utf8.constData()).internal_object());
}

XmlNode XmlDocument::AddComment(const String& text)
{
    const QByteArray utf8 = checkedComment(text, pugi::xml_node());
    pugi::xml_node c = doc_->append_child(pugi::node_comment);
    c.set_value(utf8.constData());
    return XmlNode(c.internal_object());
}

QByteArray XmlDocument::serialize() const
{
    checkTree(*doc_);
    StringWriter writer;
    doc_->save(writer, "", kFormatFlags, pugi::encoding_utf8);
    return escapeTextLineBreaks(writer.data);
}

void XmlDocument::SaveToFile(const String& path) const
{
    QByteArray bytes;
    try {
        bytes = serialize();
    } catch (const EConvertError& e) {
        throw EFileError(QStringLiteral("Cannot save \"%1\": %2").arg(path, e.Message()));
    }
    WriteFileAtomic(path, bytes);
}

String XmlDocument::SaveToString() const
{
    return String::fromUtf8(serialize());
}
