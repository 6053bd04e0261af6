// Writer of the binary data packet, in the layout the reader expects: WIDTH and SUBTYPE column
// parameters, no dataset parameters, every row in the current view.
#include <algorithm>
#include <bit>
#include <cmath>

#include "platform/dataset/binary_format.h"
#include "platform/dataset/table.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::ds {
namespace {

using namespace binary;

class Writer {
  public:
    std::string write(const Table& t) {
        if (t.columns.size() > 0xFFFF || t.rowCount > 0xFFFFFFFFu) {
            throw Error("Too many fields or rows for a data packet");
        }
        put(kMagic, 4);
        put(1, 2);  // version 1.0
        put(0, 2);
        put(kHeaderSize, 4);
        put(t.columns.size(), 2);
        put(t.rowCount, 4);
        const size_t propertiesAt = out_.size();
        put(0, 6);  // properties and data offset, known once the descriptors are written
        for (const Column& c : t.columns) {
            writeDescriptor(c);
        }
        put(0, 2);  // no dataset parameters
        const size_t dataOffset = out_.size();
        const bool offsetFits = dataOffset <= 0xFFFF;
        patch(propertiesAt, kHasMetadata | (offsetFits ? kDataOffsetValid : 0), 4);
        patch(propertiesAt + 4, offsetFits ? dataOffset : 0, 2);
        for (size_t r = 0; r < t.rowCount; ++r) {
            writeRow(t, r);
        }
        return std::move(out_);
    }

