#include "mibdefs/SecurityMib.h"

// Value-name maps, in the order they are built (and destroyed in reverse at exit). Maps
// with equal pairs are still separate objects: an item owns the choice of its map.

// ---------------------------------------------------------------------------------------------
// IEEE 802.1X (start-up group InitDot1xMibOptions).

constexpr VxIntPair SystemAuthenticationControlPairs[] = {
    {1, "enabled"}, {2, "disabled"}, {0, nullptr},
};
const VxOptionList SystemAuthenticationControlValues(SystemAuthenticationControlPairs);
constexpr VxIntPair PaeStatePairs[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"},
    {0, nullptr},
};
const VxOptionList PaeStateValues(PaeStatePairs);
constexpr VxIntPair BackendStatePairs[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {0, nullptr},
};
const VxOptionList BackendStateValues(BackendStatePairs);
constexpr VxIntPair AdministrativeControlledDirectionsPairs[] = {
    {0, "both"}, {1, "in"}, {0, nullptr},
};
const VxOptionList AdministrativeControlledDirectionsValues(
    AdministrativeControlledDirectionsPairs);
constexpr VxIntPair OperationalControlledDirectionsPairs[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const VxOptionList OperationalControlledDirectionsValues(OperationalControlledDirectionsPairs);
constexpr VxIntPair PortStatusPairs[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const VxOptionList PortStatusValues(PortStatusPairs);
constexpr VxIntPair PortControlPairs[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr},
};
const VxOptionList PortControlValues(PortControlPairs);
constexpr VxIntPair ReAuthenticateEnabledPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList ReAuthenticateEnabledValues(ReAuthenticateEnabledPairs);
constexpr VxIntPair KeyTxEnabledPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VxOptionList KeyTxEnabledValues(KeyTxEnabledPairs);
constexpr VxIntPair AuthenticMethodPairs[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr},
};
const VxOptionList AuthenticMethodValues(AuthenticMethodPairs);
constexpr VxIntPair TerminateCausePairs[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"},
    {999, "notTerminatedYet"}, {0, nullptr},
};
const VxOptionList TerminateCauseValues(TerminateCausePairs);

// ---------------------------------------------------------------------------------------------
// SSH and SSL (start-up group InitSshSslMibOptions).

constexpr VxIntPair SSHAdminPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList SSHAdminValues(SSHAdminPairs);
constexpr VxIntPair SSHSessionKeyRekeyingPairs[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr},
};
const VxOptionList SSHSessionKeyRekeyingValues(SSHSessionKeyRekeyingPairs);
constexpr VxIntPair SSHKeyExpandAdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList SSHKeyExpandAdministrationValues(SSHKeyExpandAdministrationPairs);
constexpr VxIntPair Map3DESAdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList Map3DESAdministrationValues(Map3DESAdministrationPairs);
constexpr VxIntPair BlowfishAdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList BlowfishAdministrationValues(BlowfishAdministrationPairs);
constexpr VxIntPair AES128AdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList AES128AdministrationValues(AES128AdministrationPairs);
constexpr VxIntPair AES192AdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList AES192AdministrationValues(AES192AdministrationPairs);
constexpr VxIntPair AES256AdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList AES256AdministrationValues(AES256AdministrationPairs);
constexpr VxIntPair ArcfourAdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList ArcfourAdministrationValues(ArcfourAdministrationPairs);
constexpr VxIntPair CAST128AdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList CAST128AdministrationValues(CAST128AdministrationPairs);
constexpr VxIntPair Twofish128AdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList Twofish128AdministrationValues(Twofish128AdministrationPairs);
constexpr VxIntPair Twofish192AdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList Twofish192AdministrationValues(Twofish192AdministrationPairs);
constexpr VxIntPair Twofish256AdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList Twofish256AdministrationValues(Twofish256AdministrationPairs);
constexpr VxIntPair PasswordAuthenticationAdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList PasswordAuthenticationAdministrationValues(
    PasswordAuthenticationAdministrationPairs);
constexpr VxIntPair PublicKeyAuthenticationAdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList PublicKeyAuthenticationAdministrationValues(
    PublicKeyAuthenticationAdministrationPairs);
