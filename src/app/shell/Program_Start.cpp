#include "app/shell/Program_Start.h"

#include "app/shell/UAbout.h"
#include "app/shell/UNew_Project.h"
#include "app/shell/UOpenConf.h"
#include "app/shell/USoftOptions.h"
#include "app/shell/UTessaraneFirmWare.h"
#include "config/dialogs/UBoot.h"
#include "config/pargen/UParGen.h"
#include "editors/can/UDMXDefVal.h"
#include "editors/can/UDNet.h"
#include "editors/can/UDefOffset.h"
#include "editors/can/UReceiveCAN.h"
#include "editors/can/UReceiveJ1939.h"
#include "editors/can/UReceiveNMEA.h"
#include "editors/can/USet_PDO_Access.h"
#include "editors/can/USet_SDO_Client_Access.h"
#include "editors/can/USet_SDO_Server_Access.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/can/UTransmitJ1939.h"
#include "editors/can/UTransmitNMEA.h"
#include "editors/ethernet/UEtherNEtIP_EDS.h"
#include "editors/ethernet/UEtherNetIP_Master_Access.h"
#include "editors/ethernet/UIEC61850_Variables.h"
#include "editors/ethernet/UIEC_61850_Access.h"
#include "editors/ethernet/UMQTT_Set_Topic.h"
#include "editors/ethernet/UOPC_UA_Add_Server.h"
#include "editors/ethernet/UOPC_UA_Client_Access.h"
#include "editors/ethernet/UOPC_UA_Scan_Server.h"
#include "editors/ethernet/UOPC_UA_Server_Access.h"
#include "editors/ethernet/UProfinetFileName.h"
#include "editors/ethernet/US7_Protocol_Set_Access.h"
#include "editors/ethernet/USNMPManagerAccess.h"
#include "editors/ethernet/USNMP_Trap_Access.h"
#include "editors/ethernet/UTLS_Server_Known_Cert.h"
#include "editors/ethernet/UTopicTemplate.h"
#include "editors/fieldbus/UBACnetAccess.h"
#include "editors/fieldbus/UBACnetSlaveSetAccess.h"
#include "editors/fieldbus/UBACnet_Eng_Unit.h"
#include "editors/fieldbus/UImportEDEFile.h"
#include "editors/fieldbus/UModbus_TCP_Master_Set_Access.h"
#include "editors/fieldbus/USetAccess.h"
#include "ethercat/dialogs/UEtherCATSlave.h"
#include "ethercat/dialogs/UEtherCATSlave_Group.h"
#include "platform/gui/application.h"

namespace {

template <typename T>
void Create_Form(TComponent* Owner, T*& Reference)
{
    if (Owner == &Application)
        Application.CreateForm(Reference);
    else
        Reference = new T(Owner);
}

}  // namespace

void Create_Forms(TComponent* Owner)
{
    Create_Form(Owner, FTessaraneFirmWare);
    Create_Form(Owner, FNew_Project);
    Create_Form(Owner, FOpenConf);
    Create_Form(Owner, FAbout);
    Create_Form(Owner, FSoftOptions);
    Create_Form(Owner, FParGen);
    Create_Form(Owner, FEtherCATSlave);
    Create_Form(Owner, FBoot);
    Create_Form(Owner, FSetAccess);
    Create_Form(Owner, FModbus_TCP_Master_Set_Access);
    Create_Form(Owner, FBACnetAccess);
    Create_Form(Owner, FImportEDEFile);
    Create_Form(Owner, FBACnet_Eng_Unit);
    Create_Form(Owner, FBACnetSlaveSetAccess);
    Create_Form(Owner, FReceiveCAN);
    Create_Form(Owner, FTransmitCAN);
    Create_Form(Owner, FSet_PDO_Access);
    Create_Form(Owner, FSet_SDO_Client_Access);
    Create_Form(Owner, FSet_SDO_Server_Access);
    Create_Form(Owner, FDefOffset);
    Create_Form(Owner, FDNet);
    Create_Form(Owner, FDMXDefVal);
    Create_Form(Owner, FIEC_61850_Access);
    Create_Form(Owner, FIEC61850_Variables);
    Create_Form(Owner, FTLS_Server_Known_Cert);
    Create_Form(Owner, FReceiveJ1939);
    Create_Form(Owner, FTransmitJ1939);
    Create_Form(Owner, FMQTT_Set_Topic);
    Create_Form(Owner, FTopicTemplate);
    Create_Form(Owner, FReceiveNMEA);
    Create_Form(Owner, FTransmitNMEA);
    Create_Form(Owner, FOPC_UA_Add_Server);
    Create_Form(Owner, FOPC_UA_Client_Access);
    Create_Form(Owner, FOPC_UA_Scan_Server);
    Create_Form(Owner, FOPC_UA_Server_Access);
    Create_Form(Owner, FSNMPManagerAccess);
    Create_Form(Owner, FSNMP_Trap_Access);
    Create_Form(Owner, FProfinetFileName);
    Create_Form(Owner, FEtherNEtIP_EDS);
    Create_Form(Owner, FEtherNetIP_Master_Access);
    Create_Form(Owner, FS7_Protocol_Set_Access);
    Create_Form(Owner, FEtherCATSlave_Group);
}

