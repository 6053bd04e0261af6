#pragma once
// The nomenclature code list of the demo fair: fifteen groups of nine fields each, named in the
// five user-interface languages.
#include <span>
#include <string_view>

namespace expo::demogen {

struct Code {
    std::string_view code;      // "01" for a group, "01.03" for a field of it
    std::string_view names[5];  // by user-interface language, UTF-8
};

std::span<const Code> codeList();
// "0103" for "01.03": the code list's sort key.
std::string codeSortKey(std::string_view code);
// Section of the fair that a group's exhibitors belong to.
int sectionOfGroup(int group);  // group 1..15

// What a field's exhibits are, which decides the words they are described with.
enum class FieldKind {
    Machinery,  // machines, instruments, vehicles: series, energy use, diagnostics
    Goods,      // materials, tools, furniture, packaging: ranges, sizes, materials
    Food,       // food and drink: ingredients and recipes, no model codes
    Service,    // services, schools, research: offers and consultations
};
// The kind of the field `code` ("01.03"); a group code gives its group's usual kind.
FieldKind fieldKind(std::string_view code);

}  // namespace expo::demogen
