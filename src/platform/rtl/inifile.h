#pragma once
// TIniFile: a settings file of "[Section]" headers and "Key=Value" lines.
// Section and key names compare without regard to letter case; lines that
// are neither (comments, blank lines) are kept as they are. Every write
// stores the whole file at once (WriteFileAtomic): a failed write leaves
// the old file and raises EFileError.
#include <QString>

#include <vector>

class TIniFile {
public:
    // Reads the file when it exists; a missing file reads as empty.
    explicit TIniFile(const QString& FileName);

    const QString& FileName() const { return fileName_; }
    QString ReadString(const QString& Section, const QString& Key, const QString& Default) const;
    void WriteString(const QString& Section, const QString& Key, const QString& Value);
    // The value read as an integer (TryStrToInt), else Default.
    int ReadInteger(const QString& Section, const QString& Key, int Default) const;
    void WriteInteger(const QString& Section, const QString& Key, int Value);
    bool ValueExists(const QString& Section, const QString& Key) const;

private:
    struct Line {
        QString Key;    // empty: a line kept verbatim in Text
        QString Text;   // the value, or the verbatim line
    };
    struct TSection {
        QString Name;
        std::vector<Line> Lines;
    };
    const Line* Find(const QString& Section, const QString& Key) const;
    void Save() const;

    QString fileName_;
    // Lines before the first section header live in a section without name.
    std::vector<TSection> sections_;
};
