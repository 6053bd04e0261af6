// Reader of the binary data packet: a 24-byte header, the column descriptors with their
// parameters, the dataset parameters, then the rows (status byte, null bitmap, values).
// Every length and count is checked against the bytes that remain before it is used. Nested
// datasets and columns of types not decoded here (BCD and the like) are read past and left out.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "platform/dataset/binary_format.h"
#include "platform/dataset/table.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::ds {
namespace {

using namespace binary;

constexpr int kMaxNesting = 8;

enum class Decode {
    Signed,
    Unsigned,
    Boolean,
    Float64,
    Float32,
    Date,
    Time,
    Timestamp,
    SqlTimestamp,
    Text8,
    Text16,
    Bytes,
    WideMemo,
    Nested,
    Skip,  // a type this reader does not decode (BCD, ...): read past by its width
};

bool isKept(Decode d) {
    return d != Decode::Nested && d != Decode::Skip;
}

struct Layout {
    Decode decode = Decode::Signed;
    uint32_t size = 0;  // fixed width, or width of the length prefix when varying
    bool varying = false;
    FieldDef def;  // the column it becomes (not used for nested datasets)
    std::vector<Layout> children;
};

struct Params {
    std::string subtype;
    int width = -1;
};

// A quick walk over the rows that adds up the bytes each column's visible values will take
// (UTF-16 text at one byte a unit, which is at most what it becomes). It stops quietly at
// anything out of order, which the reader that follows reports: its sums are only a guide.
class ByteSizer {
  public:
    ByteSizer(std::string_view data, size_t pos) : data_(data), pos_(pos) {}

    std::vector<uint64_t> measure(const std::vector<Layout>& layouts, uint32_t rowCount) {
        std::vector<uint64_t> sizes(layouts.size(), 0);
        for (uint32_t r = 0; r < rowCount && walkRow(layouts, &sizes, 0); ++r) {
        }
        return sizes;
    }

  private:
    bool skip(uint64_t n) {
        if (n > data_.size() - pos_) {
            return false;
        }
        pos_ += n;
        return true;
    }
    bool le(size_t width, uint64_t& v) {
        if (width > data_.size() - pos_) {
            return false;
        }
        v = 0;
        for (size_t i = width; i-- > 0;) {
            v = (v << 8) | static_cast<unsigned char>(data_[pos_ + i]);
        }
        pos_ += width;
        return true;
    }

    bool walkRow(const std::vector<Layout>& layouts, std::vector<uint64_t>* sizes, int depth) {
        uint64_t status = 0;
        const size_t bitmapSize = bitmapBytes(layouts.size());
        if (!le(1, status) || bitmapSize > data_.size() - pos_) {
            return false;
        }
        const std::string_view bitmap = data_.substr(pos_, bitmapSize);
        pos_ += bitmapSize;
        const bool visible = (status & kHiddenStatus) == 0 && depth == 0 && sizes != nullptr;
        for (size_t i = 0; i < layouts.size(); ++i) {
            const unsigned code = (static_cast<unsigned char>(bitmap[i / 4]) >> (2 * (i % 4))) & 3;
            if (code != kBlankPresent) {
                continue;
            }
            uint64_t bytes = 0;
            if (!walkValue(layouts[i], depth, bytes)) {
                return false;
            }
            if (visible) {
                (*sizes)[i] += bytes;
            }
        }
        return true;
    }

    // Reads past one value; `bytes` gets what it takes in a column.
    bool walkValue(const Layout& c, int depth, uint64_t& bytes) {
        if (c.decode == Decode::Nested) {
            uint64_t count = 0;
            if (!le(4, count)) {
                return false;
            }
            if ((count & kNestedRowsOmitted) != 0) {
                return true;
            }
            for (uint64_t r = 0; r < count; ++r) {
                if (!walkRow(c.children, nullptr, depth + 1)) {
                    return false;
                }
            }
            return true;
        }
        uint64_t length = c.size;
        if (c.varying && (!(c.size == 1 || c.size == 2 || c.size == 4) || !le(c.size, length))) {
            return false;
        }
        const size_t at = pos_;
        if (!skip(length)) {
            return false;
        }
        switch (c.decode) {
            case Decode::Text8:
                bytes = c.varying ? length
                                  : std::min<uint64_t>(length, data_.substr(at, length).find('\0'));
                break;
            case Decode::Text16:
            case Decode::WideMemo:
                bytes = length / 2;
                break;
            case Decode::Bytes:
                bytes = length;
                break;
            default:
                break;
        }
        return true;
    }

    std::string_view data_;
    size_t pos_;
};

class Reader {
  public:
    Reader(std::string_view data, const std::string& source, const ReadProgress& progress)
        : data_(data), source_(source), progress_(progress) {}