std::vector<TForm*> Program_Forms()
{
    return {
        FTessaraneFirmWare,
        FNew_Project,
        FOpenConf,
        FAbout,
        FSoftOptions,
        FParGen,
        FEtherCATSlave,
        FBoot,
        FSetAccess,
        FModbus_TCP_Master_Set_Access,
        FBACnetAccess,
        FImportEDEFile,
        FBACnet_Eng_Unit,
        FBACnetSlaveSetAccess,
        FReceiveCAN,
        FTransmitCAN,
        FSet_PDO_Access,
        FSet_SDO_Client_Access,
        FSet_SDO_Server_Access,
        FDefOffset,
        FDNet,
        FDMXDefVal,
        FIEC_61850_Access,
        FIEC61850_Variables,
        FTLS_Server_Known_Cert,
        FReceiveJ1939,
        FTransmitJ1939,
        FMQTT_Set_Topic,
        FTopicTemplate,
        FReceiveNMEA,
        FTransmitNMEA,
        FOPC_UA_Add_Server,
        FOPC_UA_Client_Access,
        FOPC_UA_Scan_Server,
        FOPC_UA_Server_Access,
        FSNMPManagerAccess,
        FSNMP_Trap_Access,
        FProfinetFileName,
        FEtherNEtIP_EDS,
        FEtherNetIP_Master_Access,
        FS7_Protocol_Set_Access,
        FEtherCATSlave_Group,
    };
}

void Forget_Forms()
{
    FTessaraneFirmWare = nullptr;
    FNew_Project = nullptr;
    FOpenConf = nullptr;
    FAbout = nullptr;
    FSoftOptions = nullptr;
    FParGen = nullptr;
    FEtherCATSlave = nullptr;
    FBoot = nullptr;
    FSetAccess = nullptr;
    FModbus_TCP_Master_Set_Access = nullptr;
    FBACnetAccess = nullptr;
    FImportEDEFile = nullptr;
    FBACnet_Eng_Unit = nullptr;
    FBACnetSlaveSetAccess = nullptr;
    FReceiveCAN = nullptr;
    FTransmitCAN = nullptr;
    FSet_PDO_Access = nullptr;
    FSet_SDO_Client_Access = nullptr;
    FSet_SDO_Server_Access = nullptr;
    FDefOffset = nullptr;
    FDNet = nullptr;
    FDMXDefVal = nullptr;
    FIEC_61850_Access = nullptr;
    FIEC61850_Variables = nullptr;
    FTLS_Server_Known_Cert = nullptr;
    FReceiveJ1939 = nullptr;
    FTransmitJ1939 = nullptr;
    FMQTT_Set_Topic = nullptr;
    FTopicTemplate = nullptr;
    FReceiveNMEA = nullptr;
    FTransmitNMEA = nullptr;
    FOPC_UA_Add_Server = nullptr;
    FOPC_UA_Client_Access = nullptr;
    FOPC_UA_Scan_Server = nullptr;
    FOPC_UA_Server_Access = nullptr;
    FSNMPManagerAccess = nullptr;
    FSNMP_Trap_Access = nullptr;
    FProfinetFileName = nullptr;
    FEtherNEtIP_EDS = nullptr;
    FEtherNetIP_Master_Access = nullptr;
    FS7_Protocol_Set_Access = nullptr;
    FEtherCATSlave_Group = nullptr;
}
