#pragma once

// The product's addresses, handed to the desktop's browser and mail program.
namespace tolvex::addresses
{

inline constexpr const char* WebPage = "https://tolvex.example.org/";
inline constexpr const char* DownloadPage = "https://tolvex.example.org/download/";
inline constexpr const char* SubscriptionPage = "https://tolvex.example.org/subscribe/";
inline constexpr const char* AuthorEmail = "author@tolvex.example.org";

} // namespace tolvex::addresses