    Table read() {
        if (data_.size() < kHeaderSize) {
            fail("too short for a data packet (" + std::to_string(data_.size()) + " bytes)");
        }
        const uint32_t magic = u32();
        if (magic == kMagicSwapped) {
            fail("big-endian data packets are not supported");
        }
        if (magic != kMagic) {
            fail("not a data packet (wrong magic number)");
        }
        u16();  // major version: 1 and 2 share the layout
        u16();  // minor version
        const uint32_t headerSize = u32();
        const uint16_t columnCount = u16();
        const uint32_t rowCount = u32();
        const uint32_t properties = u32();
        const uint16_t dataOffset = u16();
        if (headerSize < kHeaderSize || headerSize > data_.size()) {
            fail("header size " + std::to_string(headerSize) + " is out of range");
        }
        if ((properties & kHasMetadata) == 0) {
            fail("the packet carries no field descriptors");
        }
        pos_ = headerSize;
        const std::vector<Layout> layouts = readColumns(columnCount, 0);
        readParams();
        if ((properties & kDataOffsetValid) != 0 && dataOffset != pos_) {
            fail("the rows are said to start at offset " + std::to_string(dataOffset) +
                 " but the descriptors end at offset " + std::to_string(pos_));
        }
        return readRows(layouts, rowCount);
    }

  private:
    [[noreturn]] void fail(const std::string& problem) const {
        std::string where = " (offset " + std::to_string(pos_);
        if (row_ > 0) {
            where += ", row " + std::to_string(row_);
        }
        if (field_ != nullptr) {
            where += ", field '" + field_->def.name + "'";
        }
        throw Error(source_ + ": " + problem + where + ")");
    }

    void need(uint64_t n) {
        if (n > data_.size() - pos_) {
            fail("data packet truncated: " + std::to_string(n) + " bytes needed, " +
                 std::to_string(data_.size() - pos_) + " left");
        }
    }
    std::string_view take(uint64_t n) {
        need(n);
        const std::string_view s = data_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    uint64_t le(size_t width) {
        const std::string_view s = take(width);
        uint64_t v = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // The widths the packets use, each a plain load rather than a call to memcpy.
            switch (width) {
                case 1:
                    return static_cast<unsigned char>(s[0]);
                case 2: {
                    uint16_t w = 0;
                    std::memcpy(&w, s.data(), 2);
                    return w;
                }
                case 4: {
                    uint32_t w = 0;
                    std::memcpy(&w, s.data(), 4);
                    return w;
                }
                case 8:
                    std::memcpy(&v, s.data(), 8);
                    return v;
                default:
                    break;
            }
        }
        for (size_t i = width; i-- > 0;) {
            v = (v << 8) | static_cast<unsigned char>(s[i]);
        }
        return v;
    }
    uint8_t u8() { return static_cast<uint8_t>(le(1)); }
    uint16_t u16() { return static_cast<uint16_t>(le(2)); }
    uint32_t u32() { return static_cast<uint32_t>(le(4)); }
    int64_t signedLe(size_t width) {
        const uint64_t v = le(width);
        const unsigned shift = 64 - 8 * static_cast<unsigned>(width);
        return static_cast<int64_t>(v << shift) >> shift;
    }
    uint64_t lengthPrefix(uint32_t width) {
        if (width != 1 && width != 2 && width != 4) {
            fail("length prefix of " + std::to_string(width) + " bytes");
        }
        return le(width);
    }

    Params readParams() {
        Params p;
        const uint16_t count = u16();
        for (uint16_t i = 0; i < count; ++i) {
            const std::string_view name = take(u8());
            const uint32_t typeWord = u32();
            const uint32_t size = typeWord & kSizeMask;
            if ((typeWord & kArray) != 0) {
                take(uint64_t{u32()} * size);
            } else if ((typeWord & kVarying) != 0) {
                std::string_view value = take(lengthPrefix(size));
                if (name == "SUBTYPE") {
                    p.subtype = std::string(value.substr(0, value.find('\0')));
                }
            } else {
                if (name == "WIDTH" && size >= 1 && size <= 4) {
                    p.width = static_cast<int>(le(size) & 0x7FFFFFFF);
                } else {
                    take(size);
                }
            }
        }
        return p;
    }

    std::vector<Layout> readColumns(uint32_t count, int depth) {
        // Each descriptor takes at least 9 bytes: refuse counts the packet cannot hold.
        need(uint64_t{count} * 9);
        std::vector<Layout> layouts;
        layouts.reserve(count);
        for (uint32_t i = 0; i < count; ++i) {
            layouts.push_back(readColumn(depth));
        }
        return layouts;
    }

