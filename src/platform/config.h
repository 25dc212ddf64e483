#pragma once

// The project's own addresses and credit, shown in the end window and opened by the status
// window's buttons. Kept here so that a new home is one edit away; they are short because the
// end window shows each on one line.
namespace tavrin::config {

inline constexpr const char* kHomePage = "https://tavrin.example/";
inline constexpr const char* kReadmePage = "https://tavrin.example/readme.htm";
inline constexpr const char* kSearchHost = "https://search.tavrin.example";
inline constexpr const char* kSearchPathAndQuery =
    "/cgi-bin/query?pg=q&kl=XX&q=%22coronary+heart+disease%22";
inline constexpr const char* kAuthor = "Tavrin Team";
inline constexpr const char* kAuthorEmail = "hi@tavrin.example";
inline constexpr const char* kAuthorPage1 = "https://tavrin.example/team/";
inline constexpr const char* kAuthorPage2 = "https://tavrin.example/heart/";

} // namespace tavrin::config
