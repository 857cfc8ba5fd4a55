#pragma once

// Addresses and credentials of the online services, in one place.
//
// The key texts are kept as base64 text and decoded only at the moment of use. The values
// committed here are placeholders of the right shape, not real credentials: a build that talks
// to the real services gets its own values here from the release configuration.
//
// For tests only, each host can be pointed at a local server through an environment variable
// (see the k*HostVariable names); nothing else reads those variables.

namespace tidewell::online::keys
{

// Recognition service host name (base64 text).
inline constexpr char kAcrHost[] = "aWRlbnRpZnktZXUtd2VzdC0xLmFjcmNsb3VkLmNvbQ==";
// Recognition access key (base64 text, 44 characters).
inline constexpr char kAcrAccessKey[] = "dGlkZXdlbGwtcGxhY2Vob2xkZXItYWNyLWtleS0wMDA=";
// Recognition access secret, the signing key (base64 text, 56 characters).
inline constexpr char kAcrAccessSecret[] = "dGlkZXdlbGwtcGxhY2Vob2xkZXItYWNyLXNlY3JldC0wMDAwMDAwMA==";
// Spotify Web API client id and client secret (base64 text, 44 characters each).
inline constexpr char kSpotifyClientId[] = "dGlkZXdlbGwtcGxhY2Vob2xkZXItc3BvdGlmeS1pZDAw";
inline constexpr char kSpotifyClientSecret[] = "dGlkZXdlbGwtcGxhY2Vob2xkZXItc3BvdGlmeS1zZWMw";

// Spotify hosts (plain text).
inline constexpr char kSpotifyAccountsHost[] = "accounts.spotify.com";
inline constexpr char kSpotifyApiHost[] = "api.spotify.com";

// Test-only overrides of the hosts above ("host" or "host:port").
inline constexpr char kAcrHostVariable[] = "TIDEWELL_ACR_HOST";
inline constexpr char kSpotifyAccountsHostVariable[] = "TIDEWELL_SPOTIFY_ACCOUNTS_HOST";
inline constexpr char kSpotifyApiHostVariable[] = "TIDEWELL_SPOTIFY_API_HOST";

} // namespace tidewell::online::keys
