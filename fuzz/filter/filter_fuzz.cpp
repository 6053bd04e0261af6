// libFuzzer target: filter expressions, parsed, bound to a dataset with a field of every kind
// and applied to it, in the order of a text field.
#include <cstdint>
#include <string>

#include "platform/dataset/dataset.h"
#include "platform/text/error.h"

namespace {

using expo::ds::FieldType;
using expo::ds::Value;

expo::ds::Packet sample() {
    expo::ds::Packet p;
    p.fields = {{"ID", FieldType::Integer, 4, true},
                {"KAT_ID", FieldType::Integer, 8, false},
                {"NAME", FieldType::FixedString, 30, false},
                {"CITY", FieldType::String, 20, false},
                {"NOTE", FieldType::Memo, 0, false},
                {"PRICE", FieldType::Float, 0, false},
                {"PAID", FieldType::Boolean, 0, false},
                {"D", FieldType::Date, 0, false},
                {"T", FieldType::Time, 0, false},
                {"TS", FieldType::Timestamp, 0, false},
                {"W", FieldType::WideString, 10, false},
                {"B", FieldType::Blob, 0, false}};
    const char* names[] = {"Stroj\355rna", "TECH s.r.o.", "\310EZ", "O'Neill", "", "a%b_c"};
    for (int64_t i = 0; i < 40; ++i) {
        std::vector<Value> row{i, i % 7};
        for (size_t c = 2; c < p.fields.size(); ++c) {
            if ((i + static_cast<int64_t>(c)) % 5 == 0) {
                row.emplace_back(expo::ds::Null{});
            } else if (c <= 4 || c >= 10) {
                row.emplace_back(std::string(names[(i + static_cast<int64_t>(c)) % 6]));
            } else if (c == 5) {
                row.emplace_back(static_cast<double>(i) / 3);
            } else if (c == 6) {
                row.emplace_back(i % 2 == 0);
            } else {
                row.emplace_back(i * 1000 + static_cast<int64_t>(c));
            }
        }
        p.rows.push_back(std::move(row));
    }
    return p;
}

expo::ds::ClientDataSet& dataSet() {
    static expo::ds::ClientDataSet set("CDSFuzz");
    if (!set.active()) {
        set.loadFromPacket(sample());
        set.setIndexFieldNames("NAME");
    }
    return set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    expo::ds::ClientDataSet& set = dataSet();
    try {
        set.setFilter(std::string(reinterpret_cast<const char*>(data), size));
        set.setFiltered(true);
        for (set.first(); !set.eof(); set.next()) {
            set.integer("ID");
        }
    } catch (const expo::Error&) {
    }
    set.setFiltered(false);
    return 0;
}
