// Reader of the XML data packet: DATAPACKET / METADATA / FIELDS / FIELD describe the columns,
// ROWDATA / ROW carry one attribute per non-null value.
#include <iconv.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/dataset/base64.h"
#include "platform/dataset/binary_format.h"
#include "platform/dataset/table.h"
#include "platform/dataset/xml_format.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::ds {
namespace {

// The encoding named in the XML declaration, lower case; empty when none is declared.
std::string declaredEncoding(std::string_view doc) {
    if (doc.substr(0, 5) != "<?xml") {
        return {};
    }
    const std::string_view decl = doc.substr(0, doc.find("?>"));
    const size_t key = decl.find("encoding");
    if (key == std::string_view::npos) {
        return {};
    }
    const size_t open = decl.find_first_of("\"'", key);
    if (open == std::string_view::npos) {
        return {};
    }
    const size_t close = decl.find(decl[open], open + 1);
    if (close == std::string_view::npos) {
        return {};
    }
    return text::asciiLower(decl.substr(open + 1, close - open - 1));
}

bool isUtf8Name(std::string_view encoding) {
    return encoding == "utf-8" || encoding == "utf8";
}

bool isCp1250Name(std::string_view encoding) {
    return encoding == "windows-1250" || encoding == "cp1250" || encoding == "x-cp1250";
}

// The bytes of a document in the 8-bit `encoding` as UTF-8; nullopt when the system does not
// know the encoding, or the bytes are not text in it.
std::optional<std::string> recodeToUtf8(std::string_view bytes, const std::string& encoding) {
    const iconv_t cd = iconv_open("UTF-8", encoding.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, &iconv_close);
    std::string in(bytes);
    std::string out(4 * bytes.size() + 16, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

class Reader {
  public:
    Reader(std::string_view bytes, const std::string& source) : source_(source) { parse(bytes); }

    Table read() {
        const pugi::xml_node root = doc_.child("DATAPACKET");
        if (!root) {
            fail("not a data packet (no DATAPACKET element)");
        }
        const pugi::xml_node fields = root.child("METADATA").child("FIELDS");
        if (!fields) {
            fail("the packet has no METADATA/FIELDS element");
        }
        Table table;
        for (const pugi::xml_node field : fields.children("FIELD")) {
            readField(field, table);
        }
        for (const pugi::xml_node row : root.child("ROWDATA").children("ROW")) {
            ++rowNumber_;
            readRow(row, table);
        }
        for (Column& c : table.columns) {
            c.shrinkToFit();
        }
        return table;
    }

  private:
    [[noreturn]] void fail(const std::string& problem) const {
        std::string where;
        if (rowNumber_ > 0) {
            where = " (row " + std::to_string(rowNumber_) + ")";
        }
        throw Error(source_ + ": " + problem + where);
    }

    // Values end up in code page 1250. A document is read in the encoding its declaration
    // names; one that declares none is read as UTF-8 when it is valid UTF-8 and as code page
    // 1250 otherwise; UTF-16 is recognised by its byte order mark.
    void parse(std::string_view bytes) {
        pugi::xml_encoding encoding = pugi::encoding_utf8;
        std::string converted;
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
            bytes.remove_prefix(3);
        } else if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
            encoding = pugi::encoding_auto;
        } else {
            const std::string declared = declaredEncoding(bytes);
            if (isCp1250Name(declared) || (declared.empty() && !text::isValidUtf8(bytes))) {
                converted = text::cp1250ToUtf8(bytes);
                bytes = converted;
            } else if (!declared.empty() && !isUtf8Name(declared)) {
                std::optional<std::string> recoded = recodeToUtf8(bytes, declared);
                if (!recoded) {
                    fail("the text is not in the encoding '" + declared +
                         "' that the document declares, or that encoding is unknown");
                }
                converted = std::move(*recoded);
                bytes = converted;
            }
        }
        const pugi::xml_parse_result result =
            doc_.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, encoding);
        if (!result) {
            fail(std::string("malformed XML: ") + result.description() + " at offset " +
                 std::to_string(result.offset));
        }
    }