    Layout readColumn(int depth) {
        Layout c;
        c.def.name = std::string(take(u8()));
        const uint32_t typeWord = u32();
        c.def.required = (u16() & kRequired) != 0;
        const Params params = readParams();
        const uint32_t code = (typeWord >> kTypeShift) & kTypeMask;
        c.size = typeWord & kSizeMask;
        c.varying = (typeWord & kVarying) != 0;
        field_ = &c;
        if ((typeWord & kEmbedded) != 0 || code == kCodeNested) {
            if (depth + 1 > kMaxNesting) {
                fail("nested datasets deeper than " + std::to_string(kMaxNesting) + " levels");
            }
            c.decode = Decode::Nested;
            c.children = readColumns(c.size, depth + 1);
            readParams();
            field_ = nullptr;
            return c;
        }
        if ((typeWord & (kArray | kPseudo)) != 0) {
            fail("structured and array fields are not supported");
        }
        describe(c, code, params);
        field_ = nullptr;
        return c;
    }

    void describe(Layout& c, uint32_t code, const Params& params) {
        const auto fixed = [&](Decode d, FieldType t, std::initializer_list<uint32_t> sizes) {
            bool ok = !c.varying;
            ok = ok && std::find(sizes.begin(), sizes.end(), c.size) != sizes.end();
            if (!ok) {
                fail("unsupported width " + std::to_string(c.size) + " of a " + fieldTypeName(t) +
                     " field");
            }
            c.decode = d;
            c.def.type = t;
        };
        const int width = params.width;
        switch (code) {
            case kCodeSigned:
            case kCodeUnsigned:
                fixed(code == kCodeSigned ? Decode::Signed : Decode::Unsigned, FieldType::Integer,
                      {1, 2, 4, 8});
                c.def.size = static_cast<int>(c.size);
                return;
            case kCodeBoolean:
                return fixed(Decode::Boolean, FieldType::Boolean, {1, 2, 4});
            case kCodeFloat:
                return fixed(Decode::Float64, FieldType::Float, {8});
            case kCodeSingle:
                return fixed(Decode::Float32, FieldType::Float, {4});
            case kCodeDate:
                return fixed(Decode::Date, FieldType::Date, {4});
            case kCodeTime:
                return fixed(Decode::Time, FieldType::Time, {4});
            case kCodeTimestamp:
                return fixed(Decode::Timestamp, FieldType::Timestamp, {8});
            case kCodeSqlTimestamp:
                return fixed(Decode::SqlTimestamp, FieldType::Timestamp, {16});
            case kCodeString:
                c.decode = Decode::Text8;
                c.def.type =
                    params.subtype == kFixedChar ? FieldType::FixedString : FieldType::String;
                c.def.size = width >= 0 ? width : (c.varying ? 0 : static_cast<int>(c.size));
                return;
            case kCodeWideString:
                c.decode = Decode::Text16;
                c.def.type = FieldType::WideString;
                c.def.size = (width >= 0 ? width : (c.varying ? 0 : static_cast<int>(c.size))) / 2;
                return;
            case kCodeBytes:
                c.decode = params.subtype == kWideText ? Decode::WideMemo : Decode::Bytes;
                c.def.type = isMemoSubtype(params.subtype) ? FieldType::Memo : FieldType::Blob;
                c.def.size = std::max(width, 0);
                return;
            default:
                c.decode = Decode::Skip;
                return;
        }
    }

    Table readRows(const std::vector<Layout>& layouts, uint32_t rowCount) {
        const uint64_t rowBytes = 1 + bitmapBytes(layouts.size());
        if (uint64_t{rowCount} * rowBytes > data_.size() - pos_) {
            fail(std::to_string(rowCount) + " rows announced, more than the packet can hold");
        }
        Table table;
        std::vector<Column*> targets;
        for (const Layout& l : layouts) {
            if (isKept(l.decode)) {
                table.columns.emplace_back(l.def);
                table.columns.back().reserve(rowCount);
            }
        }
        for (size_t i = 0, c = 0; i < layouts.size(); ++i) {
            targets.push_back(isKept(layouts[i].decode) ? &table.columns[c++] : nullptr);
        }
        // Each text and byte column gets its buffer at its final size before the values are
        // copied in, so that none is copied a second time as it grows.
        const std::vector<uint64_t> sizes = ByteSizer(data_, pos_).measure(layouts, rowCount);
        for (size_t i = 0; i < layouts.size(); ++i) {
            if (targets[i] != nullptr && sizes[i] > 0) {
                targets[i]->reserveBytes(sizes[i]);
            }
        }
        size_t reported = 0;
        for (row_ = 1; row_ <= rowCount; ++row_) {
            if (progress_ && pos_ - reported >= kProgressStep) {
                reported = pos_;  // the rows before this one are in their columns
                progress_(pos_);
            }
            if (readRow(layouts, targets, 0)) {
                ++table.rowCount;
            }
        }
        row_ = 0;
        return table;
    }

