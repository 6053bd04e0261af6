// Writer of the XML data packet, declared as windows-1250 so that the text goes out as it is
// held. Names that are not plain XML names get an attribute name of their own and keep the
// original in "fieldname".
#include <algorithm>
#include <set>

#include "platform/dataset/base64.h"
#include "platform/dataset/table.h"
#include "platform/dataset/xml_format.h"
#include "platform/text/error.h"

namespace expo::ds {
namespace {

bool isNameChar(char c, bool first) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    return letter || (!first && ((c >= '0' && c <= '9') || c == '-' || c == '.'));
}

std::string xmlName(const std::string& name) {
    std::string out = name.empty() ? "_" : name;
    for (size_t i = 0; i < out.size(); ++i) {
        if (!isNameChar(out[i], i == 0)) {
            out[i] = '_';
        }
    }
    return out;
}

// Attribute value text: markup characters and control characters as references.
void appendEscaped(std::string& out, std::string_view s) {
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char ref[8];
                    std::snprintf(ref, sizeof ref, "&#%03d;", c);
                    out += ref;
                } else {
                    out.push_back(c);
                }
        }
    }
}

void appendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendEscaped(out, value);
    out += '"';
}

std::string fieldType(const FieldDef& def) {
    const FieldType base = def.type == FieldType::FixedString ? FieldType::String
                           : def.type == FieldType::Memo      ? FieldType::Blob
                                                              : def.type;
    const int size = def.type == FieldType::Integer && def.size != 0 ? def.size : 4;
    for (const xml::TypeName& t : xml::kTypeNames) {
        if (t.type == base && (base != FieldType::Integer || t.size == size)) {
            return std::string(t.fieldtype);
        }
    }
    throw Error("Field '" + def.name + "': integers are 1, 2, 4 or 8 bytes");
}

class Writer {
  public:
    std::string write(const Table& t) {
        out_ =
            "<?xml version=\"1.0\" encoding=\"windows-1250\" standalone=\"yes\"?>  "
            "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
        std::set<std::string> taken;
        for (const Column& c : t.columns) {
            writeField(c.def(), taken);
        }
        out_ += "</FIELDS><PARAMS/></METADATA><ROWDATA>";
        for (size_t r = 0; r < t.rowCount; ++r) {
            writeRow(t, r);
        }
        out_ += "</ROWDATA></DATAPACKET>";
        return std::move(out_);
    }

  private:
    void writeField(const FieldDef& def, std::set<std::string>& taken) {
        std::string attr = xmlName(def.name);
        for (int n = 2; taken.count(attr) != 0; ++n) {
            attr = xmlName(def.name) + "_" + std::to_string(n);
        }
        taken.insert(attr);
        attrNames_.push_back(attr);
        out_ += "<FIELD";
        appendAttribute(out_, "attrname", attr);
        if (attr != def.name) {
            appendAttribute(out_, "fieldname", def.name);
        }
        appendAttribute(out_, "fieldtype", fieldType(def));
        if (def.type == FieldType::FixedString) {
            appendAttribute(out_, "SUBTYPE", "FixedChar");
        } else if (def.type == FieldType::Memo) {
            appendAttribute(out_, "SUBTYPE", "Text");
        } else if (def.type == FieldType::Blob) {
            appendAttribute(out_, "SUBTYPE", "Binary");
        }
        if (def.type != FieldType::Integer && def.size > 0) {
            const int width = def.type == FieldType::WideString ? 2 * def.size : def.size;
            appendAttribute(out_, "WIDTH", std::to_string(width));
        }
        if (def.required) {
            appendAttribute(out_, "required", "true");
        }
        out_ += "/>";
    }

    void writeRow(const Table& t, size_t r) {
        out_ += "<ROW";
        for (size_t i = 0; i < t.columns.size(); ++i) {
            const Column& c = t.columns[i];
            if (c.isNull(r)) {
                continue;
            }
            switch (c.storage()) {
                case Storage::Bytes:
                    appendAttribute(out_, attrNames_[i],
                                    c.def().type == FieldType::Blob ? base64Encode(c.bytes(r))
                                                                    : std::string(c.bytes(r)));
                    break;
                case Storage::Real:
                    appendAttribute(out_, attrNames_[i], xml::formatReal(c.real(r)));
                    break;
                case Storage::Number:
                    appendAttribute(out_, attrNames_[i],
                                    xml::formatValue(c.def().type, c.number(r)));
                    break;
            }
        }
        out_ += "/>";
    }

    std::string out_;
    std::vector<std::string> attrNames_;
};

}  // namespace

std::string writeXmlTable(const Table& t) {
    checkIntegerWidths(t);
    return Writer().write(t);
}

}  // namespace expo::ds
