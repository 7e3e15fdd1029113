#pragma once
// A complete start folder for trying every command on the sample meeting:
//
//   LZH/JV980509.LZH     the weekend's race cards, horses, jockeys and trainers, as the data
//                        service delivers them (JRA#DEN1.DAT, JRA#UMAJ.DAT, JRA#KISI.DAT,
//                        JRA#CHOK.DAT)
//   LZH/SE980510.LZH     the weekend's results (JRA#SEI1.DAT)
//   DATA/, SEISEKI/      the same, as the extraction leaves them (written here by the
//                        sample's own writers, so that extracting again can be checked)
//   PAT/                 the PAT installation folder: Sunday's ZO/UO odds files and KS
//                        result files of both venues
//   LOG/KORVAN0510.ODS   a forum odds log of Sunday's races, as posted from those files
//   TARGET/OD980510.CSV  TARGET's odds file of Sunday's races
//   PSEUDO/              where the conversions put their pseudo-PAT files; it starts with
//                        copies of the PAT folder's odds files
//   MIR_TOTE.HLP         the help file (copied from `help_file` when given)
//   MIR_TOTE.ini         the settings: the six folder settings point into the folder
//
// The folder settings are absolute, as a user's are: generate the folder where it is used.

#include <filesystem>
#include <string>

namespace mirtote::sample {

struct StartFolderRequest {
  std::filesystem::path start;      // created when missing; existing files are replaced
  std::filesystem::path help_file;  // empty: no help file
};

struct StartFolderResult {
  bool ok = false;
  std::string error;  // why the folder could not be written
};

StartFolderResult WriteSampleStartFolder(const StartFolderRequest& request);

}  // namespace mirtote::sample
