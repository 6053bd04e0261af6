// cdsdump FILE [--filter EXPR] [--order FIELD] [--fields]
//
// Loads one data packet into a dataset without declared fields, applies the filter (switched
// on) and the order, and prints the visible records as a JSON array of objects in cursor
// order, or with --fields one line per field: NAME, TYPE, SIZE and required|optional, tab
// separated. Text is printed in UTF-8. Exit code 0, or 2 with the error on stderr.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/dataset/dataset.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace {

using namespace expo;

struct Options {
    std::string file;
    std::string filter;
    std::string order;
    bool hasFilter = false;
    bool fields = false;
};

constexpr const char* kUsage = "usage: cdsdump FILE [--filter EXPR] [--order FIELD] [--fields]";

Options parseArguments(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if ((a == "--filter" || a == "--order") && i + 1 < argc) {
            (a == "--filter" ? o.filter : o.order) = text::utf8ToCp1250(argv[++i]);
            o.hasFilter = o.hasFilter || a == "--filter";
        } else if (a == "--fields") {
            o.fields = true;
        } else if (o.file.empty() && !a.starts_with("--")) {
            o.file = a;
        } else {
            throw Error(kUsage);
        }
    }
    if (o.file.empty()) {
        throw Error(kUsage);
    }
    return o;
}

void appendJsonString(std::string& out, std::string_view cp1250) {
    out += '"';
    for (const char c : text::cp1250ToUtf8(cp1250)) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char esc[8];
                    std::snprintf(esc, sizeof esc, "\\u%04x", c);
                    out += esc;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void appendJsonValue(std::string& out, const ds::Field& f) {
    const ds::Value v = f.value();
    if (std::holds_alternative<ds::Null>(v)) {
        out += "null";
        return;
    }
    switch (f.type()) {
        case ds::FieldType::Integer:
            out += std::to_string(std::get<int64_t>(v));
            return;
        case ds::FieldType::Boolean:
            out += std::get<bool>(v) ? "true" : "false";
            return;
        case ds::FieldType::Float: {
            const double d = std::get<double>(v);
            char buf[64];
            const auto r = std::to_chars(buf, buf + sizeof buf, d);
            out += std::isfinite(d) ? std::string(buf, r.ptr) : "null";
            return;
        }
        case ds::FieldType::Blob:
            out += std::to_string(std::get<std::string>(v).size());
            return;
        default:  // text and the calendar types, as their text
            appendJsonString(out, f.asString());
    }
}

std::string records(ds::ClientDataSet& set) {
    std::string out = "[";
    bool firstRecord = true;
    for (set.first(); !set.eof(); set.next()) {
        out += firstRecord ? "\n{" : ",\n{";
        firstRecord = false;
        for (size_t i = 0; i < set.fields().size(); ++i) {
            const ds::Field f(&set, static_cast<int>(i));
            out += i == 0 ? "" : ", ";
            appendJsonString(out, f.name());
            out += ": ";
            appendJsonValue(out, f);
        }
        out += "}";
    }
    out += firstRecord ? "]\n" : "\n]\n";
    return out;
}

std::string fieldLines(const ds::ClientDataSet& set) {
    std::string out;
    for (const ds::FieldDef& f : set.fields()) {
        out += text::cp1250ToUtf8(f.name) + "\t" + ds::fieldTypeName(f.type) + "\t" +
               std::to_string(f.size) + "\t" + (f.required ? "required" : "optional") + "\n";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options o = parseArguments(argc, argv);
        ds::ClientDataSet set("");
        set.loadFromFile(o.file);
        if (o.fields) {
            std::cout << fieldLines(set);
            return 0;
        }
        set.setIndexFieldNames(o.order);
        if (o.hasFilter) {
            set.setFilter(o.filter);
            set.setFiltered(true);
        }
        std::cout << records(set);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "cdsdump: " << text::cp1250ToUtf8(e.what()) << "\n";
        return 2;
    }
}