    // Reads one row; its values go to `targets` (null entries and invisible rows are read past).
    // Returns whether the row belongs to the current view.
    bool readRow(const std::vector<Layout>& layouts, const std::vector<Column*>& targets,
                 int depth) {
        const uint8_t status = u8();
        const std::string_view bitmap = take(bitmapBytes(layouts.size()));
        const bool visible = (status & kHiddenStatus) == 0 && depth == 0;
        for (size_t i = 0; i < layouts.size(); ++i) {
            Column* out = visible && i < targets.size() ? targets[i] : nullptr;
            field_ = &layouts[i];
            const unsigned code = (static_cast<unsigned char>(bitmap[i / 4]) >> (2 * (i % 4))) & 3;
            if (code == kBlankPresent) {
                readValue(layouts[i], out, depth);
            } else if (out != nullptr) {
                out->appendNull();
            }
        }
        field_ = nullptr;
        return visible;
    }

    std::string_view readBytes(const Layout& c) {
        return take(c.varying ? lengthPrefix(c.size) : c.size);
    }

    void readValue(const Layout& c, Column* out, int depth) {
        switch (c.decode) {
            case Decode::Nested: {
                const uint32_t count = u32();
                if ((count & kNestedRowsOmitted) != 0) {
                    return;
                }
                need(uint64_t{count} * (1 + bitmapBytes(c.children.size())));
                for (uint32_t r = 0; r < count; ++r) {
                    readRow(c.children, {}, depth + 1);
                }
                field_ = &c;
                return;
            }
            case Decode::Text8: {
                std::string_view s = readBytes(c);
                if (!c.varying) {
                    s = s.substr(0, s.find('\0'));
                }
                if (out != nullptr) {
                    out->appendBytes(s);
                }
                return;
            }
            case Decode::Text16:
            case Decode::WideMemo: {
                const std::string_view s = readBytes(c);
                if (out != nullptr) {
                    out->appendBytes(fromUtf16(s, !c.varying));
                }
                return;
            }
            case Decode::Skip:
                readBytes(c);
                return;
            case Decode::Bytes: {
                const std::string_view s = readBytes(c);
                if (out != nullptr) {
                    out->appendBytes(s);
                }
                return;
            }
            case Decode::Float64:
            case Decode::Float32: {
                const uint64_t bits = le(c.size);
                if (out != nullptr) {
                    out->appendReal(c.size == 8
                                        ? std::bit_cast<double>(bits)
                                        : std::bit_cast<float>(static_cast<uint32_t>(bits)));
                }
                return;
            }
            default:
                break;
        }
        const int64_t v = readNumber(c);
        if (out != nullptr) {
            out->appendNumber(v);
        }
    }

    int64_t readNumber(const Layout& c) {
        switch (c.decode) {
            case Decode::Unsigned:
                return static_cast<int64_t>(le(c.size));
            case Decode::Boolean:
                return le(c.size) != 0 ? 1 : 0;
            case Decode::Timestamp: {
                const double ms = std::bit_cast<double>(le(8));
                if (!std::isfinite(ms) || std::fabs(ms) > 9.0e18) {
                    fail("invalid timestamp");
                }
                return std::llround(ms);
            }
            case Decode::SqlTimestamp:
                return readSqlTimestamp();
            default:  // Signed, Date, Time
                return signedLe(c.size);
        }
    }

    int64_t readSqlTimestamp() {
        const auto year = static_cast<int16_t>(u16());
        const uint16_t month = u16();
        const uint16_t day = u16();
        const uint16_t hour = u16();
        const uint16_t minute = u16();
        const uint16_t second = u16();
        const uint32_t ms = u32();
        if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 ||
            second > 59 || ms > 999) {
            fail("invalid date and time");
        }
        return dayNumber(year, month, day) * kMsPerDay +
               ((hour * 60 + minute) * 60 + second) * int64_t{1000} + ms;
    }

    std::string fromUtf16(std::string_view bytes, bool nulPadded) {
        if (bytes.size() % 2 != 0) {
            fail("UTF-16 text of an odd number of bytes");
        }
        std::u16string units(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i) {
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                             static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
        }
        if (nulPadded) {
            units.resize(std::min(units.size(), units.find(u'\0')));
        }
        return text::utf16ToCp1250(units);
    }

    static constexpr size_t kProgressStep = size_t{4} << 20;

    std::string_view data_;
    const std::string& source_;
    const ReadProgress& progress_;
    size_t pos_ = 0;
    size_t row_ = 0;                 // 1-based row being read, for messages
    const Layout* field_ = nullptr;  // field being read, for messages
};

}  // namespace

Table readBinaryTable(std::string_view bytes, const std::string& source) {
    return Reader(bytes, source, {}).read();
}

Table readBinaryTable(std::string_view bytes, const std::string& source,
                      const ReadProgress& progress) {
    return Reader(bytes, source, progress).read();
}

}  // namespace expo::ds
