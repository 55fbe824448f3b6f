#include "platform/rtl/inifile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"
#include "platform/rtl/strings.h"

namespace {

bool SameName(const QString& A, const QString& B) { return A.compare(B, Qt::CaseInsensitive) == 0; }

}  // namespace

TIniFile::TIniFile(const QString& FileName) : fileName_(FileName)
{
    sections_.push_back({QString(), {}});
    if (FileName.isEmpty() || !QFileInfo(FileName).isFile())
        return;
    const QString text = ReadTextFile(FileName);
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString t = raw.trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']') && t.size() >= 2) {
            sections_.push_back({t.mid(1, t.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = raw.indexOf(u'=');
        if (!t.startsWith(u';') && eq > 0 && !raw.left(eq).trimmed().isEmpty())
            sections_.back().Lines.push_back({raw.left(eq).trimmed(), raw.mid(eq + 1).trimmed()});
        else if (!t.isEmpty())
            sections_.back().Lines.push_back({QString(), raw});
    }
}

const TIniFile::Line* TIniFile::Find(const QString& Section, const QString& Key) const
{
    for (const auto& s : sections_) {
        if (s.Name.isEmpty() || !SameName(s.Name, Section))
            continue;
        for (const Line& l : s.Lines)
            if (!l.Key.isEmpty() && SameName(l.Key, Key))
                return &l;
    }
    return nullptr;
}

bool TIniFile::ValueExists(const QString& Section, const QString& Key) const { return Find(Section, Key) != nullptr; }

QString TIniFile::ReadString(const QString& Section, const QString& Key, const QString& Default) const
{
    const Line* l = Find(Section, Key);
    return l ? l->Text : Default;
}

int TIniFile::ReadInteger(const QString& Section, const QString& Key, int Default) const
{
    const Line* l = Find(Section, Key);
    int v = 0;
    return l && TryStrToInt(l->Text, v) ? v : Default;
}

void TIniFile::WriteInteger(const QString& Section, const QString& Key, int Value)
{
    WriteString(Section, Key, QString::number(Value));
}

void TIniFile::WriteString(const QString& Section, const QString& Key, const QString& Value)
{
    if (fileName_.isEmpty())
        throw EFileError(QStringLiteral("No file name to write settings to"));
    if (Section.isEmpty() || Key.isEmpty() || Key.contains(u'=') || Section.contains(u']') ||
        Value.contains(u'\n') || Value.contains(u'\r') || Key.contains(u'\n') || Section.contains(u'\n'))
        throw Exception(QStringLiteral("Invalid settings entry [%1] %2").arg(Section, Key));
    const std::vector<TSection> before = sections_;
    auto sec = std::find_if(sections_.begin(), sections_.end(),
                            [&](const TSection& S) { return !S.Name.isEmpty() && SameName(S.Name, Section); });
    if (sec == sections_.end()) {
        sections_.push_back({Section, {}});
        sec = sections_.end() - 1;
    }
    auto line = std::find_if(sec->Lines.begin(), sec->Lines.end(),
                             [&](const Line& L) { return !L.Key.isEmpty() && SameName(L.Key, Key); });
    if (line == sec->Lines.end())
        sec->Lines.push_back({Key, Value});
    else
        line->Text = Value;
    try {
        Save();
    } catch (...) {
        sections_ = before;
        throw;
    }
}

void TIniFile::Save() const
{
    QString out;
    for (const TSection& s : sections_) {
        if (!s.Name.isEmpty())
            out += u'[' + s.Name + QStringLiteral("]\r\n");
        for (const Line& l : s.Lines)
            out += (l.Key.isEmpty() ? l.Text : l.Key + u'=' + l.Text) + QStringLiteral("\r\n");
    }
    WriteTextFile(fileName_, out);
}
