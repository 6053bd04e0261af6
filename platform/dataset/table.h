#pragma once
// Column-wise storage of a packet's rows: what a loaded dataset holds in memory. Numbers take
// eight bytes and a null bit a value, text and bytes one shared buffer per column with an end
// offset a value.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/packet.h"

namespace expo::ds {

// How a column's values are stored.
enum class Storage { Number, Real, Bytes };
Storage storageOf(FieldType t);

class Column {
  public:
    explicit Column(FieldDef def);

    const FieldDef& def() const { return def_; }
    Storage storage() const { return storage_; }
    size_t size() const { return storage_ == Storage::Bytes ? ends_.size() : nulls_.size(); }

    bool isNull(size_t row) const {
        return storage_ == Storage::Bytes ? (ends_[row] & kNullBit) != 0 : nulls_[row];
    }
    // Number storage: Integer, Boolean (0 or 1), Date, Time, Timestamp. 0 for null.
    int64_t number(size_t row) const { return numbers_[row]; }
    double real(size_t row) const;
    std::string_view bytes(size_t row) const {
        const uint32_t begin = row == 0 ? 0 : ends_[row - 1] & ~kNullBit;
        return std::string_view(bytes_).substr(begin, (ends_[row] & ~kNullBit) - begin);
    }
    Value value(size_t row) const;

    void reserve(size_t rows);
    // Room for `n` bytes of text or byte values in all (Bytes storage).
    void reserveBytes(size_t n) { bytes_.reserve(n); }
    void appendNull();
    void appendNumber(int64_t v);
    void appendReal(double v);
    void appendBytes(std::string_view v);
    // Checks that the value's kind fits the field type; throws expo::Error naming `where`.
    void append(const Value& v, const std::string& where);
    void shrinkToFit();

  private:
    // Bytes: the top bit of a value's end offset marks a null, which keeps a value's offsets
    // and its null mark in one place.
    static constexpr uint32_t kNullBit = 0x80000000;

    FieldDef def_;
    Storage storage_;
    std::vector<bool> nulls_;       // Number and Real
    std::vector<int64_t> numbers_;  // Number and Real (bit copy of the double)
    std::vector<uint32_t> ends_;    // Bytes: end offset of each value in bytes_
    std::string bytes_;
};

struct Table {
    std::vector<Column> columns;
    size_t rowCount = 0;
};

Table tableFromPacket(const Packet& p);
Packet packetFromTable(const Table& t);

// The readers behind readBinaryPacket and readXmlPacket, building the table directly.
Table readBinaryTable(std::string_view bytes, const std::string& source);
// Tells now and then how many of the bytes from the start the reader is done with: a caller
// may let go of them (they are not looked at again).
using ReadProgress = std::function<void(size_t done)>;
Table readBinaryTable(std::string_view bytes, const std::string& source,
                      const ReadProgress& progress);
Table readXmlTable(std::string_view bytes, const std::string& source);
Table readTable(std::string_view bytes, const std::string& source);
Table readTableFile(const std::string& path);

// Writers check that every integer fits its field's width (1, 2, 4 or 8 bytes, signed); a
// width of 0 stands for 4 bytes.
void checkIntegerWidths(const Table& t);
std::string writeBinaryTable(const Table& t);
std::string writeXmlTable(const Table& t);

}  // namespace expo::ds
