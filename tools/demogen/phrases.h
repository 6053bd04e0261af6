#pragma once
// Phrases in the five user-interface languages from which the generator writes the catalogue's
// texts. Placeholders in braces ({name}, {year}, ...) are filled by `fill`.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "tools/demogen/codelist.h"

namespace expo::demogen {

using Phrase = std::array<std::string_view, 5>;

std::span<const Phrase> sectionNames();       // the fair's eight sections, in SEKCE_ID order
std::span<const Phrase> descriptionLines();   // company description, one line each, in order
std::span<const Phrase> publicNotes();        // short notes beside the company name
std::span<const Phrase> additionalInfo();     // certificates, memberships and the like
std::span<const Phrase> nomenclatureNotes();  // an exhibitor's words on one of its fields
// Exhibit descriptions for fields of `kind`: {product} is the field's name, {model} a model code
// and {percent} a number, where the kind's phrases use them.
std::span<const Phrase> exhibitTexts(FieldKind kind);

// The phrase with every "{key}" replaced by its value.
std::string fill(std::string_view phrase,
                 std::initializer_list<std::pair<std::string_view, std::string>> values);

}  // namespace expo::demogen