constexpr VxIntPair HostKeyAuthenticationAdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList HostKeyAuthenticationAdministrationValues(
    HostKeyAuthenticationAdministrationPairs);
constexpr VxIntPair HMACSHA1AdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList HMACSHA1AdministrationValues(HMACSHA1AdministrationPairs);
constexpr VxIntPair HMACMD5AdministrationPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList HMACMD5AdministrationValues(HMACMD5AdministrationPairs);
constexpr VxIntPair VersionSSLAdministrationPairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList VersionSSLAdministrationValues(VersionSSLAdministrationPairs);
constexpr VxIntPair CertificateFileControlPairs[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {0, nullptr},
};
const VxOptionList CertificateFileControlValues(CertificateFileControlPairs);
constexpr VxIntPair CertificateFileStatusPairs[] = {
    {1, "none"}, {2, "rsa"}, {3, "dsa"}, {0, nullptr},
};
const VxOptionList CertificateFileStatusValues(CertificateFileStatusPairs);
constexpr VxIntPair RSAStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList RSAStateValues(RSAStatePairs);
constexpr VxIntPair DSAStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VxOptionList DSAStateValues(DSAStatePairs);

// ---------------------------------------------------------------------------------------------
// MAC-based 802.1X, authentication servers and AAA (start-up group InitAaaMibOptions).