  private:
    void put(uint64_t v, size_t width) {
        for (size_t i = 0; i < width; ++i) {
            out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    }
    void patch(size_t at, uint64_t v, size_t width) {
        for (size_t i = 0; i < width; ++i) {
            out_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    }
    void putName(const std::string& name) {
        if (name.size() > 255) {
            throw Error("Field name longer than 255 bytes: " + name);
        }
        put(name.size(), 1);
        out_ += name;
    }

    // Declared width in bytes of a varying text field: its size, or when that is not given,
    // its longest value.
    static size_t declaredBytes(const Column& c) {
        size_t chars = c.def().size > 0 ? static_cast<size_t>(c.def().size) : 1;
        if (c.def().size <= 0) {
            for (size_t r = 0; r < c.size(); ++r) {
                chars = std::max(chars, c.bytes(r).size());
            }
        }
        return c.def().type == FieldType::WideString ? 2 * chars : chars;
    }
    // The length prefix is one byte below 255 declared bytes, else two.
    static uint32_t prefixWidth(size_t declaredBytes) { return declaredBytes < 255 ? 1 : 2; }

    void writeDescriptor(const Column& c) {
        const FieldDef& def = c.def();
        putName(def.name);
        std::string subtype;
        bool width = false;
        size_t widthBytes = static_cast<size_t>(std::max(def.size, 0));
        uint32_t prefix = 4;
        switch (def.type) {
            case FieldType::Integer: {
                const uint32_t size = def.size == 0 ? 4 : static_cast<uint32_t>(def.size);
                put(typeWord(kCodeSigned, size), 4);
                break;
            }
            case FieldType::Boolean:
                put(typeWord(kCodeBoolean, 2), 4);
                break;
            case FieldType::Float:
                put(typeWord(kCodeFloat, 8), 4);
                break;
            case FieldType::Date:
                put(typeWord(kCodeDate, 4), 4);
                break;
            case FieldType::Time:
                put(typeWord(kCodeTime, 4), 4);
                break;
            case FieldType::Timestamp:
                put(typeWord(kCodeTimestamp, 8), 4);
                break;
            case FieldType::String:
            case FieldType::FixedString:
            case FieldType::WideString: {
                const uint32_t code =
                    def.type == FieldType::WideString ? kCodeWideString : kCodeString;
                widthBytes = declaredBytes(c);
                prefix = prefixWidth(widthBytes);
                put(typeWord(code, prefix, kVarying), 4);
                if (def.type == FieldType::FixedString) {
                    subtype = kFixedChar;
                }
                width = true;
                break;
            }
            case FieldType::Memo:
            case FieldType::Blob:
                put(typeWord(kCodeBytes, 4, kVarying), 4);
                subtype = def.type == FieldType::Memo ? "Text" : "Binary";
                width = def.size > 0;
                break;
        }
        prefixes_.push_back(prefix);
        put(def.required ? kRequired : 0, 2);
        put(int{!subtype.empty()} + int{width}, 2);
        if (!subtype.empty()) {
            putName("SUBTYPE");
            put(typeWord(kCodeString, 2, kVarying), 4);
            put(subtype.size() + 1, 2);
            out_ += subtype;
            out_.push_back('\0');
        }
        if (width) {
            if (widthBytes > 0xFFFF) {
                throw Error("Field '" + def.name + "': width above 65535");
            }
            putName("WIDTH");
            put(typeWord(kCodeUnsigned, 2), 4);
            put(widthBytes, 2);
        }
    }

    void writeRow(const Table& t, size_t r) {
        put(0, 1);  // status: unmodified
        std::string bitmap(bitmapBytes(t.columns.size()), '\0');
        for (size_t i = 0; i < t.columns.size(); ++i) {
            if (t.columns[i].isNull(r)) {
                bitmap[i / 4] = static_cast<char>(bitmap[i / 4] | kBlankNull << (2 * (i % 4)));
            }
        }
        out_ += bitmap;
        for (size_t i = 0; i < t.columns.size(); ++i) {
            if (!t.columns[i].isNull(r)) {
                writeValue(t.columns[i], r, prefixes_[i]);
            }
        }
    }

    void writeValue(const Column& c, size_t r, uint32_t prefix) {
        const FieldDef& def = c.def();
        switch (def.type) {
            case FieldType::Integer:
                return put(static_cast<uint64_t>(c.number(r)), def.size == 0 ? 4 : def.size);
            case FieldType::Boolean:
                return put(c.number(r) != 0 ? 1 : 0, 2);
            case FieldType::Float:
                return put(std::bit_cast<uint64_t>(c.real(r)), 8);
            case FieldType::Date:
            case FieldType::Time:
                return put(static_cast<uint64_t>(c.number(r)), 4);
            case FieldType::Timestamp:
                return put(std::bit_cast<uint64_t>(static_cast<double>(c.number(r))), 8);
            case FieldType::String:
            case FieldType::FixedString:
                return putVarying(c, c.bytes(r), prefix);
            case FieldType::WideString:
                return putVarying(c, toUtf16(c.bytes(r)), prefix);
            case FieldType::Memo:
            case FieldType::Blob:
                return putVarying(c, c.bytes(r), prefix);
        }
    }

    void putVarying(const Column& c, std::string_view bytes, uint32_t prefix) {
        if (prefix < 4 && bytes.size() >= (size_t{1} << (8 * prefix))) {
            throw Error("Field '" + c.def().name + "': a value of " + std::to_string(bytes.size()) +
                        " bytes is longer than its width");
        }
        put(bytes.size(), prefix);
        out_ += bytes;
    }

    static std::string toUtf16(std::string_view cp1250) {
        std::string out;
        out.reserve(2 * cp1250.size());
        for (char ch : cp1250) {
            const char32_t u = text::cp1250ToUnicode(static_cast<unsigned char>(ch));
            out.push_back(static_cast<char>(u & 0xFF));
            out.push_back(static_cast<char>(u >> 8));
        }
        return out;
    }

    std::string out_;
    std::vector<uint32_t> prefixes_;  // length prefix width of each column
};

}  // namespace

std::string writeBinaryTable(const Table& t) {
    checkIntegerWidths(t);
    return Writer().write(t);
}

}  // namespace expo::ds
