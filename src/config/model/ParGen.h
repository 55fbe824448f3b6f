#pragma once
// The communication-parameters file ParGen.xml: its keys, what every reader
// takes when a key (or the whole file) is missing, reading and writing.
//
// The file is a root element (any name; written "Par_Gen") holding one
// element per key with the value as its text, followed at document level by
// the comment "SW_VERSION = 1.001". The communication-parameters dialog is
// its only writer; the dialog, the image compiler, the ESI writer and the
// editors of the other gateway models read it, each with its own defaults.
// All of them go through the one key table below, so they cannot drift apart.
#include <QHash>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/rtl/strings.h"

// The readers of ParGen.xml. Each has its own default for every key it reads.
enum class TParGen_Reader {
    Dialog,                // communication-parameters dialog, on every show
    Compiler,              // configuration-image compiler (bank1.bin, bank2.bin header)
    ESI_Writer,            // EtherCAT slave description writer
    BACnet_Client_Editor,  // BACnet client rule editor, on every show
    BACnet_Server_Editor,  // BACnet server object editor, on every show
    BACnet_EDE_Writer,     // BACnet EDE writer
    DMX_Editor,            // DMX default-value editor, on every show
    PROFINET_Writer        // PROFINET description writer
};
constexpr int ParGen_Reader_Count = 8;

struct TParGen_Key {
    const char* Name;
    // One of the 31 elements the dialog writes; the others are looked for by
    // readers of the whole gateway family but never written by this program.
    bool Written;
    // Indexed by TParGen_Reader; nullptr where that reader does not read the key.
    std::array<const char*, ParGen_Reader_Count> Defaults;

    bool Read_By(TParGen_Reader Reader) const { return Defaults[size_t(Reader)] != nullptr; }
    // Raises Exception when the reader does not read the key.
    String Default(TParGen_Reader Reader) const;
};

constexpr int ParGen_Written_Count = 31;
extern const char* const ParGen_Root_Name;        // "Par_Gen"
extern const char* const ParGen_Version_Comment;  // "SW_VERSION = 1.001"

// Every key: the 31 written ones first, in file order, then the read-only ones.
const std::vector<TParGen_Key>& ParGen_Keys();
// The key of that exact name; raises Exception for a name not in the table
// (a programming error, never a file's fault).
const TParGen_Key& ParGen_Key(const String& Name);

// The content of one ParGen.xml.
class TParGen {
public:
    enum TStatus {
        Missing,    // no file: every key takes the reader's default
        Loaded,
        Malformed   // unreadable or not well-formed: reads as Missing, Error() says why
    };

    // Reads the file; never raises. The root is the document element, so a
    // declaration, comments or a byte-order mark in front of it do no harm.
    // Of each known key the first element of that name counts; unknown
    // elements are ignored.
    static TParGen Load(const String& Path);

    TStatus Status() const { return status_; }
    // For Malformed: the message to show, naming the file; empty otherwise.
    const String& Error() const { return error_; }

    // The key's element is in the file (or was set).
    bool Has(const String& Key) const;
    // The key's text when present, else the reader's default. Raises
    // Exception for an unknown key or one the reader does not read.
    String Value(const String& Key, TParGen_Reader Reader) const;

    void SetValue(const String& Key, const String& Text);
    // A check box is stored as "1" or "0".
    void SetChecked(const String& Key, bool Checked);

    // Writes the 31 elements in file order, each with the text set or loaded
    // for it, or the dialog's default when there is none; then the version
    // comment. No declaration, UTF-8, atomic. Raises EFileError.
    void Save(const String& Path) const;

private:
    TStatus status_ = Missing;
    String error_;
    QHash<String, String> texts_;
};

// ---- values the device images and the ESI file share ----------------------------------

// The first character of a name that the device cannot hold: one byte per
// character (up to U+00FF) and nothing below U+0020, which the ESI file
// cannot hold either. -1 when there is none.
int Device_Name_Bad_Char(const String& Name);
// Checks a name the device stores (the slave name, the device name): false
// with the message naming the key, the value and the character otherwise.
// The dialog, the compiler and the ESI writer all refuse through here.
bool Check_Device_Name(const String& Key, const String& Name, String& Error);

// The slave's identity as the compiler writes it into bank2.bin and the ESI
// writer into the description: one reading, one set of refusals, so the two
// can never describe different devices.
struct TEtherCAT_Slave_Identity {
    String Name;                 // EtherCAT_Slave_Name as it stands
    uint32_t Revision_Number = 0;  // EtherCAT_Slave_Revision_Number: the integer rule, 0..4294967295
    uint16_t Node_Address = 0;     // EtherCAT_Slave_Node_Address: the integer rule, 0..65535
};
// Reads the three keys with Reader's defaults for missing ones. False, with
// a message naming the key and its value, for a number that is not one or
// does not fit, or a name Check_Device_Name refuses.
bool Read_EtherCAT_Slave_Identity(const TParGen& ParGen, TParGen_Reader Reader, TEtherCAT_Slave_Identity& Identity,
                                  String& Error);
