#pragma once
// Item tables of port-based network access control (IEEE 802.1X and the enterprise
// MAC-based 802.1X group), the RADIUS authentication and accounting clients, the enterprise
// authentication servers, AAA method lists and servers, SSH and SSL.
//
// Each item table ends with a record whose ObjectId is null; the value-name maps are built
// before main() and destroyed at exit in reverse order.

#include "framework/SnmpVarItem.h"

// Value-name maps.

// IEEE 802.1X (start-up group InitDot1xMibOptions).
extern const VxOptionList SystemAuthenticationControlValues;
extern const VxOptionList PaeStateValues;
extern const VxOptionList BackendStateValues;
extern const VxOptionList AdministrativeControlledDirectionsValues;
extern const VxOptionList OperationalControlledDirectionsValues;
extern const VxOptionList PortStatusValues;
extern const VxOptionList PortControlValues;
extern const VxOptionList ReAuthenticateEnabledValues;
extern const VxOptionList KeyTxEnabledValues;
extern const VxOptionList AuthenticMethodValues;
extern const VxOptionList TerminateCauseValues;

// SSH and SSL (start-up group InitSshSslMibOptions).
extern const VxOptionList SSHAdminValues;
extern const VxOptionList SSHSessionKeyRekeyingValues;
extern const VxOptionList SSHKeyExpandAdministrationValues;
extern const VxOptionList Map3DESAdministrationValues;
extern const VxOptionList BlowfishAdministrationValues;
extern const VxOptionList AES128AdministrationValues;
extern const VxOptionList AES192AdministrationValues;
extern const VxOptionList AES256AdministrationValues;
extern const VxOptionList ArcfourAdministrationValues;
extern const VxOptionList CAST128AdministrationValues;
extern const VxOptionList Twofish128AdministrationValues;
extern const VxOptionList Twofish192AdministrationValues;
extern const VxOptionList Twofish256AdministrationValues;
extern const VxOptionList PasswordAuthenticationAdministrationValues;
extern const VxOptionList PublicKeyAuthenticationAdministrationValues;
extern const VxOptionList HostKeyAuthenticationAdministrationValues;
extern const VxOptionList HMACSHA1AdministrationValues;
extern const VxOptionList HMACMD5AdministrationValues;
extern const VxOptionList VersionSSLAdministrationValues;
extern const VxOptionList CertificateFileControlValues;
extern const VxOptionList CertificateFileStatusValues;
extern const VxOptionList RSAStateValues;
extern const VxOptionList DSAStateValues;

// MAC-based 802.1X, authentication servers and AAA (start-up group InitAaaMibOptions).
extern const VxOptionList UserAuthenticationProtocolValues;
extern const VxOptionList DeviceAuthenticationModeValues;
extern const VxOptionList IndexValues;
extern const VxOptionList RadiusServerStatusValues;
extern const VxOptionList PortAccessEntityStateValues;
extern const VxOptionList BackendAuthenticationStateValues;
extern const VxOptionList ControlledPortStatusValues;
extern const VxOptionList SessionAuthenticationMethordValues;
extern const VxOptionList SessionTerminationCauseValues;
extern const VxOptionList AACAuthenticationAdministrationStateValues;
extern const VxOptionList Method1TypeValues;
extern const VxOptionList Method2TypeValues;
extern const VxOptionList Method3TypeValues;
extern const VxOptionList Method4TypeValues;
extern const VxOptionList MethodListRowStatusValues;
extern const VxOptionList EnableMethod1TypeValues;
extern const VxOptionList EnableMethod2TypeValues;
extern const VxOptionList EnableMethod3TypeValues;
extern const VxOptionList EnableMethod4TypeValues;
extern const VxOptionList EnableMethodListRowStatusValues;
extern const VxOptionList AuthProtocol1Values;
extern const VxOptionList AuthProtocol2Values;
extern const VxOptionList AuthProtocol3Values;
extern const VxOptionList AuthProtocol4Values;
extern const VxOptionList AuthProtocol5Values;
extern const VxOptionList AuthProtocol6Values;
extern const VxOptionList AuthProtocol7Values;
extern const VxOptionList AuthProtocol8Values;
extern const VxOptionList AaaServerGroupRowStatusValues;
extern const VxOptionList ServerAuthProtocolValues;
extern const VxOptionList ServerRowStatusValues;
extern const VxOptionList AuthProtocolValues;
extern const VxOptionList RowStateValues;

// Item tables.
extern const SnmpVarItem Dot1xSystemItems[];
extern const SnmpVarItem Dot1xAuthConfigItems[];
extern const SnmpVarItem Dot1xAuthStatsItems[];
extern const SnmpVarItem Dot1xAuthDiagItems[];
extern const SnmpVarItem Dot1xAuthSessionStatsItems[];
extern const SnmpVarItem RadiusAccClientItems[];
extern const SnmpVarItem RadiusAccServerItems[];
extern const SnmpVarItem RadiusAuthClientItems[];
extern const SnmpVarItem RadiusAuthServerItems[];
extern const SnmpVarItem SshGlobalItems[];
extern const SnmpVarItem SshKexItems[];
extern const SnmpVarItem SshCipherItems[];
extern const SnmpVarItem SshAuthMethodItems[];
extern const SnmpVarItem SshMacItems[];
extern const SnmpVarItem SslGlobalItems[];
extern const SnmpVarItem SslCertificateItems[];
extern const SnmpVarItem SshPublicKeyItems[];
extern const SnmpVarItem AuthProtocolItems[];
extern const SnmpVarItem RadiusServerItems[];
extern const SnmpVarItem Dot1xMacAuthStateItems[];
extern const SnmpVarItem Dot1xMacAuthStatsItems[];
extern const SnmpVarItem Dot1xMacAuthDiagItems[];
extern const SnmpVarItem Dot1xMacSessionStatsItems[];
extern const SnmpVarItem AaaStateItems[];
extern const SnmpVarItem AaaGlobalItems[];
extern const SnmpVarItem AaaLoginMethodListItems[];
extern const SnmpVarItem AaaEnableMethodListItems[];
extern const SnmpVarItem AaaApplicationItems[];
extern const SnmpVarItem AaaServerGroupItems[];
extern const SnmpVarItem AaaServerItems[];
extern const SnmpVarItem AaaGroupServerItems[];
