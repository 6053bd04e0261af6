#pragma once
// The files the main window shows in its browsers, named as the browser control takes them
// (code page 1250): pages of the disc, and the pages it writes into its private folder.
#include <string>
#include <string_view>

namespace expo::presentation {

// A path in the file system's encoding, as the browser control takes it.
std::string browserTarget(const std::string& path);

// A page named by the settings ("stranky\uvod.htm", blanks around it left out), found below the
// program's folder whatever its letter case.
std::string discPageTarget(std::string_view cp1250Name);

// The path of a page the program writes ("temp.html", "temp_path.html") in its private
// temporary folder, in the file system's encoding; a fresh folder of its own takes that folder's
// place for the rest of the run once it cannot be used. Throws expo::Error when neither can.
std::string privatePagePath(std::string_view fileName);
// Why the pages went to a fresh folder, the first time it is asked after that happened;
// otherwise empty.
std::string takePrivateFolderNotice();

}  // namespace expo::presentation
