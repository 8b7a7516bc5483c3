#include <gtest/gtest.h>


#include "framework/VxSNMPMessages.h"
#include "platform/Exception.h"
#include "tests/support/TempFiles.h"

namespace {

TEST(MapSnmpStatus, MapsEveryRangeToItsCodeAndText) {
    struct Case {
        int status;
        int code;
        const char* message;
    } cases[] = {
        {0, 0, "(VxSNMP++) Ok!"},
        {1400, 0, "(VxSNMP++) Ok!"},
        {-1401, 0, "(VxSNMP++) Ok!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {19, -528, "(VxSNMP++) Unknown error code!"},
        {-1400, -528, "(VxSNMP++) Unknown error code!"},
        {-24, -528, "(VxSNMP++) Unknown error code!"},
        {1415, -528, "(VxSNMP++) Unknown error code!"},
    };
    for (const auto& c : cases) {
        const SnmpStatusText t = MapSnmpStatus(c.status);
        EXPECT_EQ(t.Code, c.code) << c.status;
        EXPECT_EQ(t.Message, c.message) << c.status;
    }
}

TEST(MapSnmpStatus, UsesAReplacedTableAndFallsBackWhereTheFileIsShort) {
    const TempFile file("Zu gross\n\nGibt es nicht\n");
    LoadTextLines(SnmpPduMessages, file.Path());
    EXPECT_EQ(MapSnmpStatus(2).Message, "Gibt es nicht");
    EXPECT_EQ(MapSnmpStatus(3).Message, "(SNMP) Cannot modify variable: Bad Value!");
    SnmpPduMessages.RestoreBuiltIn();
}

TEST(ThrowVxSNMP, CarriesTheEntryTextAndItsCode) {
    try {
        ThrowVxSNMP(vxBadSyntax);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -511);
        EXPECT_EQ(e.Message(), "(VxSNMP++) Bad SNMP syntax!");
    }
}

}  // namespace
