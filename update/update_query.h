#pragma once
// One question to the update endpoint: is this version out of date?

#include <string>

inline constexpr int kCorvaneVersion = 20110417;
// Under .invalid, a name that can never resolve: nobody else can answer "Update" for us.
inline constexpr char16_t kUpdateAddressFormat[] =
    u"http://update.corvane.invalid/api/update_corvane.php?ver=%d";
inline constexpr char16_t kHomePage[] = u"http://www.corvane.invalid/";

// The endpoint's address with this version in it.
std::u16string DefaultUpdateAddress();

// One GET of the address, one read of at most 260 bytes. True only when the
// reply, up to its first zero byte, is exactly "Update"; false on any
// failure, any other reply, and any status but 200.
bool QueryUpdate(const std::u16string& address);
