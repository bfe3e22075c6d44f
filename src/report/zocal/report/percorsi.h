#pragma once

#include "zocal/report/composizione.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// A text made fit for a file name: "/ \ : * ? " < > |" and control
// characters become "_"; cut (on a character boundary) so that the name
// stays within what file systems allow.
std::string nomesicuro(std::string_view testo, std::size_t massimo = 200);

// "Zocal-RelazioneZocal-" + committente + ".docx".
std::string nomerelazione(std::string_view committente);

// Where documents go: the folder of the current job file, or the user's
// Documents folder when no job file is open.
std::filesystem::path cartelladocumenti(const std::string& filedati);

// The report's file for the current job file and committente.
std::string percorsorelazione(const std::string& filedati, std::string_view committente);

// The PDF beside a document: its ".docx" becomes ".pdf", any other name gets ".pdf" added.
std::string percorsopdf(const std::string& docx);

// Where "StudioZocal.TXT" is looked for, in order: the user's configuration
// folder, then the program's folder and its installed data folder.
std::vector<std::filesystem::path> percorsistudio();

} // namespace zocal
