#pragma once

// The project's own addresses and credit, shown in the end window and opened by the status
// window's buttons. Kept here so that a new home is one edit away.
namespace tavrin::config {

inline constexpr const char* kHomePage = "https://tavrin.example.org/";
inline constexpr const char* kReadmePage = "https://tavrin.example.org/readme.htm";
inline constexpr const char* kSearchHost = "https://search.tavrin.example.org";
inline constexpr const char* kSearchPathAndQuery =
    "/cgi-bin/query?pg=q&kl=XX&q=%22coronary+heart+disease%22";
inline constexpr const char* kAuthor = "The Tavrin Team";
inline constexpr const char* kAuthorEmail = "team@tavrin.example.org";
inline constexpr const char* kAuthorPage1 = "https://tavrin.example.org/team/";
inline constexpr const char* kAuthorPage2 = "https://tavrin.example.org/heart/";

} // namespace tavrin::config
