#pragma once
// Race codes to the Japanese words of the reports, and the digit-width conversion.

#include <string>
#include <string_view>

namespace mirtote::vocab {

// "TYAKUSA" + three-character margin code -> five-column text; empty for an unknown key.
std::string MarginText(std::string_view key);
// "YOUBI" / "TENKOU" / "BABA" + one-digit code -> weekday, weather, going; empty if unknown.
std::string DayWeatherGoingText(std::string_view key);
// Three-character class code -> class text ("オープン", "５００万下", ...).
std::string RaceClassText(std::string_view code);
// Two-character race type code -> "サラ系３歳" ...; "（不明）" for any other code.
std::string RaceTypeText(std::string_view code);
// One character: ASCII digit <-> full-width digit, ASCII space -> "　"; anything else "".
std::string FlipDigitWidth(std::string_view character);
// Every character of `digits` through FlipDigitWidth, joined.
std::string FullWidthDigits(std::string_view digits);

}  // namespace mirtote::vocab
