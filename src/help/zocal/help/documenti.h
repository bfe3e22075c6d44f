#pragma once

#include "zocal/help/listino.h"
#include "zocal/help/testi.h"
#include "zocal/report/scrittore.h"

#include <string>
#include <vector>

namespace zocal {

// The documents of the help and of the price list, written through the
// report's writer. None of them saves: whoever asked for the document does.

// One help page: the program's name at 20 points, its subtitle and
// "Guida: " with the title at 16, the text at 12, all justified.
void stampaguida(ScrittoreRelazione& scrittore, const std::string& titolo,
                 const std::string& testo);

// The terms of use in the same layout, headed by the page's own title.
void stampalicenza(ScrittoreRelazione& scrittore, const PaginaTesto& pagina);

// Every page given, in that order, one a page, under one heading with the
// program's name and subtitle; justified.
void guidacompleta(ScrittoreRelazione& scrittore, const std::vector<PaginaTesto>& pagine);

// The price list as a table of number, name, topic and the two prices
// ("1.234,50"), the price columns right-aligned.
void stampalistino(ScrittoreRelazione& scrittore, const Listino& listino);

// The all-pages document's name, "Zocal-guida.docx", and where it goes:
// the folder of the current job file, else the Documents folder.
std::string nomeguida();
std::string percorsoguida(const std::string& filedati);

// A page's text as the writer wants it: a paragraph ends with CR.
std::string testodocumento(std::string_view testo);

} // namespace zocal