    void readField(const pugi::xml_node field, Table& table) {
        const std::string_view type = field.attribute("fieldtype").as_string();
        const std::string attrName = field.attribute("attrname").as_string();
        if (attrName.empty()) {
            fail("a FIELD has no attrname");
        }
        const auto* known =
            std::find_if(std::begin(xml::kTypeNames), std::end(xml::kTypeNames),
                         [&](const xml::TypeName& t) { return t.fieldtype == type; });
        if (known == std::end(xml::kTypeNames)) {
            return;  // nested datasets and types not decoded here (BCD, ...) are read past
        }
        FieldDef def;
        const pugi::xml_attribute fieldName = field.attribute("fieldname");
        def.name = text::utf8ToCp1250(fieldName ? fieldName.as_string() : attrName);
        def.type = known->type;
        def.size = known->size;
        def.required = std::string_view(field.attribute("required").as_string()) == "true";
        const std::string_view subtype = field.attribute("SUBTYPE").as_string();
        const int width = readWidth(field, attrName);
        if (def.type == FieldType::String && subtype == binary::kFixedChar) {
            def.type = FieldType::FixedString;
        }
        if (def.type == FieldType::Blob && binary::isMemoSubtype(subtype)) {
            def.type = FieldType::Memo;
        }
        if (def.type != FieldType::Integer) {
            def.size = def.type == FieldType::WideString ? width / 2 : width;
        }
        columnByAttr_.emplace(attrName, table.columns.size());
        table.columns.emplace_back(std::move(def));
    }

    int readWidth(const pugi::xml_node field, const std::string& attrName) {
        const pugi::xml_attribute width = field.attribute("WIDTH");
        if (!width) {
            return 0;
        }
        const auto v = xml::parseValue(FieldType::Integer, width.as_string());
        if (!v || *v < 0 || *v > 0x7FFFFFFF) {
            fail("field '" + attrName + "' has a bad WIDTH '" + width.as_string() + "'");
        }
        return static_cast<int>(*v);
    }

    void readRow(const pugi::xml_node row, Table& table) {
        if ((row.attribute("RowState").as_int() & xml::kHiddenRowState) != 0) {
            return;
        }
        values_.assign(table.columns.size(), nullptr);
        for (const pugi::xml_attribute a : row.attributes()) {
            const auto it = columnByAttr_.find(a.name());
            if (it != columnByAttr_.end()) {
                values_[it->second] = a.value();
            }
        }
        for (size_t c = 0; c < table.columns.size(); ++c) {
            if (values_[c] == nullptr) {
                table.columns[c].appendNull();
            } else {
                appendValue(table.columns[c], values_[c]);
            }
        }
        ++table.rowCount;
    }

    void appendValue(Column& column, std::string_view value) {
        const FieldType type = column.def().type;
        const auto bad = [&] {
            fail("field '" + column.def().name + "': '" + std::string(value.substr(0, 40)) +
                 "' is not a valid " + fieldTypeName(type) + " value");
        };
        switch (storageOf(type)) {
            case Storage::Bytes:
                if (type == FieldType::Blob) {
                    const auto bytes = base64Decode(value);
                    if (!bytes) {
                        bad();
                    }
                    column.appendBytes(*bytes);
                } else {
                    column.appendBytes(text::utf8ToCp1250(value));
                }
                return;
            case Storage::Real: {
                const auto v = xml::parseReal(value);
                if (!v) {
                    bad();
                }
                column.appendReal(*v);
                return;
            }
            case Storage::Number: {
                const auto v = xml::parseValue(type, value);
                if (!v) {
                    bad();
                }
                column.appendNumber(*v);
                return;
            }
        }
    }

    const std::string& source_;
    pugi::xml_document doc_;
    std::unordered_map<std::string, size_t> columnByAttr_;
    std::vector<const char*> values_;  // the row being read, by column
    size_t rowNumber_ = 0;
};

}  // namespace

Table readXmlTable(std::string_view bytes, const std::string& source) {
    return Reader(bytes, source).read();
}

}  // namespace expo::ds
