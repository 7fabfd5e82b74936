#pragma once

#include "books/SectionRegistry.h"

#include <functional>

class Dataset;
class PromptPort;
class TFDM;

// What every section of both books does on saving and after saving.
namespace SectionLink {

// Ties the section row to the open book's current card, after the section's
// own rules have passed. Without a stored card (never saved) the row cannot
// be kept: catalog a51 is shown, the input is discarded and the save stops
// (Abort). `always`: members, temporary residents, housing and trade premises
// take the household's ID every time; the other sections only when empty.
void linkToCard(Dataset &row, const SectionInfo &section, Book book, TFDM &fdm, PromptPort &port,
                bool always);

// The reread after a save: reopen the section with the same card, return to
// the same position and write the log line. Errors here change nothing the
// user could act on, so they are swallowed.
void rereadAfterSave(Dataset &row);

// Deletes the rows of every section of `book` that hang on card `cardId`, in
// the operation of the card's own deletion (so all of it goes, or none).
void deleteSectionsOfCard(TFDM &fdm, Book book, const QVariant &cardId);

// Until a section's own rules are installed, saving a row links it to the
// card and rereads the section afterwards.
void installDefaults(TFDM &fdm, PromptPort &port, std::function<Book()> openBook);

} // namespace SectionLink
