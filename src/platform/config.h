#pragma once

// The project's own addresses and credit, shown in the end window and opened by the status
// strip's shields. The addresses are chosen when the game is built (the CMake settings of the
// same names, see README), so that a school or a distribution can point them elsewhere.
namespace tavrin::config {

inline constexpr const char* kAuthor = "Tavrin Team";

// TAVRIN_SEARCH_URL: a search engine's query address, to which the search is appended.
const char* searchUrl();
// The search: the exact phrase coronary heart disease, quoted and encoded for a query.
inline constexpr const char* kSearchPhrase = "%22coronary+heart+disease%22";
// TAVRIN_HOME_PAGE: the project's home or licence page; empty: the shipped help page.
const char* homePage();
// TAVRIN_EMAIL: the address the end window's e-mail link writes to; empty: none.
const char* email();

} // namespace tavrin::config
