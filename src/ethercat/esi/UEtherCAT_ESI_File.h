#pragma once
// The EtherCAT slave description (ESI) file: the XML device description that
// an EtherCAT master's configuration tool imports for the gateway.
//
// It is written from the saved project files only: the slave's identity from
// ParGen.xml and the enabled process-data variables of EtherCAT_Slave.xml.
// The entries, their bit lengths and the slave-to-master byte count come from
// the one layout model (ethercat/model), the same the image compiler packs
// into bank2.bin, so the offsets of the description and of the device image
// cannot disagree: the bit offset of an entry within its direction (the
// BitLen of everything before it, padding included) is 8 x Position +
// BitStart of its bank2 record.
//
// The file is built line by line in a fixed layout: CRLF after every line
// (the last one too), UTF-8 without byte-order mark under a bare
// <?xml version="1.0"?> declaration, two blanks per nesting level (padding
// entries: five and six tabs), an empty line (no characters) after each PDO
// name, entry and padding entry. Names are written as XML character data; a
// name XML 1.0 cannot hold (a character below U+0020, U+FFFE, U+FFFF or an
// unpaired surrogate) refuses the write with a message naming the field.
#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/rtl/strings.h"

// The maker's EtherCAT vendor identifier, written as Vendor/Id ("#x" and 8
// hexadecimal digits). It must equal the vendor identifier of the gateway's
// EEPROM identity, or no master matches the file with the device. This is a
// neutral placeholder until the maker's registered identifier is set here.
constexpr uint32_t EtherCAT_Vendor_Id = 0x00000000;

// Fixed identity texts.
extern const char* const ESI_Vendor_Name;        // "Morvellan"
extern const char* const ESI_Group_Name;         // "Morvellan Slaves"
extern const char* const ESI_Product_Code_Text;  // "00000C21"
extern const char* const ESI_Default_Slave_Name; // "EtherCAT Slave"

// The 16 x 14 device icon as written in the three ImageData16x14 elements:
// a whole 16-colour bitmap file (esi_icon.bmp) in upper-case hexadecimal.
String ESI_Icon_Hex();

// One PDO entry to write.
struct TEtherCAT_Rule {
    String DataType;  // the ESI data type text ("BIT", "INT", "STRING(10)" ...)
    int Length = 0;   // bits
    String Name;      // the variable's name
    int Row = 0;      // 1-based row of the variable file's section, for messages
};

// Everything the file is written from; rebuilt by every load.
struct TEtherCAT_ESI_Data {
    String Slave_Name = ESI_Default_Slave_Name;
    uint32_t Revision_Number = 0;
    uint16_t Node_Address = 1;
    String Node_Address_Text = "0100";  // four hexadecimal digits, low byte first
    String Product_Code_Text = ESI_Product_Code_Text;
    int StoM_Bytes = 0;                 // bytes of the slave-to-master data (sets the Outputs SM)
    std::vector<TEtherCAT_Rule> StoM;   // TxPdo entries, in row order
    std::vector<TEtherCAT_Rule> MtoS;   // RxPdo entries, in row order
};

// A PDO number as three digits at least: 0 gives "000", 12 "012", 123 "123".
String Pad3(int N);

// The ESI data type of a variable type (trimmed, letter case ignored) and its
// bits; Length is the variable's length in bytes (Array and String only):
//   Bool BIT 1, Int8 SINT 8, Int16 INT 16, Int32 DINT 32, UInt8 USINT 8,
//   UInt16 UINT 16, UInt32 UDINT 32, Float32 REAL 32,
//   Array "ARRAY [0..L-1] OF BYTE" 8L, String "STRING(L)" 8L + 8,
//   any other text (empty too) BIT 1.
String ESI_Data_Type(const String& Type, int Length, int& Bits);

// The node address as the EEPROM configuration holds it: four upper-case
// hexadecimal digits, low byte first (1 gives "0100", 192 "C000").
String Node_Address_Text(uint16_t Node_Address);

// StartAddress of the Outputs sync manager: 0x1000 plus three times the
// slave-to-master byte count, rounded up to a multiple of 4.
int64_t Outputs_Start_Address(int StoM_Bytes);

struct TESI_Result {
    bool Ok = false;
    String Message;  // why it failed; empty on success
};

// Fills Data from the two files (each may be missing: the defaults apply and
// there are no entries). ParGen.xml gives the slave's name, revision number
// and node address through Read_EtherCAT_Slave_Identity, the reading the
// image compiler uses: a revision that is not 0..4294967295, a node address
// that is not 0..65535 or a name the device cannot hold fails with a message
// naming the key. The variable file gives one rule per row whose Enable is
// "Y", through the layout model (EtherCAT_Entries): an unknown type, an Array
// or String length outside 1..255, a slave-to-master initial value the device
// cannot store, a name the file cannot hold, a stored Position or BitStart
// that differs from the layout,
// more than 256 entries, sync managers that do not fit below #x10000
// (Check_Sync_Managers), or a file that cannot be read fails with a message
// naming the file, the row or the sizes. On failure Data is left as it was.
TESI_Result Load_EtherCAT_ESI_Data(const String& ParGen_Path, const String& Slave_Path, TEtherCAT_ESI_Data& Data);

// The lines of the file, without line ends. Raises Exception naming the
// field when a name cannot be written as XML.
QStringList ESI_Lines(const TEtherCAT_ESI_Data& Data);
// The file's bytes: the lines in UTF-8, each ended by CRLF.
QByteArray ESI_Bytes(const TEtherCAT_ESI_Data& Data);
// Writes the file atomically (a temporary file renamed over the target), so
// a failure leaves an existing file untouched. Raises Exception (a name) or
// EFileError (the file).
void Write_ESI_XML(const TEtherCAT_ESI_Data& Data, const String& File_Name);

// Loads and writes File_Name; every failure comes back as the message to show.
TESI_Result Build_EtherCAT_ESI_File(const String& File_Name, const String& ParGen_Path, const String& Slave_Path);
// The same from the open configuration's File_ParGen and File_EtherCAT_Slave;
// fails when no configuration is open.
TESI_Result Build_EtherCAT_ESI_File(const String& File_Name);

// ---- the step-4 command ---------------------------------------------------------------

// The save dialog SaveESI: it opens in Project_Dir with this filter, and a
// name typed without extension gets ".xml".
extern const char* const ESI_Save_Filter;  // "EtherCAT ESI File (*.xml)|*.xml"
extern const char* const ESI_Default_Ext;  // "xml"
// The name with ".xml" appended when its last path part has no extension.
String ESI_With_Default_Ext(const String& File_Name);

enum class TESI_Outcome {
    Cancelled,  // the dialog was cancelled (no file name)
    Kept,       // the file exists and overwriting was declined
    Written,
    Failed      // shown through Show_Error
};

// What Write_EtherCAT_ESI does after its save dialog, given the name the
// dialog returned (empty when cancelled): the default extension is added;
// when that file exists, Ask_Overwrite is asked text 1105 ("File already
// exists. Do you want to overwrite?", Yes/No) and No ends here with the file
// untouched; then Build_EtherCAT_ESI_File runs and a failure is passed to
// Show_Error. The GUI wrapper only opens the dialog and binds the two
// callbacks to the confirmation and error boxes.
TESI_Outcome Write_EtherCAT_ESI_To(const String& Chosen_File_Name,
                                   const std::function<bool(const String& Question)>& Ask_Overwrite,
                                   const std::function<void(const String& Message)>& Show_Error);
