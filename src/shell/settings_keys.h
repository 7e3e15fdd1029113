#pragma once
// Names of the settings store: sections, keys and the values the program writes.

namespace mirtote::keys {

inline constexpr const char* kStartup = "Startup";
inline constexpr const char* kForm = "Form";

// Section Startup
inline constexpr const char* kPatType = "PatType";
inline constexpr const char* kFileExtType = "FileExtType";
inline constexpr const char* kOddsFileType = "OddsFileType";
inline constexpr const char* kOddsTeam = "OddsTeam";
inline constexpr const char* kStartTime = "StartTime";
inline constexpr const char* kEndTime = "EndTime";
inline constexpr const char* kJravanFolder = "JravanFolder";
inline constexpr const char* kOddsLogFolder = "OddsLogFolder";
inline constexpr const char* kPatFileFolder = "PatFileFolder";
inline constexpr const char* kTargetFolder = "TargetFolder";
inline constexpr const char* kCsvFolder = "CsvFolder";
inline constexpr const char* kPatInstFolder = "PatInstFolder";
inline constexpr const char* kEnvironment = "Environment";
// "0" keeps no odds history; "1" (also when never stored) records every snapshot.
inline constexpr const char* kOddsHistory = "OddsHistory";
// "1": the PAT run dialog runs again after every fetch of PAT ("0" or never stored: it does not).
inline constexpr const char* kAutoRun = "AutoRun";

// Section Form: main window placement
inline constexpr const char* kTop = "Top";
inline constexpr const char* kLeft = "Left";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kState = "State";

}  // namespace mirtote::keys
