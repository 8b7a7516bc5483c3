#pragma once
// Credentials the simulated stack accepts when neither its description nor its
// command line names others. Tests and the demo use them.

namespace simstack {

inline constexpr const char* DefaultReadCommunity = "mirabo";
inline constexpr const char* DefaultWriteCommunity = "quesnal";

struct DefaultUsmUser {
    const char* name;
    const char* authProtocol;  // "MD5" or "SHA"
    const char* authPassword;
    const char* privProtocol;  // "DES"
    const char* privPassword;
};

inline constexpr DefaultUsmUser DefaultMd5User = {"md5des", "MD5", "md5des-auth-pw", "DES", "md5des-priv-pw"};
inline constexpr DefaultUsmUser DefaultShaUser = {"shades", "SHA", "shades-auth-pw", "DES", "shades-priv-pw"};

}  // namespace simstack
