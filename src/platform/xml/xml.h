#pragma once
// A small XML document object model for the program's own files (settings,
// rule tables, communication parameters). Namespaces are not interpreted: a
// name such as "a:b" is just a name.
//
// Texts cross as String; every text and attribute value is kept verbatim,
// never trimmed or whitespace-normalised. Files are written as UTF-8 without
// byte-order mark, declaration, indentation or line breaks.
//
// XML 1.0 cannot hold control characters below U+0020 other than tab, LF and
// CR (nor U+FFFE/U+FFFF). Rather than write a file that no parser accepts, or
// drop the character silently, the setters raise EConvertError naming the
// element, and saving raises too (EFileError for a file, EConvertError for a
// string) when such a character reached the tree another way (a character
// reference in a loaded file). Malformed names and comments holding "--" are
// refused the same way.
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "platform/rtl/strings.h"

namespace pugi {
class xml_document;
struct xml_node_struct;
}  // namespace pugi

class XmlDocument;

// A cheap handle to a node of an XmlDocument; it may be null. Handles are
// valid while their document lives and the node is in it. Reading a null
// handle gives null nodes and empty texts; changing one raises Exception.
class XmlNode {
public:
    XmlNode() = default;

    bool IsNull() const { return node_ == nullptr; }
    explicit operator bool() const { return node_ != nullptr; }
    bool operator==(const XmlNode&) const = default;

    // Element name; "#text", "#cdata-section", "#comment" for those nodes.
    String NodeName() const;
    bool IsElement() const;
    bool IsComment() const;
    bool IsText() const;  // character data (plain text or CDATA section)

    // Of an element: its text content (all descendant text, in document
    // order); of a text or comment node: its value.
    String Text() const;
    // Replaces the children of an element by one text node (none for "").
    void SetText(const String& value);

    XmlNode FirstChild() const;  // first child node of any kind
    XmlNode FirstChildElement() const;
    XmlNode NextSibling() const;
    XmlNode NextSiblingElement() const;
    // Parent element; null for the document element and for a null node.
    XmlNode Parent() const;
    // First child element with exactly this name, null when none.
    XmlNode ChildNode(const String& name) const;
    std::vector<XmlNode> ChildElements() const;
    std::vector<XmlNode> ChildElements(const String& name) const;

    bool HasAttribute(const String& name) const;
    String Attribute(const String& name, const String& defaultValue = String()) const;
    // Adds the attribute or replaces its value; attributes keep the order in
    // which they were first set.
    void SetAttribute(const String& name, const String& value);
    QStringList AttributeNames() const;

    // Appends a child element / text / comment and returns it.
    XmlNode AddChild(const String& name);
    XmlNode AddText(const String& value);
    XmlNode AddComment(const String& text);
    void RemoveAllChildren();

private:
    friend class XmlDocument;
    explicit XmlNode(pugi::xml_node_struct* node) : node_(node) {}
    pugi::xml_node_struct* node_ = nullptr;
};

class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument&&) noexcept;
    XmlDocument& operator=(XmlDocument&&) noexcept;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Replace the content. False (with a message in `error`, and an empty
    // document) when the file is missing or unreadable or the text is not
    // well-formed. A byte-order mark, declaration, comments and blanks around
    // the document element are accepted; a file without a mark that is not
    // valid UTF-8 is read as Windows-1252.
    bool LoadFromFile(const String& path, String* error = nullptr);
    bool LoadFromString(const String& text, String* error = nullptr);

    // The root element, skipping declaration and comments; null when none.
    XmlNode DocumentElement() const;
    // First node of the document of any kind (a comment, say); null when empty.
    XmlNode FirstNode() const;
    void Clear();
    // Appends the document element (replacing an existing one) and returns it.
    XmlNode CreateRoot(const String& name);
    // Appends a comment at document level; document-level nodes keep the
    // order in which they were added.
    XmlNode AddComment(const String& text);

    // Writes the document atomically (temporary file renamed over the
    // target); raises EFileError naming the path when it cannot, leaving an
    // existing file unchanged.
    void SaveToFile(const String& path) const;
    String SaveToString() const;

private:
    QByteArray serialize() const;
    std::unique_ptr<pugi::xml_document> doc_;
};
