#pragma once
// The four-character short name of a jockey in the horse table of the odds text.

#include <string>
#include <string_view>

namespace mirtote::pat {

// Short name from the jockey record's family-name and given-name fields (8 full-width
// characters each, padded with "　"): family name and as much of the given name as fits in
// four characters; a foreign jockey's initials ("Ｍ．") are dropped.
std::string JockeyShortName(std::string_view family_name, std::string_view given_name);

}  // namespace mirtote::pat