constexpr VxIntPair UserAuthenticationProtocolPairs[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr},
};
const VxOptionList UserAuthenticationProtocolValues(UserAuthenticationProtocolPairs);
constexpr VxIntPair DeviceAuthenticationModePairs[] = {
    {1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr},
};
const VxOptionList DeviceAuthenticationModeValues(DeviceAuthenticationModePairs);
constexpr VxIntPair IndexPairs[] = {
    {1, "swRadiusServerIndex-first"}, {2, "swRadiusServerIndex-second"},
    {3, "swRadiusServerIndex-third"}, {0, nullptr},
};
const VxOptionList IndexValues(IndexPairs);
constexpr VxIntPair RadiusServerStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList RadiusServerStatusValues(RadiusServerStatusPairs);
constexpr VxIntPair PortAccessEntityStatePairs[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
    {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"},
    {0, nullptr},
};
const VxOptionList PortAccessEntityStateValues(PortAccessEntityStatePairs);
constexpr VxIntPair BackendAuthenticationStatePairs[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {0, nullptr},
};
const VxOptionList BackendAuthenticationStateValues(BackendAuthenticationStatePairs);
constexpr VxIntPair ControlledPortStatusPairs[] = {
    {1, "authorized"}, {2, "unauthorized"}, {0, nullptr},
};
const VxOptionList ControlledPortStatusValues(ControlledPortStatusPairs);
constexpr VxIntPair SessionAuthenticationMethordPairs[] = {
    {1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr},
};
const VxOptionList SessionAuthenticationMethordValues(SessionAuthenticationMethordPairs);
constexpr VxIntPair SessionTerminationCausePairs[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"},
    {999, "notTerminatedYet"}, {0, nullptr},
};
const VxOptionList SessionTerminationCauseValues(SessionTerminationCausePairs);
constexpr VxIntPair AACAuthenticationAdministrationStatePairs[] = {
    {2, "disabled"}, {3, "enabled"}, {0, nullptr},
};
const VxOptionList AACAuthenticationAdministrationStateValues(
    AACAuthenticationAdministrationStatePairs);
constexpr VxIntPair Method1TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList Method1TypeValues(Method1TypePairs);
constexpr VxIntPair Method2TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList Method2TypeValues(Method2TypePairs);
constexpr VxIntPair Method3TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList Method3TypeValues(Method3TypePairs);
constexpr VxIntPair Method4TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {6, "local"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList Method4TypeValues(Method4TypePairs);
constexpr VxIntPair MethodListRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList MethodListRowStatusValues(MethodListRowStatusPairs);
constexpr VxIntPair EnableMethod1TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList EnableMethod1TypeValues(EnableMethod1TypePairs);
constexpr VxIntPair EnableMethod2TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList EnableMethod2TypeValues(EnableMethod2TypePairs);
constexpr VxIntPair EnableMethod3TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList EnableMethod3TypeValues(EnableMethod3TypePairs);
constexpr VxIntPair EnableMethod4TypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"},
    {7, "local-enable"}, {8, "none"}, {9, "other"}, {0, nullptr},
};
const VxOptionList EnableMethod4TypeValues(EnableMethod4TypePairs);
constexpr VxIntPair EnableMethodListRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList EnableMethodListRowStatusValues(EnableMethodListRowStatusPairs);
constexpr VxIntPair AuthProtocol1Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol1Values(AuthProtocol1Pairs);
constexpr VxIntPair AuthProtocol2Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol2Values(AuthProtocol2Pairs);
constexpr VxIntPair AuthProtocol3Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol3Values(AuthProtocol3Pairs);
constexpr VxIntPair AuthProtocol4Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol4Values(AuthProtocol4Pairs);
constexpr VxIntPair AuthProtocol5Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol5Values(AuthProtocol5Pairs);
constexpr VxIntPair AuthProtocol6Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol6Values(AuthProtocol6Pairs);
constexpr VxIntPair AuthProtocol7Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol7Values(AuthProtocol7Pairs);
constexpr VxIntPair AuthProtocol8Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"},
    {0, nullptr},
};
const VxOptionList AuthProtocol8Values(AuthProtocol8Pairs);
constexpr VxIntPair AaaServerGroupRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList AaaServerGroupRowStatusValues(AaaServerGroupRowStatusPairs);
constexpr VxIntPair ServerAuthProtocolPairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr},
};
const VxOptionList ServerAuthProtocolValues(ServerAuthProtocolPairs);
constexpr VxIntPair ServerRowStatusPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VxOptionList ServerRowStatusValues(ServerRowStatusPairs);
constexpr VxIntPair AuthProtocolPairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr},
};
const VxOptionList AuthProtocolValues(AuthProtocolPairs);
constexpr VxIntPair RowStatePairs[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
const VxOptionList RowStateValues(RowStatePairs);

// ---------------------------------------------------------------------------------------------
// Item tables.

constinit const SnmpVarItem Dot1xSystemItems[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", sxInteger, acReadWrite,
     &SystemAuthenticationControlValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xAuthConfigItems[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Pae State", sxInteger, acReadOnly, &PaeStateValues},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", sxInteger, acReadOnly, &BackendStateValues},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", sxInteger, acReadWrite,
     &AdministrativeControlledDirectionsValues},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", sxInteger, acReadOnly,
     &OperationalControlledDirectionsValues},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", sxInteger, acReadOnly, &PortStatusValues},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", sxInteger, acReadWrite, &PortControlValues},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "SuppTimeout", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "ServerTimeout", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "MaxReq", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", sxGauge, acReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", sxInteger, acReadWrite,
     &ReAuthenticateEnabledValues},
    {"1.0.8802.1.1.1.1.2.1.1.14", "KeyTx Enabled", sxInteger, acReadOnly, &KeyTxEnabledValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xAuthStatsItems[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/Ip Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/Id FramesTx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames Tx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL FramesRx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", sxGauge, acReadOnly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", sxMacAddress, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xAuthDiagItems[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xAuthSessionStatsItems[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, acNotAccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets Rx", sxCounter64, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets Tx", sxCounter64, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames Rx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames Tx", sxCounter, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", sxDisplayStr, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", sxInteger, acReadOnly, &AuthenticMethodValues},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", sxTimeTicks, acReadOnly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", sxInteger, acReadOnly, &TerminateCauseValues},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RadiusAccClientItems[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RadiusAccServerItems[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RadiusAuthClientItems[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RadiusAuthServerItems[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SshGlobalItems[] = {
    {"1.3.6.1.4.1.171.12.6.1.1", "SSH Version", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.6.1.2", "SSH Admin", sxInteger, acReadWrite, &SSHAdminValues},
    {"1.3.6.1.4.1.171.12.6.1.3", "SSH Max Auth Fail Attempts", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.6.1.4", "SSH Session Key Rekeying", sxInteger, acReadWrite,
     &SSHSessionKeyRekeyingValues},
    {"1.3.6.1.4.1.171.12.6.1.5", "SSH Max Session", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.6.1.6", "SSH Connection Timeout", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SshKexItems[] = {
    {"1.3.6.1.4.1.171.12.6.3.4", "SSH Key Expand Administration", sxInteger, acReadWrite,
     &SSHKeyExpandAdministrationValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SshCipherItems[] = {
    {"1.3.6.1.4.1.171.12.6.3.1.1", "3DES Administration", sxInteger, acReadWrite,
     &Map3DESAdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.2", "Blowfish Administration", sxInteger, acReadWrite,
     &BlowfishAdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.3", "AES128 Administration", sxInteger, acReadWrite,
     &AES128AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.4", "AES192 Administration", sxInteger, acReadWrite,
     &AES192AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.5", "AES256 Administration", sxInteger, acReadWrite,
     &AES256AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.6", "Arcfour Administration", sxInteger, acReadWrite,
     &ArcfourAdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.7", "CAST128 Administration", sxInteger, acReadWrite,
     &CAST128AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.8", "Twofish128 Administration", sxInteger, acReadWrite,
     &Twofish128AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.9", "Twofish192 Administration", sxInteger, acReadWrite,
     &Twofish192AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.1.10", "Twofish256 Administration", sxInteger, acReadWrite,
     &Twofish256AdministrationValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SshAuthMethodItems[] = {
    {"1.3.6.1.4.1.171.12.6.3.2.1", "Password Authentication Administration", sxInteger, acReadWrite,
     &PasswordAuthenticationAdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.2.2", "Public Key Authentication Administration", sxInteger, acReadWrite,
     &PublicKeyAuthenticationAdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.2.3", "Host Key Authentication Administration", sxInteger, acReadWrite,
     &HostKeyAuthenticationAdministrationValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SshMacItems[] = {
    {"1.3.6.1.4.1.171.12.6.3.3.1", "HMAC-SHA1 Administration", sxInteger, acReadWrite,
     &HMACSHA1AdministrationValues},
    {"1.3.6.1.4.1.171.12.6.3.3.2", "HMAC-MD5 Administration", sxInteger, acReadWrite,
     &HMACMD5AdministrationValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SslGlobalItems[] = {
    {"1.3.6.1.4.1.171.12.7.1.1", "Version SSL Administration", sxInteger, acReadWrite,
     &VersionSSLAdministrationValues},
    {"1.3.6.1.4.1.171.12.7.1.2", "Cipher Suites", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.1.3", "Cache Timeout", sxGauge, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SslCertificateItems[] = {
    {"1.3.6.1.4.1.171.12.7.2.1", "Certificate File IP Address", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.2.2", "Certificate File Path", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.2.3", "Certificate Key File Path", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.7.2.4", "Certificate File Control", sxInteger, acReadWrite,
     &CertificateFileControlValues},
    {"1.3.6.1.4.1.171.12.7.2.5", "Certificate File Status", sxInteger, acReadOnly,
     &CertificateFileStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem SshPublicKeyItems[] = {
    {"1.3.6.1.4.1.171.12.6.3.5.1", "RSA state", sxInteger, acReadWrite, &RSAStateValues},
    {"1.3.6.1.4.1.171.12.6.3.5.2", "DSA state", sxInteger, acReadWrite, &DSAStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AuthProtocolItems[] = {
    {"1.3.6.1.4.1.171.12.3.1.1", "User Authentication Protocol", sxInteger, acReadWrite,
     &UserAuthenticationProtocolValues},
    {"1.3.6.1.4.1.171.12.3.1.2", "Device Authentication Mode", sxInteger, acReadWrite,
     &DeviceAuthenticationModeValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem RadiusServerItems[] = {
    {"1.3.6.1.4.1.171.12.3.2.4.1.1", "Index", sxInteger, acReadOnly, &IndexValues},
    {"1.3.6.1.4.1.171.12.3.2.4.1.2", "IP Address", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.2.4.1.3", "Key", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.2.4.1.4", "Port Number", sxGauge, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.2.4.1.5", "Accounting Port Number", sxGauge, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.2.4.1.6", "Status", sxInteger, acReadOnly, &RadiusServerStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xMacAuthStateItems[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "Port Access Entity MAC Address", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "Port Access Entity Port Number", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.3", "Port Access Entity State", sxInteger, acReadOnly,
     &PortAccessEntityStateValues},
    {"1.3.6.1.4.1.171.12.3.6.1.1.4", "Backend Authentication State", sxInteger, acReadOnly,
     &BackendAuthenticationStateValues},
    {"1.3.6.1.4.1.171.12.3.6.1.1.5", "Controlled Port Status", sxInteger, acReadOnly,
     &ControlledPortStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xMacAuthStatsItems[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "Port Access Entity MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "Port Number", sxUInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.2.1.1", "Total Received Frames", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.2", "Total Transmitted Frames", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.3", "Start Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.4", "Logoff Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.5", "Resp/Id Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.6", "Respones Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.7", "Req/Id Frames Tx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.8", "Request Frames Tx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.9", "Invalid Eapol Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.10", "Length Error Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.11", "Eapol Frame Version", sxGauge, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.12", "Last Eapol Frame Source", sxMacAddress, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xMacAuthDiagItems[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "Port Access Entity MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "Port Number", sxUInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.3.1.1", "Connecting Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.2", "Log Off Times While Connecting", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.3", "Authenticating Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.4", "Success Authenticated Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.5", "Timeout times While Authenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.6", "Fail Times While Authenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.7", "Reauthenticate Times While Authenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.8", "EAPOL-Start Received Times While Authenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.9", "EAPOL-Logoff Received Times While Authenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.10", "Reauthenticate Times While Authenticated", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.11", "EAPOL-Start Received Times While Authenticated", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.12", "EAPOL-Logoff Received Times While Authenticated", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.13", "Backend Response Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.14", "Backend Access Challenge Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.15", "Backend Other Request To Supplicant Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.16", "Backend NonNak Response From Supplicant Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.17", "Backend Authentication Successes Times", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.18", "Backend Authentication Fails Times", sxCounter, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem Dot1xMacSessionStatsItems[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "Port Access Entity MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "Port Number", sxUInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.4.1.1", "During Session Octets Rx", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.2", "During Session Octets Tx", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.3", "During Session Frames Rx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.4", "During Session Frames Tx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.5", "Session Id", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.6", "Session Authentication Methord", sxInteger, acReadOnly,
     &SessionAuthenticationMethordValues},
    {"1.3.6.1.4.1.171.12.3.6.4.1.7", "Session Time", sxTimeTicks, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.4.1.8", "Session Termination Cause", sxInteger, acReadOnly,
     &SessionTerminationCauseValues},
    {"1.3.6.1.4.1.171.12.3.6.4.1.9", "Session UserName", sxDisplayStr, acReadOnly},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaStateItems[] = {
    {"1.3.6.1.4.1.171.12.5.1.1", "AAC Authentication Administration State", sxInteger, acReadWrite,
     &AACAuthenticationAdministrationStateValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaGlobalItems[] = {
    {"1.3.6.1.4.1.171.12.5.2.1", "AAC Max Method List", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.2.2", "AAC Max Enable Method List", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.2.3", "AAC Max Server Group", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.2.4", "AAC Max Server", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.8.1", "AAC Response Timeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.8.2", "AAC Attempt", sxInteger, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaLoginMethodListItems[] = {
    {"1.3.6.1.4.1.171.12.5.3.1.1", "AAC Login Method List Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.3.1.2", "Method1 Type", sxInteger, acReadWrite, &Method1TypeValues},
    {"1.3.6.1.4.1.171.12.5.3.1.3", "Method1 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.4", "Method2 Type", sxInteger, acReadWrite, &Method2TypeValues},
    {"1.3.6.1.4.1.171.12.5.3.1.5", "Method2 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.6", "Method3 Type", sxInteger, acReadWrite, &Method3TypeValues},
    {"1.3.6.1.4.1.171.12.5.3.1.7", "Method3 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.8", "Method4 Type", sxInteger, acReadWrite, &Method4TypeValues},
    {"1.3.6.1.4.1.171.12.5.3.1.9", "Method4 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.3.1.10", "MethodList Row Status", sxInteger, acReadWrite,
     &MethodListRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaEnableMethodListItems[] = {
    {"1.3.6.1.4.1.171.12.5.4.1.1", "Enable MethodList Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.4.1.2", "Enable Method1 Type", sxInteger, acReadWrite,
     &EnableMethod1TypeValues},
    {"1.3.6.1.4.1.171.12.5.4.1.3", "Enable Method1 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.4", "Enable Method2 Type", sxInteger, acReadWrite,
     &EnableMethod2TypeValues},
    {"1.3.6.1.4.1.171.12.5.4.1.5", "Enable Method2 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.6", "Enable Method3Type", sxInteger, acReadWrite,
     &EnableMethod3TypeValues},
    {"1.3.6.1.4.1.171.12.5.4.1.7", "Enable Method3 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.8", "Enable Method4 Type", sxInteger, acReadWrite,
     &EnableMethod4TypeValues},
    {"1.3.6.1.4.1.171.12.5.4.1.9", "Enable Method4 Server Group", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.4.1.10", "Enable MethodList Row Status", sxInteger, acReadWrite,
     &EnableMethodListRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaApplicationItems[] = {
    {"1.3.6.1.4.1.171.12.5.7.1.1", "AP Console Login Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.1", "AP Console Enable Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.1.2", "AP Telnet Login Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.2", "AP Telnet Enable Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.1.3", "AP SSH Login Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.3", "AP SSH Enable Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.1.4", "AP Http Login Method", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.7.2.4", "AP Http Enable Method", sxDisplayStr, acReadWrite},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaServerGroupItems[] = {
    {"1.3.6.1.4.1.171.12.5.9.1.1", "Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.9.1.2", "IP Addr1", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.3", "Auth Protocol1", sxInteger, acReadOnly, &AuthProtocol1Values},
    {"1.3.6.1.4.1.171.12.5.9.1.4", "IP Addr2", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.5", "Auth Protocol2", sxInteger, acReadOnly, &AuthProtocol2Values},
    {"1.3.6.1.4.1.171.12.5.9.1.6", "IP Addr3", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.7", "Auth Protocol3", sxInteger, acReadOnly, &AuthProtocol3Values},
    {"1.3.6.1.4.1.171.12.5.9.1.8", "IP Addr4", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.9", "Auth Protocol4", sxInteger, acReadOnly, &AuthProtocol4Values},
    {"1.3.6.1.4.1.171.12.5.9.1.10", "IP Addr5", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.11", "Auth Protocol5", sxInteger, acReadOnly, &AuthProtocol5Values},
    {"1.3.6.1.4.1.171.12.5.9.1.12", "IP Addr6", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.13", "Auth Protocol6", sxInteger, acReadOnly, &AuthProtocol6Values},
    {"1.3.6.1.4.1.171.12.5.9.1.14", "IPAddr7", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.15", "Auth Protocol7", sxInteger, acReadOnly, &AuthProtocol7Values},
    {"1.3.6.1.4.1.171.12.5.9.1.16", "IP Addr8", sxIpAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.5.9.1.17", "Auth Protocol8", sxInteger, acReadOnly, &AuthProtocol8Values},
    {"1.3.6.1.4.1.171.12.5.9.1.18", "Row Status", sxInteger, acReadWrite,
     &AaaServerGroupRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaServerItems[] = {
    {"1.3.6.1.4.1.171.12.5.10.1.1", "Server IP", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.10.1.2", "Server AuthProtocol", sxInteger, acNotAccess,
     &ServerAuthProtocolValues},
    {"1.3.6.1.4.1.171.12.5.10.1.3", "Server AuthPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.4", "Server AuthKey", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.5", "Server Timeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.6", "Server RetryCount", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.5.10.1.7", "Server RowStatus", sxInteger, acReadWrite,
     &ServerRowStatusValues},
    {nullptr, nullptr, 0, 0},
};

constinit const SnmpVarItem AaaGroupServerItems[] = {
    {"1.3.6.1.4.1.171.12.5.12.1.1", "Group Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.12.1.2", "IP Address", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.5.12.1.3", "Auth Protocol", sxInteger, acNotAccess, &AuthProtocolValues},
    {"1.3.6.1.4.1.171.12.5.12.1.4", "Row State", sxInteger, acReadWrite, &RowStateValues},
    {nullptr, nullptr, 0, 0},
};
