#include "platform/dataset/table.h"

#include <bit>

#include "platform/text/error.h"

namespace expo::ds {

Storage storageOf(FieldType t) {
    switch (t) {
        case FieldType::Float:
            return Storage::Real;
        case FieldType::String:
        case FieldType::FixedString:
        case FieldType::WideString:
        case FieldType::Memo:
        case FieldType::Blob:
            return Storage::Bytes;
        default:
            return Storage::Number;
    }
}

Column::Column(FieldDef def) : def_(std::move(def)), storage_(storageOf(def_.type)) {}

double Column::real(size_t row) const {
    return std::bit_cast<double>(numbers_[row]);
}

Value Column::value(size_t row) const {
    if (isNull(row)) {
        return Null{};
    }
    switch (storage_) {
        case Storage::Real:
            return real(row);
        case Storage::Bytes:
            return std::string(bytes(row));
        case Storage::Number:
            break;
    }
    if (def_.type == FieldType::Boolean) {
        return number(row) != 0;
    }
    return number(row);
}

void Column::reserve(size_t rows) {
    if (storage_ == Storage::Bytes) {
        ends_.reserve(rows);
    } else {
        nulls_.reserve(rows);
        numbers_.reserve(rows);
    }
}

void Column::appendNull() {
    if (storage_ == Storage::Bytes) {
        ends_.push_back(static_cast<uint32_t>(bytes_.size()) | kNullBit);
    } else {
        nulls_.push_back(true);
        numbers_.push_back(0);
    }
}

void Column::appendNumber(int64_t v) {
    nulls_.push_back(false);
    numbers_.push_back(v);
}

void Column::appendReal(double v) {
    nulls_.push_back(false);
    numbers_.push_back(std::bit_cast<int64_t>(v));
}

void Column::appendBytes(std::string_view v) {
    if (bytes_.size() + v.size() >= kNullBit) {
        throw Error("Field '" + def_.name + "' holds more than 2 GB of data");
    }
    bytes_.append(v);
    ends_.push_back(static_cast<uint32_t>(bytes_.size()));
}

void Column::append(const Value& v, const std::string& where) {
    if (std::holds_alternative<Null>(v)) {
        appendNull();
        return;
    }
    const bool fits = [&] {
        switch (storage_) {
            case Storage::Bytes:
                return std::holds_alternative<std::string>(v);
            case Storage::Real:
                return std::holds_alternative<double>(v);
            case Storage::Number:
                break;
        }
        return def_.type == FieldType::Boolean ? std::holds_alternative<bool>(v)
                                               : std::holds_alternative<int64_t>(v);
    }();
    if (!fits) {
        throw Error(where + ", field '" + def_.name + "': the value is not of type " +
                    fieldTypeName(def_.type));
    }
    if (const auto* s = std::get_if<std::string>(&v)) {
        appendBytes(*s);
    } else if (const auto* d = std::get_if<double>(&v)) {
        appendReal(*d);
    } else if (const auto* b = std::get_if<bool>(&v)) {
        appendNumber(*b ? 1 : 0);
    } else {
        appendNumber(std::get<int64_t>(v));
    }
}

void Column::shrinkToFit() {
    nulls_.shrink_to_fit();
    numbers_.shrink_to_fit();
    ends_.shrink_to_fit();
    bytes_.shrink_to_fit();
}

void checkIntegerWidths(const Table& t) {
    for (const Column& c : t.columns) {
        const int bytes = c.def().size == 0 ? 4 : c.def().size;
        if (c.def().type != FieldType::Integer || bytes >= 8) {
            continue;
        }
        if (bytes != 1 && bytes != 2 && bytes != 4) {
            throw Error("Field '" + c.def().name + "': integers are 1, 2, 4 or 8 bytes");
        }
        const int64_t limit = int64_t{1} << (8 * bytes - 1);
        for (size_t r = 0; r < c.size(); ++r) {
            if (!c.isNull(r) && (c.number(r) < -limit || c.number(r) >= limit)) {
                throw Error("Row " + std::to_string(r + 1) + ", field '" + c.def().name +
                            "': " + std::to_string(c.number(r)) + " does not fit in " +
                            std::to_string(bytes) + " bytes");
            }
        }
    }
}

Table tableFromPacket(const Packet& p) {
    Table t;
    for (const FieldDef& def : p.fields) {
        t.columns.emplace_back(def);
        t.columns.back().reserve(p.rows.size());
    }
    for (size_t r = 0; r < p.rows.size(); ++r) {
        const std::vector<Value>& row = p.rows[r];
        const std::string where = "Row " + std::to_string(r + 1);
        if (row.size() != p.fields.size()) {
            throw Error(where + " has " + std::to_string(row.size()) + " values for " +
                        std::to_string(p.fields.size()) + " fields");
        }
        for (size_t c = 0; c < row.size(); ++c) {
            t.columns[c].append(row[c], where);
        }
    }
    t.rowCount = p.rows.size();
    return t;
}

Packet packetFromTable(const Table& t) {
    Packet p;
    for (const Column& c : t.columns) {
        p.fields.push_back(c.def());
    }
    p.rows.resize(t.rowCount);
    for (size_t r = 0; r < t.rowCount; ++r) {
        p.rows[r].reserve(t.columns.size());
        for (const Column& c : t.columns) {
            p.rows[r].push_back(c.value(r));
        }
    }
    return p;
}

}  // namespace expo::ds
