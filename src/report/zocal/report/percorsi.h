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

// Where documents go with no job file open: the Documents folder, created
// when missing; when it cannot be, the home folder, and `avviso` (when given)
// tells the user so, in Italian.
std::filesystem::path cartelladocumenti(const std::filesystem::path& documenti,
                                        const std::filesystem::path& casa,
                                        std::string* avviso = nullptr);

// Where documents go: the folder of the current job file, or with none the
// user's Documents folder as above.
std::filesystem::path cartelladocumenti(const std::string& filedati, std::string* avviso = nullptr);

// The report's file for the current job file and committente.
std::string percorsorelazione(const std::string& filedati, std::string_view committente,
                              std::string* avviso = nullptr);

// The user's configuration folder, where "StudioZocal.TXT" is looked for first.
std::filesystem::path cartellaconfigurazione();

// The PDF beside a document: its ".docx" becomes ".pdf", any other name gets ".pdf" added.
std::string percorsopdf(const std::string& docx);

// Where "StudioZocal.TXT" is looked for, in order: the user's configuration
// folder, then the program's folder and its installed data folder.
std::vector<std::filesystem::path> percorsistudio();

} // namespace zocal
